// Numbers as text under Italian and English separators, and in the data file.
#include "NumeriTesto.h"

#include <QtTest>

#include <cfloat>
#include <cmath>

namespace {
const double Inf = qInf();
const double Fallisce = qQNaN();  // in `atteso`: no value
} // namespace

class TestNumeriTesto : public QObject {
    Q_OBJECT
private slots:
    // The general form in both locales (the English one is the file's), the
    // print form, and the exact form (the Italian general one unless given),
    // which reads back as the same double in either locale.
    void formaGenerale_data()
    {
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("italiano");
        QTest::addColumn<QString>("inglese");
        QTest::addColumn<QString>("stampa");
        QTest::addColumn<QString>("esatta");
        auto riga = [](const char* nome, double v, const char* it, const char* en, const char* st, const char* es = nullptr) {
            QTest::newRow(nome) << v << it << en << st << (es ? es : it);
        };
        riga("meno zero", -0.0, "0", "0", " 0 ");
        riga("2/3 arrotondato", 2.0 / 3.0, "0,666666666666667", "0.666666666666667", " 0,666666666666667 ", "0,6666666666666666");
        riga("17 cifre", -1234.5678901234567, "-1234,56789012346", "-1234.56789012346", "-1234,56789012346 ", "-1234,5678901234567");
        riga("senza gruppi", 1234.5, "1234,5", "1234.5", " 1234,5 ");
        riga("15 cifre intere", 123456789012345.0, "123456789012345", "123456789012345", " 123456789012345 ");
        riga("1E+15", 1e15, "1E+15", "1E+15", " 1E+15 ");
        riga("1,5E-07", 1.5e-7, "1,5E-07", "1.5E-07", " 1,5E-07 ");
        riga("massimo", DBL_MAX, "1,79769313486232E+308", "1.79769313486232E+308", " 1,79769313486232E+308 ",
             "1,7976931348623157E+308");
        riga("esponente a tre cifre", -2.5e-100, "-2,5E-100", "-2.5E-100", "-2,5E-100 ");
    }

    void formaGenerale()
    {
        QFETCH(double, valore);
        QFETCH(QString, inglese);
        QTEST(QString::fromStdString(FormaGenerale(valore, Separatori::Italiani())), "italiano");
        QCOMPARE(QString::fromStdString(FormaGenerale(valore, Separatori::Inglesi())), inglese);
        QCOMPARE(QString::fromStdString(FormaScrittura(valore)), inglese);
        QTEST(QString::fromStdString(FormaStampa(valore, Separatori::Italiani())), "stampa");
        QTEST(QString::fromStdString(FormaEsatta(valore, Separatori::Italiani())), "esatta");
        for (const Separatori& sep : {Separatori::Italiani(), Separatori::Inglesi()})
            QVERIFY(ConvertiTesto(FormaEsatta(valore, sep), sep) == valore);
    }

    // A whole text as a number (Italian, English, a data file field), and the
    // leading number of a text, which reads as much as it can and gives 0 for none.
    void convertiTesto_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("modo");
        QTest::addColumn<double>("atteso");
        auto riga = [](const char* nome, const QString& testo, const char* modo, double atteso) {
            QTest::newRow(nome) << testo << modo << atteso;
        };
        riga("iniziale: vuoto", "", "iniziale", 0.0);
        riga("iniziale: numero seguito da lettere", "3x", "iniziale", 3.0);
        riga("iniziale: blank in mezzo", "1 2", "iniziale", 12.0);
        riga("iniziale: tab e a capo", "\t\n4\t", "iniziale", 4.0);
        riga("iniziale: segno staccato", "- 3", "iniziale", -3.0);
        riga("iniziale: doppio segno", "--3", "iniziale", 0.0);
        riga("iniziale: la virgola ferma", "2,5", "iniziale", 2.0);
        riga("iniziale: punto iniziale", ".5", "iniziale", 0.5);
        riga("iniziale: esponente negativo", "25E-1", "iniziale", 2.5);
        riga("iniziale: esponente senza cifre", "1e", "iniziale", 1.0);
        riga("iniziale: oltre l'intervallo", "1e400", "iniziale", Inf);
        riga("iniziale: troppo piccolo", "1e-400", "iniziale", 0.0);
        riga("iniziale: esponente di 64 bit", "1e9223372036854775807", "iniziale", Inf);
        riga("iniziale: molte cifre", QString(400, '9'), "iniziale", Inf);
        riga("it 3,0", "3,0", "it", 3.0);
        riga("it blank intorno", "  3 ", "it", 3.0);
        riga("it virgola iniziale", ",5", "it", 0.5);
        riga("it virgola finale", "5,", "it", 5.0);
        riga("it migliaia e decimali", "1.234,5", "it", 1234.5);
        riga("it gruppi di tre", "-12.345.678", "it", -12345678.0);
        riga("it gruppo con esponente", "1.234E1", "it", 12340.0);
        riga("it 2.5 non è un numero", "2.5", "it", Fallisce);
        riga("it quattro cifre prima del gruppo", "1234.567", "it", Fallisce);
        riga("it quattro cifre nel gruppo", "1.2345", "it", Fallisce);
        riga("it gruppo corto prima della virgola", "1.23,5", "it", Fallisce);
        riga("it gruppo in fondo", "1.", "it", Fallisce);
        riga("it 3x", "3x", "it", Fallisce);
        riga("it vuoto", "", "it", Fallisce);
        riga("it gruppo iniziale", ".5", "it", Fallisce);
        riga("it gruppo nei decimali", "1,5.0", "it", Fallisce);
        riga("it esponente monco", "1e", "it", Fallisce);
        riga("it oltre l'intervallo", "1e400", "it", Fallisce);
        riga("it a capo", "3\n", "it", Fallisce);
        riga("en migliaia", "1,000.5", "en", 1000.5);
        riga("file virgola", "1,5", "file", Fallisce);
        riga("file inf", "inf", "file", Fallisce);
        // How the file writes the largest doubles reads back as the largest double.
        riga("file massimo scritto", "1.79769313486232E+308", "file", DBL_MAX);
        riga("file massimo scritto, negativo", " -0.179769313486232e309", "file", -DBL_MAX);
        riga("file massimo scritto, altra forma", "179769313486232000E+291", "file", DBL_MAX);
        riga("file appena oltre il massimo scritto", "1.797693134862321E+308", "file", Fallisce);
        // Exponents of any length saturate: too large as any such number, too small as 0.
        riga("file esponente di 64 bit", "1e9223372036854775807", "file", Fallisce);
        riga("file minuscolo, esponente di 64 bit", "0.0001e-9223372036854775807", "file", 0.0);
    }

    void convertiTesto()
    {
        QFETCH(QString, testo);
        QFETCH(QString, modo);
        const std::string t = testo.toStdString();
        const std::optional<double> v = modo == "iniziale" ? ValoreIniziale(t)
                                        : modo == "file"   ? LeggiNumeroCampo(t)
                                                           : ConvertiTesto(t, modo == "en" ? Separatori::Inglesi() : Separatori::Italiani());
        QTEST(v.value_or(Fallisce), "atteso");  // NaN matches only NaN, infinities their own sign
    }

    // Halves to the even neighbour: to a 16-bit whole number (decimali < 0),
    // which fails out of range, and to d decimals.
    void arrotondamenti_data()
    {
        QTest::addColumn<double>("valore");
        QTest::addColumn<int>("decimali");
        QTest::addColumn<double>("atteso");
        QTest::newRow("2,5 al pari") << 2.5 << -1 << 2.0;
        QTest::newRow("3,5 al pari") << 3.5 << -1 << 4.0;
        QTest::newRow("limite alto") << 32767.4 << -1 << 32767.0;
        QTest::newRow("oltre il limite alto") << 32767.5 << -1 << Fallisce;
        QTest::newRow("limite basso al pari") << -32768.5 << -1 << -32768.0;
        QTest::newRow("intero NaN") << std::nan("") << -1 << Fallisce;
        QTest::newRow("0,125 a due") << 0.125 << 2 << 0.12;
        QTest::newRow("0,375 a due") << 0.375 << 2 << 0.38;
        QTest::newRow("1,005 è un po' meno") << 1.005 << 2 << 1.0;
        QTest::newRow("grande") << 1e300 << 2 << 1e300;
    }

    void arrotondamenti()
    {
        QFETCH(double, valore);
        QFETCH(int, decimali);
        QFETCH(double, atteso);
        if (decimali >= 0)
            QCOMPARE(Arrotonda(valore, decimali), atteso);
        else if (std::isnan(atteso))
            QVERIFY_THROWS_EXCEPTION(std::overflow_error, ConvertiIntero16(valore));
        else
            QCOMPARE(double(ConvertiIntero16(valore)), atteso);
    }
};

QTEST_APPLESS_MAIN(TestNumeriTesto)
#include "test_numeritesto.moc"
