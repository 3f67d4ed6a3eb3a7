// curvello-fit --grafico: the built tool writes the picture a graph window
// opened after the fit shows, with no display and no platform named.
#include "ImmagineGrafico.h"
#include "StatoGrafico.h"
#include "test_grafico_supporto.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

class TestCliGrafico : public QObject {
    Q_OBJECT
private slots:
    void esegui_data();
    void esegui();
};

void TestCliGrafico::esegui_data()
{
    QTest::addColumn<QStringList>("opzioni");  // @PNG: the picture's path
    QTest::addColumn<int>("codice");
    QTest::addColumn<QSize>("dimensioni");  // empty: no picture
    QTest::addColumn<QByteArray>("errori");

    const QByteArray uso = "Uso: curvello-fit FILE.cv [GRADO]   (FILE.cv = - legge lo standard input)\n"
                           "     curvello-fit FILE.cv [GRADO] --grafico FILE.png [--dimensioni LARGHEZZAxALTEZZA]\n";
    QTest::newRow("800x600 se non detto") << QStringList{"@FILE", "--grafico", "@PNG"} << 0 << QSize(800, 600) << QByteArray();
    QTest::newRow("dimensioni date, opzioni prima del file")
        << QStringList{"--dimensioni", "640x480", "--grafico", "@PNG", "@FILE", "2"} << 0 << QSize(640, 480) << QByteArray();
    QTest::newRow("cartella che non esiste: 74") << QStringList{"@FILE", "--grafico", "@DIR/manca/g.png"} << 74 << QSize()
        << QByteArray("Impossibile scrivere il grafico nel file \"@DIR/manca/g.png\".\n");
    QTest::newRow("rifiutato: nessun grafico") << QStringList{"@FILE", "0", "--grafico", "@PNG"} << 1 << QSize()
        << QByteArray("Il grado del polinomio approssimante non può essere minore o uguale a zero.\n");
    QTest::newRow("dimensioni senza grafico") << QStringList{"@FILE", "--dimensioni", "10x10"} << 64 << QSize() << uso;
    QTest::newRow("dimensioni non valide") << QStringList{"@FILE", "--grafico", "@PNG", "--dimensioni", "0x10"} << 64 << QSize() << uso;
    QTest::newRow("troppo grande") << QStringList{"@FILE", "--grafico", "@PNG", "--dimensioni", "5000x10"} << 64 << QSize() << uso;
    QTest::newRow("grafico senza file") << QStringList{"@FILE", "--grafico"} << 64 << QSize() << uso;
}

void TestCliGrafico::esegui()
{
    QFETCH(QStringList, opzioni);
    QFETCH(int, codice);
    QFETCH(QSize, dimensioni);
    QFETCH(QByteArray, errori);

    QTemporaryDir dir;
    QFile f(dir.filePath("dati.cv"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("9,2\r\n1,5,0\r\n2,3,0\r\n3,4,0\r\n4,5,0\r\n5,7,0\r\n6,9,0\r\n7,12,0\r\n8,7,0\r\n9,6,0\r\n");
    f.close();
    const QString png = dir.filePath("grafico.png");
    for (QString& o : opzioni)
        o.replace("@FILE", f.fileName()).replace("@PNG", png).replace("@DIR", dir.path());
    errori.replace("@DIR", dir.path().toUtf8());

    QProcess processo;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("LC_ALL", "it_IT.UTF-8");
    ambiente.remove("QT_QPA_PLATFORM");  // the tool picks the offscreen platform itself
    ambiente.remove("DISPLAY");
    ambiente.remove("WAYLAND_DISPLAY");
    processo.setProcessEnvironment(ambiente);
    processo.start(QStringLiteral(CURVELLO_FIT), opzioni);
    QVERIFY(processo.waitForFinished(60000));
    QCOMPARE(processo.readAllStandardError(), errori);
    QCOMPARE(processo.exitCode(), codice);
    QCOMPARE(processo.readAllStandardOutput().startsWith("9,2\r\n1,5,2.75151515151515\r\n"), codice == 0 || codice == 74);
    if (dimensioni.isEmpty()) {
        QVERIFY(!QFile::exists(png));
        return;
    }
    // The same picture as a window of that size drawn here after the same fit.
    StatoProgramma s;
    Calcola(s, "2");
    StatoGrafico g;
    const QImage atteso = ImmagineGrafico(g, s, dimensioni);
    const QImage letto(png);
    QCOMPARE(letto.size(), dimensioni);
    QVERIFY(letto.convertToFormat(QImage::Format_RGB32) == atteso);
    QVERIFY(g.ScalaX == 8.0f && atteso.pixelColor(atteso.width() / 2, atteso.height() / 2).isValid());
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    TestCliGrafico t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_cli_grafico.moc"
