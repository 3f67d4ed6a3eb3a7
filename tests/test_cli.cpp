// curvello-fit end to end: the built tool on real files, under an Italian and
// an English locale, checked by exit code and exact output bytes.
#include "Curvello.h"

#include <QtTest>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QByteArray Esempio = "9,1\r\n1,5,0\r\n2,3,0\r\n3,4,0\r\n4,5,0\r\n5,7,0\r\n6,9,0\r\n7,12,0\r\n8,7,0\r\n9,6,0\r\n";

const QByteArray EsempioGrado1 =
    "9,1\r\n"
    "1,5,4.04444444444444\r\n2,3,4.64444444444444\r\n3,4,5.24444444444444\r\n"
    "4,5,5.84444444444444\r\n5,7,6.44444444444444\r\n6,9,7.04444444444444\r\n"
    "7,12,7.64444444444444\r\n8,7,8.24444444444444\r\n9,6,8.84444444444444\r\n"
    "3.44444444444444\r\n0.6\r\n";

// Coefficients 19/21, 2293/1155, -32/231.
const QByteArray EsempioGrado2 =
    "9,2\r\n"
    "1,5,2.75151515151515\r\n2,3,4.32121212121212\r\n3,4,5.61385281385281\r\n"
    "4,5,6.62943722943723\r\n5,7,7.36796536796537\r\n6,9,7.82943722943723\r\n"
    "7,12,8.01385281385281\r\n8,7,7.92121212121212\r\n9,6,7.55151515151515\r\n"
    "0.904761904761905\r\n1.98528138528139\r\n-0.138528138528139\r\n";

const QByteArray Uso = "Uso: curvello-fit FILE.cv [GRADO]   (FILE.cv = - legge lo standard input)\n";

QByteArray Silenzio(CausaInterruzione c) { return QByteArray::fromStdString(DescriviInterruzione(c)) + "\n"; }

QByteArray Punti(int n)
{
    QByteArray b = QByteArray::number(n) + ",2\r\n";
    for (int i = 0; i < n; ++i) b += QByteArray::number(i) + ",1,0\r\n";
    return b;
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void esegui_data();
    void esegui();
};

// "@FILE" in the arguments and in the expected error stands for the path of
// a temporary file holding `file`.
void TestCli::esegui_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("ingresso");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("codice");
    QTest::addColumn<QByteArray>("uscita");
    QTest::addColumn<QByteArray>("errori");

    const QString it = "it_IT.UTF-8", en = "en_US.UTF-8";
    const QByteArray grado2 = QByteArray(Esempio).replace("9,1", "9,2");
    const QByteArray m4 = "Il grado del polinomio deve essere un numero intero compreso tra 1 e 10\n";

    QTest::newRow("esempio, grado del file") << QStringList{"@FILE"} << Esempio << QByteArray() << it << 0
                                             << EsempioGrado1 << QByteArray();
    QTest::newRow("esempio, grado 2 dall'argomento") << QStringList{"@FILE", "2"} << Esempio << QByteArray() << en
                                                     << 0 << EsempioGrado2 << QByteArray();
    QTest::newRow("grado 2,0 in inglese: M4") << QStringList{"@FILE", "2,0"} << Esempio << QByteArray() << en << 1
                                              << QByteArray() << m4;
    QTest::newRow("grado 2,0 in italiano") << QStringList{"@FILE", "2,0"} << Esempio << QByteArray() << it << 0
                                           << EsempioGrado2 << QByteArray();
    QTest::newRow("grado 2.0 in inglese") << QStringList{"@FILE", "2.0"} << Esempio << QByteArray() << en << 0
                                          << EsempioGrado2 << QByteArray();
    QTest::newRow("grado 2 dal file, P ignorate") << QStringList{"@FILE"} << EsempioGrado2 << QByteArray() << it
                                                  << 0 << EsempioGrado2 << QByteArray();
    QTest::newRow("standard input") << QStringList{"-"} << QByteArray() << grado2 << it << 0 << EsempioGrado2
                                    << QByteArray();
    QTest::newRow("grado 2.5 del file in italiano: M4") << QStringList{"@FILE"}
                                                        << QByteArray(Esempio).replace("9,1", "9,2.5")
                                                        << QByteArray() << it << 1 << QByteArray() << m4;
    QTest::newRow("grado 11: M4") << QStringList{"@FILE", "11"} << Esempio << QByteArray() << it << 1 << QByteArray()
                                  << m4;
    QTest::newRow("grado 0: M3") << QStringList{"@FILE", "0"} << Esempio << QByteArray() << it << 1 << QByteArray()
                                 << QByteArray("Il grado del polinomio approssimante non può essere minore o uguale "
                                               "a zero.\n");
    QTest::newRow("nessun punto: M1") << QStringList{"@FILE"} << QByteArray("0,2\r\n") << QByteArray() << it << 1
                                      << QByteArray()
                                      << QByteArray("Non soo state inserite coppie X - Y, inserirle e poi ripremere "
                                                    "Calcola\n");
    QTest::newRow("301 punti: M5") << QStringList{"@FILE"} << Punti(301) << QByteArray() << it << 1 << QByteArray()
                                   << QByteArray("Il numero di punti e' > di 100\n");
    QTest::newRow("grado 3 su 3 punti: M6") << QStringList{"@FILE", "3"}
                                            << QByteArray("3,1\r\n1,1,0\r\n2,4,0\r\n3,9,0\r\n") << QByteArray() << it
                                            << 1 << QByteArray()
                                            << QByteArray("Il grado 3 non puo' essere >= al numero di punti 3 \n");
    QTest::newRow("tre X uguali, grado 2: M7") << QStringList{"@FILE"}
                                               << QByteArray("3,2\r\n2,1,0\r\n2,2,0\r\n2,3,0\r\n") << QByteArray()
                                               << it << 1 << QByteArray()
                                               << QByteArray("divisione per zero nell'eliminazione gaussiana !!!\n");
    QTest::newRow("grado 3x: silenzioso") << QStringList{"@FILE", "3x"} << Esempio << QByteArray() << it << 2
                                          << QByteArray() << Silenzio(CausaInterruzione::GradoNonConvertibile);
    QTest::newRow("due X uguali, grado 1: silenzioso")
        << QStringList{"@FILE"} << QByteArray("2,1\r\n2,1,0\r\n2,2,0\r\n") << QByteArray() << it << 2 << QByteArray()
        << Silenzio(CausaInterruzione::UltimoPivotNullo);
    QTest::newRow("tutte le X a zero: silenzioso")
        << QStringList{"@FILE"} << QByteArray("2,1\r\n0,1,0\r\n0,2,0\r\n") << QByteArray() << it << 2 << QByteArray()
        << Silenzio(CausaInterruzione::RigaNulla);
    QTest::newRow("file mancante") << QStringList{"@FILE.manca"} << QByteArray() << QByteArray() << it << 3
                                   << QByteArray() << QByteArray("Impossibile aprire il file \"@FILE.manca\".\n");
    QTest::newRow("file corto") << QStringList{"@FILE"} << QByteArray("3,1\r\n1,2,0\r\n") << QByteArray() << it << 3
                                << QByteArray()
                                << QByteArray("Il file \"@FILE\" è incompleto: finisce dopo 1 dei 3 punti "
                                              "annunciati.\n");
    QTest::newRow("standard input non valido") << QStringList{"-"} << QByteArray() << QByteArray("2,1\r\n1,a,0\r\n")
                                               << en << 3 << QByteArray()
                                               << QByteArray("Il file \"standard input\" non è valido: alla riga 2 la "
                                                             "Y del punto 1 (\"a\") non è un numero.\n");
    QTest::newRow("senza argomenti") << QStringList{} << QByteArray() << QByteArray() << it << 64 << QByteArray()
                                     << Uso;
    QTest::newRow("troppi argomenti") << QStringList{"@FILE", "1", "2"} << Esempio << QByteArray() << it << 64
                                      << QByteArray() << Uso;
    QTest::newRow("aiuto") << QStringList{"--help"} << QByteArray() << QByteArray() << it << 0 << Uso
                           << QByteArray();
}

void TestCli::esegui()
{
    QFETCH(QStringList, argomenti);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, ingresso);
    QFETCH(QString, locale);
    QFETCH(int, codice);
    QFETCH(QByteArray, uscita);
    QFETCH(QByteArray, errori);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString percorso = dir.filePath("dati.cv");
    if (!file.isEmpty()) {
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file);
    }
    for (QString& a : argomenti) a.replace("@FILE", percorso);
    errori.replace("@FILE", percorso.toUtf8());

    QProcess processo;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("LC_ALL", locale);
    processo.setProcessEnvironment(ambiente);
    processo.start(QStringLiteral(CURVELLO_FIT), argomenti);
    QVERIFY(processo.waitForStarted());
    processo.write(ingresso);
    processo.closeWriteChannel();
    QVERIFY(processo.waitForFinished(60000));

    QCOMPARE(processo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(processo.readAllStandardError(), errori);
    QCOMPARE(processo.readAllStandardOutput(), uscita);
    QCOMPARE(processo.exitCode(), codice);
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
