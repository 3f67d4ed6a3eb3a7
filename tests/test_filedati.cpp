// The data file: bytes written and read back, each failure and what it keeps.
#include "Curvello.h"
#include "FileDati.h"
#include "ScritturaSicura.h"
#include "TabellaTesto.h"

#include <QtTest>

#include <cfloat>
#include <cmath>
#include <random>
#include <sstream>

namespace {

const QString NonImpostato = QStringLiteral("<non impostato>");
using Punti = QList<QPointF>;
using Coeff = QList<double>;

StatoProgramma StatoCon(const Punti& punti, int grado, const Coeff& coeff)
{
    StatoProgramma stato;
    for (const QPointF& p : punti) stato.punti.Add(p.x(), p.y());
    stato.polinomio = std::make_unique<Polinomio>();
    stato.polinomio->ImpostaGrado(static_cast<int16_t>(grado));
    for (double c : coeff) stato.polinomio->Add(c);
    return stato;
}

Punti PuntiDa(const MySource& s)
{
    Punti r;
    for (int i = 0; i < s.NumeroElementi(); ++i) r.append({s.X(i), s.Y(i)});
    return r;
}

// Where the reader puts the degree text, also when it fails afterwards.
ImpostaTestoGrado In(QString& grado)
{
    return [&grado](const std::string& t) { grado = QString::fromStdString(t); };
}

// The text of the ErroreFileDati or ErroreScrittura that `f` throws; empty when it throws none.
template <typename F>
QString Errore(F f)
{
    try {
        f();
    } catch (const std::runtime_error& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

// A regular file of three points and degree 1, and its points.
const QByteArray TrePunti = "3,1\r\n1,2,2\r\n2,3,3.5\r\n3,5.5,5\r\n0.5\r\n1.5\r\n";
const Punti PuntiTre = {{1, 2}, {2, 3}, {3, 5.5}};

// Through UTF-16: a narrow string would be taken in the ANSI code page on Windows.
std::filesystem::path Percorso(const QString& s) { return std::filesystem::path(s.toStdU16String()); }

void Riempi(MySource& s, int quanti)
{
    for (int i = 0; i < quanti; ++i) s.Add(-1.0 - i, 0.25 * i);
}

// One row of the reader's table: `prima` points are in the set before opening.
void Riga(const char* nome, const QByteArray& bytes, const Punti& aggiunti, const QString& grado,
          const QString& errore = {}, int prima = 0, bool inglese = false)
{
    QTest::newRow(nome) << bytes << prima << aggiunti << grado << errore << inglese << false;
}

// A text table's row, read as "prova.csv": it holds no degree.
void Tabella(const char* nome, const QByteArray& bytes, const Punti& aggiunti, const QString& errore = {},
             int prima = 0, bool inglese = false)
{
    QTest::newRow(nome) << bytes << prima << aggiunti << NonImpostato << errore << inglese << true;
}

}  // namespace

class TestFileDati : public QObject {
    Q_OBJECT
private slots:
    void salva_data()
    {
        QTest::addColumn<Punti>("punti");
        QTest::addColumn<int>("grado");  // < 0: the example fitted at degree 1, then `punti` put in its place
        QTest::addColumn<Coeff>("coeff");
        QTest::addColumn<QByteArray>("atteso");
        QTest::newRow("tre punti, grado 1: sei righe") << PuntiTre << 1 << Coeff{0.5, 1.5} << TrePunti;
        QTest::newRow("segni, meno zero, esponenti, P oltre l'intervallo: campo vuoto") << Punti{{-2.5, -0.0}, {1e40, 1.5e-7}} << 1
            << Coeff{0, -1e300} << QByteArray("2,1\r\n-2.5,0,2.5E+300\r\n1E+40,1.5E-07,\r\n0\r\n-1E+300\r\n");
        // Fifteen digits put the largest double just beyond it: it still reads back.
        QTest::newRow("il double più grande") << Punti{{-DBL_MAX, DBL_MAX}} << 0 << Coeff{DBL_MAX}
            << QByteArray("1,0\r\n-1.79769313486232E+308,1.79769313486232E+308,1.79769313486232E+308\r\n1.79769313486232E+308\r\n");
        QTest::newRow("nessun punto") << Punti{} << 2 << Coeff{1, 2, 3} << QByteArray("0,2\r\n1\r\n2\r\n3\r\n");
        // After a refused fit the polynomial has a degree and no coefficients.
        QTest::newRow("polinomio senza coefficienti") << Punti{{1, 2}} << 0 << Coeff{} << QByteArray("1,0\r\n1,2,0\r\n0\r\n");
        // Points changed after a fit: their P from the polynomial, not stale triples.
        QTest::newRow("punti cambiati dopo il calcolo") << Punti{{4, 1}, {10, 20}} << -1 << Coeff{}
            << QByteArray("2,1\r\n4,1,5.84444444444444\r\n10,20,9.44444444444444\r\n3.44444444444444\r\n0.6\r\n");
    }

    void salva()
    {
        QFETCH(Punti, punti);
        QFETCH(int, grado);
        QFETCH(Coeff, coeff);
        QFETCH(QByteArray, atteso);
        StatoProgramma stato = StatoCon(punti, grado, coeff);
        if (grado < 0) {
            stato.punti.Vuota();
            stato.punti.RiempiEsempio();
            QCOMPARE(Curvello(stato, {}).CalcolaPolinomio("1", Separatori::Italiani()).esito, EsitoCalcolo::Riuscito);
            stato.punti.Vuota();
            for (const QPointF& p : punti) stato.punti.Add(p.x(), p.y());
            grado = 1;
        }
        QCOMPARE(QByteArray::fromStdString(TestoFileDati(stato, "prova.cv")), atteso);

        // The same bytes reach a file with a non-ASCII name, CR LF untouched, and read back.
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QString::fromUtf8("città è ü 数.cv"));
        SalvaFileDatiSicuro(stato, percorso);
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), atteso);
        MySource letti;
        QString letto;
        CaricaFileDati(letti, Percorso(percorso), Separatori::Italiani(), In(letto));
        QCOMPARE(letto, QString::number(grado));
        QCOMPARE(PuntiDa(letti), punti);
    }

    void percorsi()
    {
        QTemporaryDir dir;
        const QString vecchio = dir.filePath("vecchio.cv"), manca = dir.filePath(QString::fromUtf8("città/dati.cv"));
        const StatoProgramma tre = StatoCon(PuntiTre, 1, {0.5, 1.5});
        SalvaFileDatiSicuro(tre, vecchio);
        // No polynomial yet: refused before the file is opened.
        QCOMPARE(Errore([&] { SalvaFileDatiSicuro(StatoProgramma(), vecchio); }),
                 "Impossibile salvare \"" + QDir::toNativeSeparators(vecchio) + "\": non è ancora stato calcolato nessun polinomio.");
        QFile f(vecchio);
        QVERIFY(f.open(QIODevice::ReadOnly) && f.readAll() == TrePunti);
        // Missing file and folder: the degree is not set, the points stay.
        MySource punti;
        Riempi(punti, 3);
        QString letto = NonImpostato;
        QCOMPARE(Errore([&] { CaricaFileDati(punti, Percorso(manca), Separatori::Italiani(), In(letto)); }),
                 "Impossibile aprire il file \"" + manca + "\".");
        QCOMPARE(Errore([&] { CaricaFileDati(punti, Percorso(dir.path()), Separatori::Italiani(), In(letto)); }),
                 "Impossibile aprire il file \"" + dir.path() + "\": è una cartella.");
        QVERIFY(letto == NonImpostato && punti.NumeroElementi() == 3);
    }

    void carica_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("prima");
        QTest::addColumn<Punti>("aggiunti");
        QTest::addColumn<QString>("grado");
        QTest::addColumn<QString>("errore");
        QTest::addColumn<bool>("inglese");
        QTest::addColumn<bool>("tabella");

        // Read whole; the same points however the fields are laid out.
        Riga("regolare, accodato a due punti", TrePunti, PuntiTre, "1", {}, 2);
        Riga("tutto su una riga, P finale vuota", "3,1,1,2,2,2,3,3.5,3,5.5,", PuntiTre, "1");
        Riga("righe vuote, LF e CR, spazi", "\r\n  3 ,\t1\t\r\n\r\n  \r\n 1 , 2 ,2\n\n\t2,3,  3.5  \r3,5.5,5\r\r", PuntiTre, "1");
        Riga("marca UTF-8 iniziale", "\xef\xbb\xbf" + TrePunti, PuntiTre, "1");
        Riga("coefficienti e resto ignorati", "1,1\r\n1,2,3\r\n0.5\r\nqualsiasi, \"testo\r\n" + QByteArray(1, '\0') + "\xff", {{1, 2}}, "1");
        Riga("grado 2.5, italiano", "0,2.5", {}, "2,5");
        Riga("grado 2.5, inglese", "0,2.5", {}, "2.5", {}, 0, true);
        Riga("grado a 17 cifre: il testo che dà il suo valore", "0,2.0000000000000004", {}, "2,0000000000000004");
        Riga("grado di testo", "0, tre gradi \r\n", {}, "tre gradi");
        Riga("testo e virgole tra virgolette", "0, \" a, b \" \r\n", {}, " a, b ");
        Riga("grado in Latin-1", "0,caff\xe8", {}, "caffè");
        Riga("n 2.5 al pari", "2.5,1\r\n1,2,3\r\n4,5,6\r\n7,8,9\r\n", {{1, 2}, {4, 5}}, "1");
        Riga("n negativo", "-3,2\r\n1,2,3\r\n", {}, "2");
        Riga("forme dei numeri", "\"3\",\"1.0\"\r\n.5,-.25,0\r\n\"1.5E-07\", \"+2\" ,1e3\r\n1.,-0,\"5\"",
             {{0.5, -0.25}, {1.5e-7, 2}, {1, 0}}, "1");
        Riga("riempie fino a 301 punti", "2,1\r\n0,0,0\r\n1,2,0\r\n", {{0, 0}, {1, 2}}, "1", {}, 299);

        // Failures: the message, the degree text if already read, points appended before.
        const QString inc = "Il file \"prova.cv\" è incompleto: ", nv = "Il file \"prova.cv\" non è valido: alla riga ";
        const QString troppi = "Il file \"prova.cv\" contiene %1 punti, ma se ne possono aggiungere solo %2 (al massimo "
                               "301 in tutto): nessun punto del file è stato caricato.";
        Riga("solo righe vuote", "\r\n  \r\n\n", {}, NonImpostato, inc + "mancano il numero di punti e il grado.", 2);
        Riga("manca il grado", "3\r\n", {}, NonImpostato, inc + "manca il grado dopo il numero di punti.");
        // Ends inside the third point: the two before are kept, the third not.
        Riga("file corto", "3,1\r\n1,2,2\r\n2,3,3.5\r\n3", PuntiTre.mid(0, 2), "1",
             inc + "finisce dopo 2 dei 3 punti annunciati.", 1);
        Riga("campo non numerico", "3,1\r\n1,2,2\r\n2,x,3.5\r\n3,5.5,5\r\n", PuntiTre.mid(0, 1), "1",
             nv + "3 la Y del punto 2 (\"x\") non è un numero.");
        Riga("numero di punti non numerico", "tre,1\r\n", {}, NonImpostato, nv + "1 il numero di punti (\"tre\") non è un numero.", 1);
        Riga("riga finita dalla virgola", "1,1\r\n1,\r\n2,3\r\n", {}, "1", nv + "2 la Y del punto 1 è un campo vuoto, non un numero.");
        Riga("P non numerica", "1,1\r\n1,2,abc\r\n", {}, "1", nv + "2 la P del punto 1 (\"abc\") non è un numero.");
        Riga("n oltre l'intervallo", "1e12,2\r\n", {}, NonImpostato, nv + "1 il numero di punti (\"1e12\") è fuori intervallo.");
        Riga("oltre lo spazio rimasto", "2,1\r\n0,0,0\r\n1,2,0\r\n", {}, "1", troppi.arg(2).arg(1), 300);
        Riga("virgolette non chiuse", "1,\"2\r\n1,2,3\r\n", {}, NonImpostato, nv + "1 le virgolette aperte non sono chiuse.");
        Riga("testo dopo le virgolette", "1,\"2\"x\r\n1,2,3\r\n", {}, NonImpostato, nv + "1 c'è del testo dopo le virgolette di chiusura.");
        Riga("campo troppo lungo", "1," + QByteArray(2000, 'x'), {}, NonImpostato, nv + "1 un campo supera i 1024 caratteri.");
        Riga("blank finali oltre i 1024 caratteri", "0," + QByteArray(1024, 'x') + " \t \r\n", {}, QString(1024, 'x'));
        Riga("campo lungo accorciato tra due caratteri UTF-8", "1,1\r\n" + QByteArray(39, 'a') + "\xc3\xa8\xc3\xa8,2,3",
             {}, "1", nv + "2 la X del punto 1 (\"" + QString(39, 'a') + "...\") non è un numero.");
        // Text tables: a header, the period or the user's form, per line the first separator found.
        const QString tnv = "Il file \"prova.csv\" non è valido: alla riga ";
        Tabella("tabella italiana", "\xef\xbb\xbfX;Y\r\n1.500;1.234,5\r\n\r\n 1,5  -2 \r3\t4", {{1.5, 1234.5}, {1.5, -2}, {3, 4}}, {}, 1);
        Tabella("tabella inglese", "x, y\n1.5,2\n1,000.5\t1e3\n", {{1.5, 2}, {1000.5, 1000}}, {}, 0, true);
        Tabella("tabella: riga cattiva, le coppie prima restano", "1;2\nx;y\n5;6", {{1, 2}}, tnv + "2 \"x;y\" non è una coppia di numeri.");
        Tabella("tabella: tre colonne", "1\t2\t3", {}, tnv + "1 \"1 2 3\" non è una coppia di numeri.");
        Tabella("tabella: solo l'intestazione", "\nX Y\n", {}, tnv + "2 \"X Y\" non è una coppia di numeri.");
        Tabella("tabella vuota", "\r\n", {}, "Il file \"prova.csv\" non contiene coppie di numeri.");
        Tabella("tabella: riga troppo lunga", "1;" + QByteArray(5000, '1'), {}, tnv + "1 il testo supera i 4096 caratteri.");
        Tabella("tabella oltre lo spazio rimasto", "1;1\n2;2", {}, "Il file \"prova.csv\" contiene più punti di quanti se ne "
                "possono aggiungere (1, al massimo 301 in tutto): nessun punto del file è stato caricato.", 300);
        Riga("caratteri di controllo nel messaggio", "1,1\r\n1\x01\x7f,2,3", {}, "1", nv + "2 la X del punto 1 (\"1??\") non è un numero.");
    }

    void carica()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, prima);
        QFETCH(Punti, aggiunti);
        QFETCH(bool, inglese);
        QFETCH(bool, tabella);
        MySource punti;
        Riempi(punti, prima);
        const Punti presenti = PuntiDa(punti);
        QString letto = NonImpostato;
        std::istringstream in(bytes.toStdString());
        const Separatori sep = inglese ? Separatori::Inglesi() : Separatori::Italiani();
        auto leggi = [&] { tabella ? CaricaTabellaTesto(punti, in, "prova.csv", sep) : CaricaFileDati(punti, in, "prova.cv", sep, In(letto)); };
        QTEST(Errore(leggi), "errore");
        QTEST(letto, "grado");
        QCOMPARE(PuntiDa(punti).mid(0, prima), presenti);
        QCOMPARE(PuntiDa(punti).mid(prima), aggiunti);
    }

    // Random and mutated files end in points and a degree, or in an
    // ErroreFileDati naming the file: never another exception, a crash or a hang.
    void fuzzLettore()
    {
        std::mt19937 rng(20261206u);
        auto caso = [&](int da, int a) { return std::uniform_int_distribution<int>(da, a)(rng); };
        const std::string alfabeto = ",,,\r\n\n\r \t\"0123456789..--+eEx";
        const std::string numeri[] = {"1E+308", "1E+309", "\"7\"", "-0", "1.5e-320"};
        auto numero = [&] { return caso(0, 1) ? FormaScrittura(std::ldexp(caso(-9999, 9999), caso(-1074, 1000))) : numeri[caso(0, 4)]; };
        constexpr int Prove = 12000;
        int riusciti = 0;
        for (int prova = 0; prova < Prove; ++prova) {
            const int n = caso(0, 9) == 0 ? caso(-5, 400) : caso(0, 12);
            std::string file = std::to_string(n) + "," + (caso(0, 3) == 0 ? std::string("\"grado\"") : numero()) + "\r\n";
            for (int i = 0; i < n; ++i)
                file += numero() + "," + numero() + "," + numero() + "\r\n";
            for (int m = caso(0, 3); m > 0 && !file.empty(); --m) {
                const auto pos = static_cast<size_t>(caso(0, int(file.size()) - 1));
                if (caso(0, 2) == 0)
                    file.resize(pos);
                else
                    file[pos] = caso(0, 3) ? alfabeto[static_cast<size_t>(caso(0, int(alfabeto.size()) - 1))] : char(caso(0, 255));
            }
            MySource punti;
            const int prima = caso(0, 9) == 0 ? caso(0, 301) : caso(0, 3);
            Riempi(punti, prima);
            QString grado = NonImpostato, errore;
            std::istringstream in(file);
            const QByteArray dati = QByteArray::fromStdString(file).toHex();
            errore = Errore([&] { CaricaFileDati(punti, in, "fuzz.cv", Separatori::Italiani(), In(grado)); });
            riusciti += errore.isEmpty();
            QVERIFY2(errore.isEmpty() ? grado != NonImpostato : errore.startsWith("Il file \"fuzz.cv\" "), dati);
            // Texts from the file reach messages and the grid as valid UTF-8 (Latin-1 when not UTF-8).
            QVERIFY2(!errore.contains(QChar::ReplacementCharacter) && !grado.contains(QChar::ReplacementCharacter), dati);
            // The points before stay; those appended are finite and fit the set.
            QVERIFY2(punti.NumeroElementi() >= prima && punti.NumeroElementi() <= MySource::Capacita, dati);
            for (int i = 0; i < punti.NumeroElementi(); ++i)
                QVERIFY2(i < prima ? punti.X(i) == -1.0 - i : std::isfinite(punti.X(i)) && std::isfinite(punti.Y(i)), dati);
        }
        QVERIFY(riusciti > Prove / 10);  // both ends exercised, not only the errors
    }
};

QTEST_GUILESS_MAIN(TestFileDati)
#include "test_filedati.moc"
