// The data file: exact bytes written, what the reader accepts, every failure
// with its message and what it leaves behind, paths, and a bounded fuzz run.
#include "Curvello.h"
#include "FileDati.h"

#include <QtTest>

#include <QFile>
#include <QPointF>
#include <QTemporaryDir>
#include <QUtf8StringView>

#include <cmath>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>

namespace {

const QString NonImpostato = QStringLiteral("<non impostato>");

StatoProgramma StatoCon(const QList<QPointF>& punti, int grado, const QList<double>& coeff)
{
    StatoProgramma stato;
    for (const QPointF& p : punti) stato.punti.Add(p.x(), p.y());
    stato.polinomio = std::make_unique<Polinomio>();
    stato.polinomio->ImpostaGrado(static_cast<int16_t>(grado));
    for (double c : coeff) stato.polinomio->Add(c);
    return stato;
}

QList<QPointF> PuntiDa(const MySource& s, int da = 0)
{
    QList<QPointF> r;
    for (int i = da; i < s.NumeroElementi(); ++i) r.append({s.X(i), s.Y(i)});
    return r;
}

Separatori SeparatoriPer(const QString& decimale)
{
    return decimale == "," ? Separatori::Italiani() : Separatori::Inglesi();
}

// Reads `bytes` as the file "prova.cv"; `grado` gets the degree text when
// one is set, also when the reader fails afterwards.
void Carica(const QByteArray& bytes, MySource& punti, const Separatori& sep, QString& grado)
{
    std::istringstream in(bytes.toStdString());
    CaricaFileDati(punti, in, "prova.cv", sep,
                   [&](const std::string& t) { grado = QString::fromStdString(t); });
}

QString Carica(const QByteArray& bytes, MySource& punti, const Separatori& sep)
{
    QString grado = NonImpostato;
    Carica(bytes, punti, sep, grado);
    return grado;
}

QByteArray Salva(const StatoProgramma& stato)
{
    std::ostringstream out;
    SalvaFileDati(stato, out, "prova.cv");
    return QByteArray::fromStdString(out.str());
}

// A regular file of three points and degree 1, and its points.
const QByteArray TrePunti = "3,1\r\n1,2,2\r\n2,3,3.5\r\n3,5.5,5\r\n0.5\r\n1.5\r\n";
const QList<QPointF> PuntiTre = {{1, 2}, {2, 3}, {3, 5.5}};

QByteArray FileDiPunti(int n)
{
    QByteArray b = QByteArray::number(n) + ",1\r\n";
    for (int i = 0; i < n; ++i) b += QByteArray::number(i) + "," + QByteArray::number(i * 2) + ",0\r\n";
    return b;
}

QList<QPointF> PuntiDiFile(int n)
{
    QList<QPointF> r;
    for (int i = 0; i < n; ++i) r.append({double(i), double(i * 2)});
    return r;
}

// Through UTF-16: a narrow string would be taken in the ANSI code page on Windows.
std::filesystem::path Percorso(const QString& s) { return std::filesystem::path(s.toStdU16String()); }

void Riempi(MySource& s, int quanti)
{
    for (int i = 0; i < quanti; ++i) s.Add(-1.0 - i, 0.25 * i);
}

}  // namespace

class TestFileDati : public QObject {
    Q_OBJECT
private slots:
    void salva_data();
    void salva();
    void salvaDopoIlCalcoloScriveLeTerne();
    void salvaDopoPuntiCambiatiScriveIPuntiCorrenti();
    void salvaSenzaPolinomioNonToccaIlFile();
    void salvaInCartellaInesistente();
    void carica_data();
    void carica();
    void caricaAccodaAiPuntiPresenti();
    void caricaErrori_data();
    void caricaErrori();
    void caricaFileMancante();
    void caricaCartella();
    void percorsoNonAscii();
    void salvatoSiRileggeUgualeConEntrambiISeparatori_data();
    void salvatoSiRileggeUgualeConEntrambiISeparatori();
    void fuzzLettore();
};

void TestFileDati::salva_data()
{
    QTest::addColumn<QList<QPointF>>("punti");
    QTest::addColumn<int>("grado");
    QTest::addColumn<QList<double>>("coeff");
    QTest::addColumn<QByteArray>("atteso");

    QTest::newRow("tre punti, grado 1: sei righe") << PuntiTre << 1 << QList<double>{0.5, 1.5} << TrePunti;
    QTest::newRow("segni, meno zero, esponenti")
        << QList<QPointF>{{-2.5, -0.0}, {1e20, 1.5e-7}} << 1 << QList<double>{0, -1}
        << QByteArray("2,1\r\n-2.5,0,2.5\r\n1E+20,1.5E-07,-1E+20\r\n0\r\n-1\r\n");
    QTest::newRow("nessun punto") << QList<QPointF>{} << 2 << QList<double>{1, 2, 3}
                                  << QByteArray("0,2\r\n1\r\n2\r\n3\r\n");
    QTest::newRow("quindici cifre significative")
        << QList<QPointF>{{0.1 + 0.2, 1.0 / 3.0}} << 1 << QList<double>{2.0 / 3.0, 0}
        << QByteArray("1,1\r\n0.3,0.333333333333333,0.666666666666667\r\n0.666666666666667\r\n0\r\n");
    // After a refused fit the polynomial has a degree and no coefficients.
    QTest::newRow("polinomio senza coefficienti") << QList<QPointF>{{1, 2}} << 0 << QList<double>{}
                                                  << QByteArray("1,0\r\n1,2,0\r\n0\r\n");
    QTest::newRow("P oltre l'intervallo: campo vuoto")
        << QList<QPointF>{{1e40, 1}} << 10 << QList<double>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}
        << QByteArray("1,10\r\n1E+40,1,\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n");
}

void TestFileDati::salva()
{
    QFETCH(QList<QPointF>, punti);
    QFETCH(int, grado);
    QFETCH(QList<double>, coeff);
    QFETCH(QByteArray, atteso);
    const StatoProgramma stato = StatoCon(punti, grado, coeff);

    QCOMPARE(Salva(stato), atteso);

    // The same bytes reach a file on disk, CR LF untouched.
    QTemporaryDir dir;
    const QString percorso = dir.filePath("dati.cv");
    SalvaFileDati(stato, Percorso(percorso));
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), atteso);
}

void TestFileDati::salvaDopoIlCalcoloScriveLeTerne()
{
    StatoProgramma stato;
    stato.punti.RiempiEsempio();
    QCOMPARE(Curvello(stato, {}).CalcolaPolinomio("1", Separatori::Italiani()).esito,
             EsitoCalcolo::Riuscito);
    const QList<QByteArray> righe = Salva(stato).split('\n');
    QCOMPARE(righe.size(), 1 + 9 + 2 + 1);  // counts, points, coefficients, nothing after the last CR LF
    QCOMPARE(righe[0], QByteArray("9,1\r"));
    for (int i = 0; i < 9; ++i) {
        const XYPoli& t = *stato.terne;
        const std::string riga = FormaScrittura(t.X(i)) + "," + FormaScrittura(t.Y(i)) + "," +
                                 FormaScrittura(t.P(i)) + "\r";
        QCOMPARE(righe[i + 1], QByteArray::fromStdString(riga));
    }
    QCOMPARE(righe[7], QByteArray("7,12,7.64444444444444\r"));
    QCOMPARE(righe[10], QByteArray("3.44444444444444\r"));
    QCOMPARE(righe[11], QByteArray("0.6\r"));
}

void TestFileDati::salvaDopoPuntiCambiatiScriveIPuntiCorrenti()
{
    StatoProgramma stato;
    stato.punti.RiempiEsempio();
    QCOMPARE(Curvello(stato, {}).CalcolaPolinomio("1", Separatori::Italiani()).esito,
             EsitoCalcolo::Riuscito);
    stato.punti.Add(10, 20);  // as an Open without New would append
    const QList<QByteArray> righe = Salva(stato).split('\n');
    QCOMPARE(righe[0], QByteArray("10,1\r"));
    QCOMPARE(righe.size(), 1 + 10 + 2 + 1);
    QCOMPARE(righe[10], QByteArray("10,20,9.44444444444444\r"));

    // Fewer points than triples: no stale triple is written.
    stato.punti.Vuota();
    stato.punti.Add(4, 1);
    QCOMPARE(Salva(stato), QByteArray("1,1\r\n4,1,5.84444444444444\r\n3.44444444444444\r\n0.6\r\n"));
}

void TestFileDati::salvaSenzaPolinomioNonToccaIlFile()
{
    QTemporaryDir dir;
    const QString percorso = dir.filePath("vecchio.cv");
    {
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("contenuto precedente");
    }
    StatoProgramma stato;
    stato.punti.RiempiEsempio();
    try {
        SalvaFileDati(stato, Percorso(percorso));
        QFAIL("nessun errore");
    } catch (const ErroreFileDati& e) {
        QCOMPARE(QString::fromUtf8(e.what()),
                 "Impossibile salvare \"" + percorso +
                     "\": non è ancora stato calcolato nessun polinomio.");
    }
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("contenuto precedente"));
}

void TestFileDati::salvaInCartellaInesistente()
{
    QTemporaryDir dir;
    const QString percorso = dir.filePath("manca/dati.cv");
    const StatoProgramma stato = StatoCon(PuntiTre, 1, {0.5, 1.5});
    try {
        SalvaFileDati(stato, Percorso(percorso));
        QFAIL("nessun errore");
    } catch (const ErroreFileDati& e) {
        QCOMPARE(QString::fromUtf8(e.what()), "Impossibile creare il file \"" + percorso + "\".");
    }
}

void TestFileDati::carica_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("decimale");
    QTest::addColumn<QList<QPointF>>("attesi");
    QTest::addColumn<QString>("grado");

    const QList<QPointF> nessuno;
    QTest::newRow("regolare") << TrePunti << "," << PuntiTre << "1";
    QTest::newRow("solo LF") << QByteArray(TrePunti).replace("\r\n", "\n") << "," << PuntiTre << "1";
    QTest::newRow("solo CR") << QByteArray(TrePunti).replace("\r\n", "\r") << "," << PuntiTre << "1";
    QTest::newRow("campi su righe diverse")
        << QByteArray("3\r\n1\r\n1,2\r\n2,2,3\r\n3.5\r\n3,5.5,5\r\n") << "," << PuntiTre << "1";
    QTest::newRow("tutto su una riga") << QByteArray("3,1,1,2,2,2,3,3.5,3,5.5,5") << "," << PuntiTre << "1";
    QTest::newRow("spazi e tabulazioni")
        << QByteArray("  3 ,\t1\t\r\n 1 , 2 ,2\r\n\t2,3,  3.5  \r\n3,5.5,5") << "," << PuntiTre << "1";
    QTest::newRow("righe vuote") << QByteArray("\r\n3,1\r\n\r\n  \r\n1,2,2\n\n2,3,3.5\r\r3,5.5,5\r\n")
                                 << "," << PuntiTre << "1";
    QTest::newRow("0 e 2") << QByteArray("0,2\r\n") << "," << nessuno << "2";
    QTest::newRow("0 e 2 senza fine riga") << QByteArray("0,2") << "." << nessuno << "2";
    QTest::newRow("coefficienti e altro testo ignorati")
        << QByteArray("1,1\r\n1,2,3\r\n0.5\r\nqualsiasi, \"testo\r\n") + QByteArray(1, '\0') + "\xff" << "," << QList<QPointF>{{1, 2}}
        << "1";
    QTest::newRow("grado 2.5, italiano") << QByteArray("0,2.5") << "," << nessuno << "2,5";
    QTest::newRow("grado 2.5, inglese") << QByteArray("0,2.5") << "." << nessuno << "2.5";
    QTest::newRow("grado 1E+1") << QByteArray("0,1E+1") << "," << nessuno << "10";
    QTest::newRow("grado 3.0") << QByteArray("0, 3.0 ") << "," << nessuno << "3";
    QTest::newRow("grado di testo") << QByteArray("0, tre gradi \r\n") << "," << nessuno << "tre gradi";
    QTest::newRow("grado tra virgolette") << QByteArray("0,\"1.0\"") << "," << nessuno << "1";
    QTest::newRow("testo tra virgolette") << QByteArray("0, \" tre \"") << "," << nessuno << " tre ";
    QTest::newRow("virgole tra virgolette") << QByteArray("0, \"a, b\" \r\n") << "," << nessuno << "a, b";
    QTest::newRow("grado vuoto") << QByteArray("0,\r\n") << "," << nessuno << "";
    QTest::newRow("grado in Latin-1") << QByteArray("0,caff\xe8") << "," << nessuno << "caffè";
    QTest::newRow("grado in UTF-8") << QByteArray("0,caff\xc3\xa8") << "," << nessuno << "caffè";
    QTest::newRow("n 2.5 arrotondato al pari") << QByteArray("2.5,1\r\n1,2,3\r\n4,5,6\r\n7,8,9\r\n") << ","
                                               << QList<QPointF>{{1, 2}, {4, 5}} << "1";
    QTest::newRow("n 1.5 arrotondato al pari") << QByteArray("1.5,1\r\n1,2,3\r\n4,5,6\r\n7,8,9\r\n") << ","
                                               << QList<QPointF>{{1, 2}, {4, 5}} << "1";
    QTest::newRow("n negativo") << QByteArray("-3,2\r\n1,2,3\r\n") << "," << nessuno << "2";
    QTest::newRow("marca UTF-8 iniziale") << QByteArray("\xef\xbb\xbf") + TrePunti << "," << PuntiTre << "1";
    QTest::newRow("numeri tra virgolette") << QByteArray("\"1\",1\r\n\"1.5\", \"2\" ,\"3\"") << ","
                                           << QList<QPointF>{{1.5, 2}} << "1";
    QTest::newRow("P vuoto") << QByteArray("1,10\r\n1E+40,1,\r\n") << "," << QList<QPointF>{{1e40, 1}} << "10";
    QTest::newRow("forme dei numeri") << QByteArray("3,1\r\n.5,-.25,0\r\n1.5E-07,+2,1e3\r\n1.,-0,5\r\n") << ","
                                      << QList<QPointF>{{0.5, -0.25}, {1.5e-7, 2}, {1, 0}} << "1";
    QTest::newRow("301 punti") << FileDiPunti(301) << "," << PuntiDiFile(301) << "1";
}

void TestFileDati::carica()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, decimale);
    QFETCH(QList<QPointF>, attesi);
    QFETCH(QString, grado);
    MySource punti;
    QCOMPARE(Carica(bytes, punti, SeparatoriPer(decimale)), grado);
    QCOMPARE(PuntiDa(punti), attesi);
}

void TestFileDati::caricaAccodaAiPuntiPresenti()
{
    MySource punti;
    Riempi(punti, 2);
    const QList<QPointF> prima = PuntiDa(punti);
    QCOMPARE(Carica(TrePunti, punti, Separatori::Italiani()), QString("1"));
    QCOMPARE(PuntiDa(punti), prima + PuntiTre);
}

void TestFileDati::caricaErrori_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("prima");  // points in the set before opening
    QTest::addColumn<QList<QPointF>>("aggiunti");
    QTest::addColumn<QString>("grado");
    QTest::addColumn<QString>("messaggio");

    const QList<QPointF> nessuno;
    const QString incompleto = "Il file \"prova.cv\" è incompleto: ";
    const QString nonValido = "Il file \"prova.cv\" non è valido: alla riga ";

    QTest::newRow("file vuoto") << QByteArray() << 0 << nessuno << NonImpostato
                                << incompleto + "mancano il numero di punti e il grado.";
    QTest::newRow("solo righe vuote") << QByteArray("\r\n  \r\n\n") << 2 << nessuno << NonImpostato
                                      << incompleto + "mancano il numero di punti e il grado.";
    QTest::newRow("manca il grado") << QByteArray("3\r\n") << 0 << nessuno << NonImpostato
                                    << incompleto + "manca il grado dopo il numero di punti.";
    QTest::newRow("file corto") << QByteArray("3,1\r\n1,2,2\r\n2,3,3.5\r\n") << 1 << PuntiTre.mid(0, 2) << "1"
                                << incompleto + "finisce dopo 2 dei 3 punti annunciati.";
    QTest::newRow("file corto a metà punto") << QByteArray("3,1\r\n1,2,2\r\n2,3") << 0 << PuntiTre.mid(0, 1)
                                             << "1" << incompleto + "finisce dopo 1 dei 3 punti annunciati.";
    QTest::newRow("campo non numerico") << QByteArray("3,1\r\n1,2,2\r\n2,x,3.5\r\n3,5.5,5\r\n") << 0
                                        << PuntiTre.mid(0, 1) << "1"
                                        << nonValido + "3 la Y del punto 2 (\"x\") non è un numero.";
    QTest::newRow("numero di punti non numerico") << QByteArray("tre,1\r\n") << 1 << nessuno << NonImpostato
                                                  << nonValido + "1 il numero di punti (\"tre\") non è un numero.";
    QTest::newRow("campo vuoto") << QByteArray("2,1\r\n1,,2\r\n") << 0 << nessuno << "1"
                                 << nonValido + "2 la Y del punto 1 è un campo vuoto, non un numero.";
    QTest::newRow("riga che finisce con la virgola") << QByteArray("1,1\r\n1,\r\n2,3\r\n") << 0 << nessuno << "1"
                                                     << nonValido + "2 la Y del punto 1 è un campo vuoto, non un numero.";
    QTest::newRow("P non numerica") << QByteArray("1,1\r\n1,2,abc\r\n") << 0 << nessuno << "1"
                                    << nonValido + "2 la P del punto 1 (\"abc\") non è un numero.";
    QTest::newRow("X oltre l'intervallo") << QByteArray("1,1\r\n1e999,2,3\r\n") << 0 << nessuno << "1"
                                          << nonValido + "2 la X del punto 1 (\"1e999\") non è un numero.";
    QTest::newRow("n oltre l'intervallo") << QByteArray("1e12,2\r\n") << 0 << nessuno << NonImpostato
                                          << nonValido + "1 il numero di punti (\"1e12\") è fuori intervallo.";
    QTest::newRow("400 punti") << FileDiPunti(400) << 0 << nessuno << "1"
                               << "Il file \"prova.cv\" contiene 400 punti, ma se ne possono aggiungere solo 301 "
                                  "(al massimo 301 in tutto): nessun punto del file è stato caricato.";
    QTest::newRow("oltre lo spazio rimasto") << FileDiPunti(2) << 300 << nessuno << "1"
                                             << "Il file \"prova.cv\" contiene 2 punti, ma se ne possono aggiungere "
                                                "solo 1 (al massimo 301 in tutto): nessun punto del file è stato "
                                                "caricato.";
    QTest::newRow("virgolette non chiuse") << QByteArray("1,\"2\r\n1,2,3\r\n") << 0 << nessuno << NonImpostato
                                           << nonValido + "1 le virgolette aperte non sono chiuse.";
    QTest::newRow("testo dopo le virgolette") << QByteArray("1,\"2\"x\r\n1,2,3\r\n") << 0 << nessuno << NonImpostato
                                              << nonValido + "1 c'è del testo dopo le virgolette di chiusura.";
    QTest::newRow("campo troppo lungo") << "1," + QByteArray(2000, 'x') << 0 << nessuno << NonImpostato
                                        << nonValido + "1 un campo supera i 1024 caratteri.";
    QTest::newRow("campo lungo accorciato nel messaggio")
        << "1,1\r\n" + QByteArray(60, 'a') + ",2,3" << 0 << nessuno << "1"
        << nonValido + "2 la X del punto 1 (\"" + QString(40, 'a') + "...\") non è un numero.";
    QTest::newRow("UTF-8 accorciato tra un carattere e l'altro")
        << "1,1\r\n" + QByteArray(39, 'a') + "\xc3\xa8\xc3\xa8,2,3" << 0 << nessuno << "1"
        << nonValido + "2 la X del punto 1 (\"" + QString(39, 'a') + "...\") non è un numero.";
    QTest::newRow("caratteri di controllo nel messaggio") << QByteArray("1,1\r\n1\x01\x7f,2,3") << 0 << nessuno
                                                          << "1" << nonValido + "2 la X del punto 1 (\"1??\") non è un numero.";
}

void TestFileDati::caricaErrori()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, prima);
    QFETCH(QList<QPointF>, aggiunti);
    QFETCH(QString, grado);
    QFETCH(QString, messaggio);

    MySource punti;
    Riempi(punti, prima);
    const QList<QPointF> presenti = PuntiDa(punti);
    QString letto = NonImpostato;
    QString errore;
    try {
        Carica(bytes, punti, Separatori::Italiani(), letto);
    } catch (const ErroreFileDati& e) {
        errore = QString::fromUtf8(e.what());
    }
    QCOMPARE(errore, messaggio);
    QCOMPARE(letto, grado);
    QCOMPARE(PuntiDa(punti).mid(0, prima), presenti);
    QCOMPARE(PuntiDa(punti, prima), aggiunti);
}

void TestFileDati::caricaFileMancante()
{
    QTemporaryDir dir;
    const QString percorso = dir.filePath("manca.cv");
    MySource punti;
    Riempi(punti, 3);
    bool gradoImpostato = false;
    try {
        CaricaFileDati(punti, Percorso(percorso), Separatori::Italiani(),
                       [&](const std::string&) { gradoImpostato = true; });
        QFAIL("nessun errore");
    } catch (const ErroreFileDati& e) {
        QCOMPARE(QString::fromUtf8(e.what()), "Impossibile aprire il file \"" + percorso + "\".");
    }
    QVERIFY(!gradoImpostato);
    QCOMPARE(punti.NumeroElementi(), 3);
}

void TestFileDati::caricaCartella()
{
    QTemporaryDir dir;
    MySource punti;
    try {
        CaricaFileDati(punti, Percorso(dir.path()), Separatori::Italiani(), {});
        QFAIL("nessun errore");
    } catch (const ErroreFileDati& e) {
        QCOMPARE(QString::fromUtf8(e.what()), "Impossibile aprire il file \"" + dir.path() + "\": è una cartella.");
    }
    QCOMPARE(punti.NumeroElementi(), 0);
}

void TestFileDati::percorsoNonAscii()
{
    QTemporaryDir dir;
    const std::filesystem::path percorso =
        Percorso(dir.path()) / std::filesystem::path(u8"città è ü 数.cv");
    SalvaFileDati(StatoCon(PuntiTre, 1, {0.5, 1.5}), percorso);
    QVERIFY(QFile::exists(dir.filePath(QString::fromUtf8("città è ü 数.cv"))));

    MySource punti;
    QString grado;
    CaricaFileDati(punti, percorso, Separatori::Italiani(),
                   [&](const std::string& t) { grado = QString::fromStdString(t); });
    QCOMPARE(PuntiDa(punti), PuntiTre);
    QCOMPARE(grado, QString("1"));
    QVERIFY(TestoPercorso(percorso).ends_with("città è ü 数.cv"));
}

void TestFileDati::salvatoSiRileggeUgualeConEntrambiISeparatori_data()
{
    QTest::addColumn<QList<QPointF>>("punti");
    QTest::addColumn<QList<double>>("coeff");
    QTest::newRow("esempio") << QList<QPointF>{{1, 5}, {2, 3}, {3, 4}, {4, 5}, {5, 7}, {6, 9}, {7, 12}, {8, 7}, {9, 6}}
                             << QList<double>{0.904761904761905, 1.98528138528139, -0.138528138528139};
    QTest::newRow("decimali ed esponenti")
        << QList<QPointF>{{0.1, -2.5}, {1234.5, 1e-7}, {-3.25e12, 0.333333333333333}, {1e40, 7}}
        << QList<double>{0.5, -1.25, 1e-300};
}

void TestFileDati::salvatoSiRileggeUgualeConEntrambiISeparatori()
{
    QFETCH(QList<QPointF>, punti);
    QFETCH(QList<double>, coeff);
    const QByteArray file = Salva(StatoCon(punti, int(coeff.size()) - 1, coeff));
    QVERIFY(!file.contains(' '));

    MySource italiani, inglesi;
    QCOMPARE(Carica(file, italiani, Separatori::Italiani()), QString::number(coeff.size() - 1));
    QCOMPARE(Carica(file, inglesi, Separatori::Inglesi()), QString::number(coeff.size() - 1));
    QCOMPARE(PuntiDa(italiani), punti);  // every value has at most 15 digits
    QCOMPARE(PuntiDa(inglesi), punti);
}

// Random and mutated files: each must end in points and a degree, or in an
// ErroreFileDati, never in another exception, a crash or a hang.
void TestFileDati::fuzzLettore()
{
    std::mt19937 rng(20261206u);
    auto caso = [&](int da, int a) { return std::uniform_int_distribution<int>(da, a)(rng); };
    const std::string alfabeto = ",,,\r\n\n\r \t\"0123456789..--+eEx";
    auto numero = [&]() -> std::string {
        switch (caso(0, 4)) {
        case 0: return std::to_string(caso(-1000, 1000));
        case 1: return FormaScrittura(std::ldexp(caso(-9999, 9999), caso(-1074, 1000)));
        case 2: return "1E+" + std::to_string(caso(0, 400));
        case 3: return "\"" + std::to_string(caso(0, 9)) + "\"";
        default: return "." + std::to_string(caso(0, 99999));
        }
    };

    constexpr int Prove = 20000;
    int riusciti = 0;
    for (int prova = 0; prova < Prove; ++prova) {
        std::string file;
        if (caso(0, 9) == 0) {
            const int lunghezza = caso(0, 300);
            for (int i = 0; i < lunghezza; ++i) file += static_cast<char>(caso(0, 255));
        } else {
            const int n = caso(0, 9) == 0 ? caso(-5, 400) : caso(0, 12);
            file = std::to_string(n) + "," + (caso(0, 3) == 0 ? std::string("\"grado\"") : numero()) + "\r\n";
            for (int i = 0; i < std::max(n, 0); ++i) file += numero() + "," + numero() + "," + numero() + "\r\n";
            const int mutazioni = caso(0, 6);
            for (int m = 0; m < mutazioni && !file.empty(); ++m) {
                const size_t pos = static_cast<size_t>(caso(0, int(file.size()) - 1));
                switch (caso(0, 4)) {
                case 0: file[pos] = alfabeto[static_cast<size_t>(caso(0, int(alfabeto.size()) - 1))]; break;
                case 1: file.insert(pos, 1, static_cast<char>(caso(0, 255))); break;
                case 2: file.erase(pos, static_cast<size_t>(caso(1, 8))); break;
                case 3: file.insert(pos, file.substr(pos, static_cast<size_t>(caso(1, 40)))); break;
                default: file.resize(pos); break;
                }
            }
        }

        MySource punti;
        const int prima = caso(0, 9) == 0 ? caso(0, 301) : caso(0, 3);
        Riempi(punti, prima);
        std::optional<std::string> grado;
        std::istringstream in(file);
        const QByteArray dati = QByteArray::fromStdString(file).toHex();
        try {
            CaricaFileDati(punti, in, "fuzz.cv", Separatori::Italiani(),
                           [&](const std::string& t) { grado = t; });
            QVERIFY2(grado.has_value(), dati.constData());
            ++riusciti;
        } catch (const ErroreFileDati& e) {
            const std::string testo = e.what();
            QVERIFY2(testo.starts_with("Il file \"fuzz.cv\" "), dati.constData());
            QVERIFY2(QUtf8StringView(testo).isValidUtf8(), dati.constData());
        } catch (const std::exception& e) {
            QFAIL(qPrintable(QString("eccezione inattesa: %1 per %2").arg(e.what(), dati)));
        }
        QVERIFY2(punti.NumeroElementi() >= prima && punti.NumeroElementi() <= MySource::Capacita, dati.constData());
        for (int i = 0; i < prima; ++i) QCOMPARE(punti.X(i), -1.0 - i);
        for (int i = prima; i < punti.NumeroElementi(); ++i)
            QVERIFY2(std::isfinite(punti.X(i)) && std::isfinite(punti.Y(i)), dati.constData());
        if (grado) QVERIFY2(QUtf8StringView(*grado).isValidUtf8(), dati.constData());
    }
    // The run must exercise both ends, not only the errors.
    QVERIFY(riusciti > Prove / 10);
}

QTEST_GUILESS_MAIN(TestFileDati)
#include "test_filedati.moc"
