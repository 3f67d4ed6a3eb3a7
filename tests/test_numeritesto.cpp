// Numbers as text under Italian and English separators.
#include "NumeriTesto.h"

#include <QtTest>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>

namespace {
const double Inf = std::numeric_limits<double>::infinity();
}

class TestNumeriTesto : public QObject {
    Q_OBJECT
private slots:
    void formaGenerale_data();
    void formaGenerale();
    void formaStampa_data();
    void formaStampa();
    void valoreIniziale_data();
    void valoreIniziale();
    void convertiTesto_data();
    void convertiTesto();
    void conversioneIntera_data();
    void conversioneIntera();
    void arrotonda_data();
    void arrotonda();
    void campoDelFile_data();
    void campoDelFile();
    void scritturaELetturaTornanoAlloStessoValore();
};

void TestNumeriTesto::formaGenerale_data()
{
    QTest::addColumn<double>("valore");
    QTest::addColumn<QString>("italiano");
    QTest::addColumn<QString>("inglese");
    QTest::newRow("zero") << 0.0 << "0" << "0";
    QTest::newRow("meno zero") << -0.0 << "0" << "0";
    QTest::newRow("intero") << 2.0 << "2" << "2";
    QTest::newRow("decimale") << 2.5 << "2,5" << "2.5";
    QTest::newRow("31/9") << 31.0 / 9.0 << "3,44444444444444" << "3.44444444444444";
    QTest::newRow("2/3 arrotondato") << 2.0 / 3.0 << "0,666666666666667" << "0.666666666666667";
    QTest::newRow("negativo") << -0.138528138528139 << "-0,138528138528139" << "-0.138528138528139";
    QTest::newRow("senza gruppi") << 1234.5 << "1234,5" << "1234.5";
    QTest::newRow("15 cifre intere") << 123456789012345.0 << "123456789012345" << "123456789012345";
    QTest::newRow("1E+15") << 1e15 << "1E+15" << "1E+15";
    QTest::newRow("1E+20") << 1e20 << "1E+20" << "1E+20";
    QTest::newRow("1,5E-07") << 1.5e-7 << "1,5E-07" << "1.5E-07";
    QTest::newRow("1E-05") << 0.00001 << "1E-05" << "1E-05";
    QTest::newRow("massimo") << DBL_MAX << "1,79769313486232E+308" << "1.79769313486232E+308";
    QTest::newRow("esponente a tre cifre") << -2.5e-100 << "-2,5E-100" << "-2.5E-100";
}

void TestNumeriTesto::formaGenerale()
{
    QFETCH(double, valore);
    QFETCH(QString, italiano);
    QFETCH(QString, inglese);
    QCOMPARE(QString::fromStdString(FormaGenerale(valore, Separatori::Italiani())), italiano);
    QCOMPARE(QString::fromStdString(FormaGenerale(valore, Separatori::Inglesi())), inglese);
    QCOMPARE(QString::fromStdString(FormaScrittura(valore)), inglese);
}

void TestNumeriTesto::formaStampa_data()
{
    QTest::addColumn<double>("valore");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("positivo") << 3.5 << " 3,5 ";
    QTest::newRow("negativo") << -3.5 << "-3,5 ";
    QTest::newRow("zero") << 0.0 << " 0 ";
    QTest::newRow("esponente") << 1e20 << " 1E+20 ";
}

void TestNumeriTesto::formaStampa()
{
    QFETCH(double, valore);
    QFETCH(QString, atteso);
    QCOMPARE(QString::fromStdString(FormaStampa(valore, Separatori::Italiani())), atteso);
}

void TestNumeriTesto::valoreIniziale_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<double>("atteso");
    QTest::newRow("vuoto") << "" << 0.0;
    QTest::newRow("lettere") << "abc" << 0.0;
    QTest::newRow("numero seguito da lettere") << "3x" << 3.0;
    QTest::newRow("blank davanti") << "  3" << 3.0;
    QTest::newRow("blank in mezzo") << "1 2" << 12.0;
    QTest::newRow("tab e a capo") << "\t\n4\t" << 4.0;
    QTest::newRow("segno meno") << "-2" << -2.0;
    QTest::newRow("segno staccato") << "- 3" << -3.0;
    QTest::newRow("doppio segno") << "--3" << 0.0;
    QTest::newRow("la virgola ferma") << "0,5" << 0.0;
    QTest::newRow("la virgola ferma dopo 2") << "2,5" << 2.0;
    QTest::newRow("punto decimale") << "2.5" << 2.5;
    QTest::newRow("punto iniziale") << ".5" << 0.5;
    QTest::newRow("esponente") << "1e3" << 1000.0;
    QTest::newRow("esponente negativo") << "25E-1" << 2.5;
    QTest::newRow("esponente senza cifre") << "1e" << 1.0;
    QTest::newRow("oltre l'intervallo") << "1e400" << Inf;
    QTest::newRow("troppo piccolo") << "1e-400" << 0.0;
    QTest::newRow("esponente enorme") << "1e99999999999999999999" << Inf;
    QTest::newRow("molte cifre") << QString(400, '9') << Inf;
}

void TestNumeriTesto::valoreIniziale()
{
    QFETCH(QString, testo);
    QFETCH(double, atteso);
    QCOMPARE(ValoreIniziale(testo.toStdString()), atteso);
}

void TestNumeriTesto::convertiTesto_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("inglese");
    QTest::addColumn<bool>("riesce");
    QTest::addColumn<double>("atteso");
    QTest::newRow("it intero") << "3" << false << true << 3.0;
    QTest::newRow("it 3,0") << "3,0" << false << true << 3.0;
    QTest::newRow("it blank intorno") << "  3 " << false << true << 3.0;
    QTest::newRow("it 2,5") << "2,5" << false << true << 2.5;
    QTest::newRow("it virgola iniziale") << ",5" << false << true << 0.5;
    QTest::newRow("it virgola finale") << "5," << false << true << 5.0;
    QTest::newRow("it migliaia") << "1.000" << false << true << 1000.0;
    QTest::newRow("it migliaia e decimali") << "1.000,5" << false << true << 1000.5;
    QTest::newRow("it punto come gruppo") << "2.5" << false << true << 25.0;
    QTest::newRow("it esponente") << "1e3" << false << true << 1000.0;
    QTest::newRow("it esponente con virgola") << "2,5E-1" << false << true << 0.25;
    QTest::newRow("it 3x") << "3x" << false << false << 0.0;
    QTest::newRow("it vuoto") << "" << false << false << 0.0;
    QTest::newRow("it abc") << "abc" << false << false << 0.0;
    QTest::newRow("it gruppo iniziale") << ".5" << false << false << 0.0;
    QTest::newRow("it due gruppi di fila") << "1..0" << false << false << 0.0;
    QTest::newRow("it gruppo nei decimali") << "1,5.0" << false << false << 0.0;
    QTest::newRow("it esponente monco") << "1e" << false << false << 0.0;
    QTest::newRow("it blank in mezzo") << "3 4" << false << false << 0.0;
    QTest::newRow("it oltre l'intervallo") << "1e400" << false << false << 0.0;
    QTest::newRow("it tab") << "3\t" << false << true << 3.0;
    QTest::newRow("it a capo") << "3\n" << false << false << 0.0;
    QTest::newRow("en 3.0") << "3.0" << true << true << 3.0;
    QTest::newRow("en virgola come gruppo") << "2,5" << true << true << 25.0;
    QTest::newRow("en 3,0 vale 30") << "3,0" << true << true << 30.0;
    QTest::newRow("en migliaia") << "1,000.5" << true << true << 1000.5;
}

void TestNumeriTesto::convertiTesto()
{
    QFETCH(QString, testo);
    QFETCH(bool, inglese);
    QFETCH(bool, riesce);
    QFETCH(double, atteso);
    const auto v = ConvertiTesto(testo.toStdString(), inglese ? Separatori::Inglesi() : Separatori::Italiani());
    QCOMPARE(v.has_value(), riesce);
    if (riesce)
        QCOMPARE(*v, atteso);
}

void TestNumeriTesto::conversioneIntera_data()
{
    QTest::addColumn<double>("valore");
    QTest::addColumn<bool>("riesce");
    QTest::addColumn<int>("atteso");
    QTest::newRow("2,5 al pari") << 2.5 << true << 2;
    QTest::newRow("3,5 al pari") << 3.5 << true << 4;
    QTest::newRow("-2,5 al pari") << -2.5 << true << -2;
    QTest::newRow("limite alto") << 32767.4 << true << 32767;
    QTest::newRow("oltre il limite alto") << 32767.5 << false << 0;
    QTest::newRow("limite basso al pari") << -32768.5 << true << -32768;
    QTest::newRow("infinito") << Inf << false << 0;
    QTest::newRow("NaN") << std::nan("") << false << 0;
}

void TestNumeriTesto::conversioneIntera()
{
    QFETCH(double, valore);
    QFETCH(bool, riesce);
    QFETCH(int, atteso);
    if (riesce)
        QCOMPARE(int(ConvertiIntero16(valore)), atteso);
    else
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, ConvertiIntero16(valore));
}

void TestNumeriTesto::arrotonda_data()
{
    QTest::addColumn<double>("valore");
    QTest::addColumn<int>("decimali");
    QTest::addColumn<double>("atteso");
    QTest::newRow("2,5") << 2.5 << 0 << 2.0;
    QTest::newRow("3,5") << 3.5 << 0 << 4.0;
    QTest::newRow("-2,5") << -2.5 << 0 << -2.0;
    QTest::newRow("0,125 a due") << 0.125 << 2 << 0.12;
    QTest::newRow("0,375 a due") << 0.375 << 2 << 0.38;
    QTest::newRow("1,005 è un po' meno") << 1.005 << 2 << 1.0;
    QTest::newRow("grande") << 1e300 << 2 << 1e300;
    QTest::newRow("infinito") << Inf << 2 << Inf;
}

void TestNumeriTesto::arrotonda()
{
    QFETCH(double, valore);
    QFETCH(int, decimali);
    QFETCH(double, atteso);
    QCOMPARE(Arrotonda(valore, decimali), atteso);
}

void TestNumeriTesto::campoDelFile_data()
{
    QTest::addColumn<QString>("campo");
    QTest::addColumn<bool>("riesce");
    QTest::addColumn<double>("atteso");
    QTest::newRow("intero") << "3" << true << 3.0;
    QTest::newRow("blank davanti e dietro") << "  2.5 " << true << 2.5;
    QTest::newRow("esponente") << "1E+20" << true << 1e20;
    QTest::newRow("esponente negativo") << "1.5E-07" << true << 1.5e-7;
    QTest::newRow("virgola") << "1,5" << false << 0.0;
    QTest::newRow("vuoto") << "" << false << 0.0;
    QTest::newRow("lettere") << "abc" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("oltre l'intervallo") << "1e400" << false << 0.0;
    // How the file writes the largest doubles reads back as the largest double.
    QTest::newRow("massimo scritto") << "1.79769313486232E+308" << true << DBL_MAX;
    QTest::newRow("massimo scritto, negativo") << " -1.79769313486232e308" << true << -DBL_MAX;
    QTest::newRow("massimo scritto, altra forma") << "179769313486232000E+291" << true << DBL_MAX;
    QTest::newRow("appena oltre il massimo scritto") << "1.797693134862321E+308" << false << 0.0;
    QTest::newRow("1,8E+308") << "1.8E+308" << false << 0.0;
}

void TestNumeriTesto::campoDelFile()
{
    QFETCH(QString, campo);
    QFETCH(bool, riesce);
    QFETCH(double, atteso);
    const auto v = LeggiNumeroCampo(campo.toStdString());
    QCOMPARE(v.has_value(), riesce);
    if (riesce)
        QCOMPARE(*v, atteso);
}

void TestNumeriTesto::scritturaELetturaTornanoAlloStessoValore()
{
    std::mt19937_64 gen(20261206);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> esponente(-300, 300);
    for (int i = 0; i < 2000; ++i) {
        const double v = mantissa(gen) * std::pow(10.0, esponente(gen));
        const auto letto = LeggiNumeroCampo(FormaScrittura(v));
        QVERIFY(letto.has_value());
        QVERIFY2(std::abs(*letto - v) <= std::abs(v) * 5e-15, FormaScrittura(v).c_str());
        const auto it = ConvertiTesto(FormaGenerale(v, Separatori::Italiani()), Separatori::Italiani());
        QVERIFY(it.has_value());
        QCOMPARE(*it, *letto);
    }
}

QTEST_APPLESS_MAIN(TestNumeriTesto)
#include "test_numeritesto.moc"
