// curvello-fit end to end: exit codes, exact output bytes, the chart against
// the one drawn here and as its SVG and PDF read, the printed pages.
#include "Curvello.h"
#include "GraficoDocumento.h"
#include "StatoGrafico.h"
#include "Statistiche.h"
#include "test_pdf_supporto.h"

#include <QtTest>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <filesystem>

namespace {

const QByteArray Esempio = "9,1\r\n1,5,0\r\n2,3,0\r\n3,4,0\r\n4,5,0\r\n5,7,0\r\n6,9,0\r\n7,12,0\r\n8,7,0\r\n9,6,0\r\n";

const QByteArray EsempioGrado1 = "9,1\r\n"
    "1,5,4.04444444444444\r\n2,3,4.64444444444444\r\n3,4,5.24444444444444\r\n"
    "4,5,5.84444444444444\r\n5,7,6.44444444444444\r\n6,9,7.04444444444444\r\n"
    "7,12,7.64444444444444\r\n8,7,8.24444444444444\r\n9,6,8.84444444444444\r\n"
    "3.44444444444444\r\n0.6\r\n";

// Coefficients 19/21, 2293/1155, -32/231.
const QByteArray EsempioGrado2 = "9,2\r\n"
    "1,5,2.75151515151515\r\n2,3,4.32121212121212\r\n3,4,5.61385281385281\r\n"
    "4,5,6.62943722943723\r\n5,7,7.36796536796537\r\n6,9,7.82943722943723\r\n"
    "7,12,8.01385281385281\r\n8,7,7.92121212121212\r\n9,6,7.55151515151515\r\n"
    "0.904761904761905\r\n1.98528138528139\r\n-0.138528138528139\r\n";

const QByteArray Uso = "Uso: curvello-fit FILE.cv [GRADO]   (FILE.cv = - legge lo standard input)\n"
                       "     curvello-fit FILE.cv [GRADO] --grafico FILE.png|.svg|.pdf [--dimensioni LARGHEZZAxALTEZZA]\n"
                       "     curvello-fit FILE.cv [GRADO] --stampa FILE.pdf [--intestazione TESTO]\n"
                       "     curvello-fit FILE.cv [GRADO] --json\n";
const QString It = "it_IT.UTF-8", En = "en_US.UTF-8";

// One run: `file` goes to standard input when an argument is "-", else to a
// temporary file whose path "@FILE" stands for in the arguments and `errori`.
void Riga(const char* nome, const QStringList& argomenti, const QByteArray& file, int codice,
          const QByteArray& uscita, const QByteArray& errori, const QString& locale = It)
{
    QTest::newRow(nome) << argomenti << file << locale << codice << uscita << errori;
}

// --json's object against the fit and the statistics of the file's points
// computed here: every number the same double, null where not defined.
void ConfrontaJson(const QByteArray& uscita, const QByteArray& file, const QString& grado)
{
    StatoProgramma s;
    std::vector<double> x, y;
    for (const QByteArray& riga : file.split('\n').mid(1, file.left(1).toInt())) {
        x.push_back(riga.split(',')[0].toDouble());
        y.push_back(riga.split(',')[1].toDouble());
        s.punti.Add(x.back(), y.back());
    }
    Curvello(s, CanaliCalcolo{}).CalcolaPolinomio(grado.toStdString(), Separatori::Italiani());
    const StatisticheAdattamento st = CalcolaStatistiche(x, y, s.polinomio->Grado());
    auto v = [](const Statistica& d) { return d.valore ? QJsonValue(*d.valore) : QJsonValue(); };
    auto serie = [&](const std::vector<Statistica>& valori) {
        QJsonArray a;
        for (const Statistica& d : valori)
            a << v(d);
        return a;
    };
    QJsonArray coefficienti, terne;
    for (int k = 0; k < s.polinomio->NumeroElementi(); ++k)
        coefficienti << s.polinomio->Coeff(k);
    for (size_t i = 0; i < x.size(); ++i)
        terne << QJsonObject{{"x", x[i]}, {"y", y[i]}, {"p", s.terne->P(int32_t(i))}, {"residuo", v(st.residui[i])}};
    const QJsonObject atteso{{"grado", st.grado}, {"punti", st.punti}, {"coefficienti", coefficienti},
                             {"errori_standard", serie(st.erroriStandard)}, {"t", serie(st.t)},
                             {"gradi_di_liberta", st.gradiDiLiberta}, {"r2", v(st.r2)}, {"r2_corretto", v(st.r2Corretto)},
                             {"s", v(st.s)}, {"rss", v(st.rss)}, {"tss", v(st.tss)}, {"ssr", v(st.ssr)}, {"f", v(st.f)},
                             {"terne", terne}};
    QCOMPARE(QJsonDocument::fromJson(uscita).object(), atteso);  // doubles compared with ==
}

// An SVG's size, its circles, whether a polyline of it has the curve's many vertices, and its
// texts; the error when it is not well-formed.
QStringList LeggiSvg(const QByteArray& svg)
{
    QXmlStreamReader x(svg);
    QStringList testi;
    qsizetype cerchi = 0, vertici = 0;
    QString dimensioni;
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (x.name() == u"svg")
            dimensioni = QStringLiteral("%1x%2").arg(x.attributes().value("width"), x.attributes().value("height"));
        cerchi += x.name() == u"circle";
        if (x.name() == u"polyline")
            vertici = std::max(vertici, x.attributes().value("points").split(u' ', Qt::SkipEmptyParts).size());
        if (x.name() == u"text")
            testi << x.readElementText().trimmed();
    }
    return x.hasError() ? QStringList{x.errorString()} : QStringList{dimensioni, QString::number(cerchi), vertici > 50 ? "curva" : "-"} + testi;
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void esegui_data();
    void esegui();
    void nomiNonUtf8();
};

void TestCli::esegui_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("codice");
    QTest::addColumn<QByteArray>("uscita");
    QTest::addColumn<QByteArray>("errori");

    Riga("esempio, grado del file", {"@FILE"}, Esempio, 0, EsempioGrado1, {});
    // The degree argument is read with the locale's separators.
    Riga("grado 2,0 in inglese: non è un numero", {"@FILE", "2,0"}, Esempio, 2, {},
         QByteArray::fromStdString(DescriviInterruzione(CausaInterruzione::GradoNonConvertibile)) + "\n", En);
    Riga("standard input, grado 2 dal file, P ignorate", {"-"}, EsempioGrado2, 0, EsempioGrado2, {}, En);

    // Refusals: the message on standard error, exit 1; silent ends: a one-line explanation, exit 2.
    Riga("grado 0: M3, nessun grafico, niente JSON", {"@FILE", "0", "--grafico", "@GRAFICO.png", "--json"}, Esempio, 1, {},
         "Il grado del polinomio approssimante non può essere minore o uguale a zero.\n");

    // Unreadable input: exit 3; wrong arguments: the usage line.
    Riga("file mancante", {"@FILE.manca"}, {}, 3, {}, "Impossibile aprire il file \"@FILE.manca\".\n");
    Riga("standard input non valido", {"-"}, "2,1\r\n1,a,0\r\n", 3, {},
         "Il file \"standard input\" non è valido: alla riga 2 la Y del punto 1 (\"a\") non è un numero.\n", En);
    Riga("senza argomenti", {}, {}, 64, {}, Uso);

    // Text tables ("@FILE.csv" and the like): the same fit as the .cv; the degree must be given.
    Riga("tabella italiana con intestazione", {"@FILE.csv", "1"}, "X;Y\r\n1,0;5\r\n2;3\r\n3;4\r\n4;5\r\n5;7\r\n6;9\r\n7;12\r\n8;7\r\n9;6\r\n",
         0, EsempioGrado1, {});
    Riga("tabella inglese", {"@FILE.txt", "2"}, "1.0,5\n2,3\n3,4\n4,5\n5,7\n6,9\n7,12\n8,7\n9,6", 0, EsempioGrado2, {}, En);
    Riga("tabella con una riga cattiva", {"@FILE.tsv", "2"}, "X\tY\n1\t5\n2\tabc\n", 3, {},
         "Il file \"@FILE.tsv\" non è valido: alla riga 3 \"2 abc\" non è una coppia di numeri.\n");
    Riga("tabella senza grado", {"@FILE.csv"}, "1;5\n", 64, {},
         "La tabella di testo \"@FILE.csv\" non contiene il grado: indicare GRADO dopo il nome del file.\n");
    Riga("aiuto", {"--help"}, {}, 0, Uso, {});

    // The chart (@GRAFICO), its format by the extension, with no display and no platform named.
    Riga("grafico, opzioni prima del file", {"--dimensioni", "640x480", "--grafico", "@GRAFICO.PNG", "@FILE"}, Esempio, 0, EsempioGrado1, {});
    Riga("grafico SVG", {"@FILE", "2", "--grafico", "@GRAFICO.svg", "--dimensioni", "640x480"}, Esempio, 0, EsempioGrado2, {});
    Riga("grafico PDF 800x600, grado 2,0", {"@FILE", "2,0", "--grafico", "@GRAFICO.pdf"}, Esempio, 0, EsempioGrado2, {});
    Riga("grafico di altro formato: 64", {"@FILE", "--grafico", "@GRAFICO.bmp"}, Esempio, 64, {}, Uso);
#ifdef Q_OS_LINUX
    Riga("grafico su disco pieno: 74", {"@FILE", "--grafico", "@DIR/pieno.svg"}, Esempio, 74, EsempioGrado1,
         "Impossibile scrivere il grafico nel file \"@DIR/pieno.svg\".\n");
#endif
    Riga("un nome di opzione non è un valore", {"--stampa", "--grafico", "@FILE"}, Esempio, 64, {}, Uso);
    Riga("dimensioni troppo grandi", {"@FILE", "--grafico", "@GRAFICO.png", "--dimensioni", "5000x10"}, Esempio, 64, {}, Uso);

    // The printed report (@PDF) of the example at degree 2: the header given,
    // else the one in the user's settings ("Ditta Rossi"); five pages, the last the graph.
    Riga("stampa", {"@FILE", "2", "--stampa", "@PDF", "--intestazione", "Altra ditta"}, Esempio, 0, EsempioGrado2, {});
#ifdef Q_OS_LINUX
    // The fit and its statistics as JSON (checked against the fit made here), the report as well, its header from the settings.
    Riga("JSON e stampa", {"@FILE", "2", "--json", "--stampa", "@PDF"}, Esempio, 0, {}, {});
#endif
    Riga("JSON: nessun grado di libertà", {"@FILE", "2", "--json"}, "3,1\r\n1,0,0\r\n2,0,0\r\n3,1,0\r\n", 0, {}, {});
    Riga("stampa non scrivibile: 74", {"@FILE", "--stampa", "@PDF/s.pdf"}, Esempio, 74, EsempioGrado1,
         "Impossibile scrivere la stampa nel file \"@PDF/s.pdf\".\n");
    Riga("intestazione senza stampa", {"@FILE", "--intestazione", "Ditta"}, Esempio, 64, {}, Uso);
#ifdef Q_OS_LINUX
    Riga("stampa su disco pieno: 74", {"@FILE", "--stampa", "/dev/full"}, Esempio, 74, EsempioGrado1,
         "Impossibile scrivere la stampa nel file \"/dev/full\".\n");
#endif
}

void TestCli::esegui()
{
    QFETCH(QStringList, argomenti);
    QFETCH(QByteArray, file);
    QFETCH(QString, locale);
    QFETCH(int, codice);
    QFETCH(QByteArray, uscita);
    QFETCH(QByteArray, errori);

    QTemporaryDir dir;
    const QString tabella = argomenti.filter(QRegularExpression("^@FILE\\.(csv|txt|tsv)$")).value(0);
    const QString percorso = dir.filePath(tabella.isEmpty() ? "dati.cv" : tabella.mid(1));
    if (!tabella.isEmpty()) {
        argomenti.replaceInStrings(tabella, percorso);
        errori.replace(tabella.toUtf8(), percorso.toUtf8());
    }
    const bool ingresso = argomenti.contains("-");
    QFile f(percorso);
    if (!file.isEmpty() && !ingresso)
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size() && f.flush());
    const QString grafico = dir.filePath("grafico"), pdf = dir.filePath("stampa.pdf");
    for (QString& a : argomenti) a.replace("@FILE", percorso).replace("@GRAFICO", grafico).replace("@PDF", pdf).replace("@DIR", dir.path());
    errori.replace("@FILE", percorso.toUtf8()).replace("@PDF", pdf.toUtf8()).replace("@DIR", dir.path().toUtf8());
    QFile::link("/dev/full", dir.filePath("pieno.svg"));  // a full disk

    QProcess processo;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("LC_ALL", locale);
    ambiente.remove("QT_QPA_PLATFORM");  // the tool picks the offscreen platform itself
    ambiente.insert("XDG_CONFIG_HOME", dir.path());
    // The leak checker's tracer crashes on the printing library's thread
    // storage here; not scanning thread storage makes the check stricter.
    ambiente.insert("LSAN_OPTIONS", ambiente.value("LSAN_OPTIONS") + ":use_tls=0");
    QSettings(dir.filePath("Curvello/Curvello.conf"), QSettings::IniFormat).setValue("Settings/IntestazioneUtente", "Ditta Rossi");
    processo.setProcessEnvironment(ambiente);
    processo.start(QStringLiteral(CURVELLO_FIT), argomenti);
    if (ingresso) processo.write(file);
    processo.closeWriteChannel();
    QVERIFY(processo.waitForFinished(60000) && processo.exitStatus() == QProcess::NormalExit);

    QCOMPARE(processo.readAllStandardError(), errori);
    if (argomenti.contains("--json") && codice == 0)
        ConfrontaJson(processo.readAllStandardOutput(), file, argomenti[1]);
    else
        QCOMPARE(processo.readAllStandardOutput(), uscita);
    QCOMPARE(processo.exitCode(), codice);
    if (codice == 0 && argomenti.contains("--stampa")) {
        const int i = argomenti.indexOf("--intestazione");
        QList<QStringList> pagine = EsempioStampato + QList<QStringList>{{"Ditta Rossi"}};  // the graph under the header
        for (QStringList& pagina : pagine)
            i < 0 ? void() : argomenti[i + 1].isEmpty() ? void(pagina.removeFirst()) : void(pagina.first() = argomenti[i + 1]);
        QCOMPARE(PagineDelPdf(pdf), pagine);
    }
    const int opzione = argomenti.indexOf("--grafico"), dimensioni = argomenti.indexOf("--dimensioni");
    const QStringList scritti = QDir(dir.path()).entryList({"grafico.*"}, QDir::Files);
    QCOMPARE(scritti, codice == 0 && opzione >= 0 ? QStringList{QFileInfo(argomenti[opzione + 1]).fileName()} : QStringList());
    if (scritti.isEmpty())
        return;
    // The chart drawn here: the example fitted, titled with the degree as given or as read.
    StatoProgramma s;
    s.punti.RiempiEsempio();
    Curvello(s, CanaliCalcolo{}).CalcolaPolinomio(uscita.mid(2, 1).toStdString(), Separatori::Italiani());
    const QStringList lati = (dimensioni < 0 ? QStringLiteral("800x600") : argomenti[dimensioni + 1]).split('x');
    const qsizetype dato = argomenti.indexOf(percorso);
    const QString grado = dato + 1 < argomenti.size() && !argomenti[dato + 1].startsWith("--") ? argomenti[dato + 1] : QString::fromLatin1(uscita.mid(2, 1));
    StatoGrafico g;
    const GraficoDocumento atteso(g, s, grado, QSize(lati[0].toInt(), lati[1].toInt()));
    QFile letto(dir.filePath(scritti[0]));
    QVERIFY(letto.open(QIODevice::ReadOnly));
    const QByteArray byte = letto.readAll();
    // The title and the labels, no readout.
    const QStringList testi = {"Grado: " + grado, "2,8", "5,1", "7,4", "9,7", "12", "1", "3,5", "6", "8,5"};
    switch (*FormatoDaNome(letto.fileName())) {
    case FormatoGrafico::Png: {
        QImage disegnato(atteso.Dimensioni(), QImage::Format_RGB32);
        QPainter p(&disegnato);
        atteso.Dipingi(p);
        p.end();
        QCOMPARE(QImage::fromData(byte).convertToFormat(QImage::Format_RGB32), disegnato);
        break;
    }
    case FormatoGrafico::Svg:
        // The nine markers as circles, the curve as a polyline, the texts as texts.
        QCOMPARE(byte, atteso.File(FormatoGrafico::Svg));
        QCOMPARE(LeggiSvg(byte), QStringList({lati.join("pxx") + "px", "9", "curva"}) + testi);
        break;
    case FormatoGrafico::Pdf:
        QVERIFY(byte.contains("/MediaBox [0 0 600.000000 450.000000]"));  // points: 800x600 pixels
        QCOMPARE(PagineDelPdf(letto.fileName()), QList<QStringList>({{testi[0], "12", "9,7", "7,4", "5,1", "2,8", "1 3,5 6 8,5"}}));
        break;
    }
}

// Output names that are not UTF-8 are written byte for byte, as the input name is read.
void TestCli::nomiNonUtf8()
{
#ifdef Q_OS_LINUX
    QTemporaryDir dir;
    QProcess sh;  // through the shell: QProcess takes arguments as text
    sh.start("/bin/sh", {"-c", "cd \"$1\" && printf '2,1\\n0,0,\\n1,1,\\n' | LSAN_OPTIONS=$LSAN_OPTIONS:use_tls=0 \"$0\" - "
             "--grafico \"$(printf 'g\\377.svg')\" --stampa \"$(printf 's\\377.pdf')\" >/dev/null", CURVELLO_FIT, dir.path()});
    QVERIFY(sh.waitForFinished(60000) && sh.exitCode() == 0);
    const std::filesystem::path d = QFile::encodeName(dir.path()).toStdString();
    QVERIFY(std::filesystem::is_regular_file(d / "g\xff.svg") && std::filesystem::is_regular_file(d / "s\xff.pdf"));
    // Qt cannot name them to remove them with the folder.
    QVERIFY(std::filesystem::remove(d / "g\xff.svg") && std::filesystem::remove(d / "s\xff.pdf"));
#endif
}

QTEST_MAIN(TestCli)
#include "test_cli.moc"
