// The point set, the polynomial and the triple set.
#include "MySource.h"
#include "Polinomio.h"
#include "XYPoli.h"

#include <QtTest>

#include <stdexcept>

class TestCore : public QObject {
    Q_OBJECT
private slots:
    void esempioEVuota();
    void capacitaEIndici();
    void valorePolinomio_data();
    void valorePolinomio();
    void polinomioVuotaTieneIlGrado();
    void ysux_data();
    void ysux();
};

void TestCore::esempioEVuota()
{
    MySource s;
    QCOMPARE(s.NumeroElementi(), 0);
    QCOMPARE(s.X(0), 0.0);
    for (int i = 0; i < 20; ++i)
        s.Add(100.0 + i, -i);
    s.RiempiEsempio();
    QCOMPARE(s.NumeroElementi(), 9);
    const double x[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const double y[] = {5, 3, 4, 5, 7, 9, 12, 7, 6};
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(s.X(i), x[i]);
        QCOMPARE(s.Y(i), y[i]);
    }
    QCOMPARE(s.X(12), 112.0);  // stale slots above the count stay
    s.Vuota();                 // and only the slots in use are cleared
    QCOMPARE(s.X(8), 0.0);
    QCOMPARE(s.X(12), 112.0);
    s.Add(2.5, -1);
    s.Add(2.5, -1);
    QCOMPARE(s.NumeroElementi(), 2);
    QCOMPARE(s.X(1), 2.5);
    QCOMPARE(s.Y(0), -1.0);
}

void TestCore::capacitaEIndici()
{
    MySource s;
    XYPoli t;
    Polinomio p;
    for (int i = 0; i < 301; ++i) {
        s.Add(i, 2.0 * i);
        t.Add(i, i + 1, i + 2);
    }
    for (int i = 0; i < 101; ++i)
        p.Add(i);
    QCOMPARE(s.X(300), 300.0);  // the 301st add lands at index 300
    QCOMPARE(t.P(300), 302.0);
    QCOMPARE(p.Coeff(100), 100.0);
    QVERIFY_THROWS_EXCEPTION(std::length_error, s.Add(1, 1));
    QVERIFY_THROWS_EXCEPTION(std::length_error, t.Add(0, 0, 0));
    QVERIFY_THROWS_EXCEPTION(std::length_error, p.Add(1));
    QCOMPARE(s.NumeroElementi(), 301);
    for (int i : {-1, 301, 1 << 30}) {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.X(i));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.Y(i));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, t.X(i));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, t.P(i));
    }
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, p.Coeff(101));
    p.ImpostaGrado(200);  // a degree outside the store cannot be evaluated
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, p.ValorePolinomio(1.0));
    t.Vuota();
    QCOMPARE(t.NumeroElementi(), 0);
    QCOMPARE(t.P(5), 0.0);
}

void TestCore::valorePolinomio_data()
{
    QTest::addColumn<int>("grado");
    QTest::addColumn<QList<double>>("coeff");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("atteso");
    QTest::newRow("1+2x+3x² in 2") << 2 << QList<double>{1, 2, 3} << 2.0 << 17.0;
    QTest::newRow("1+2x+3x² in 0") << 2 << QList<double>{1, 2, 3} << 0.0 << 1.0;
    QTest::newRow("grado 0") << 0 << QList<double>{4, 2, 3} << 9.0 << 4.0;
    QTest::newRow("grado oltre i coefficienti") << 3 << QList<double>{1, 1} << 2.0 << 3.0;
    QTest::newRow("nessun coefficiente") << 2 << QList<double>{} << 5.0 << 0.0;
    QTest::newRow("negativo") << 3 << QList<double>{0, 0, 0, 1} << -2.0 << -8.0;
}

void TestCore::valorePolinomio()
{
    QFETCH(int, grado);
    QFETCH(QList<double>, coeff);
    QFETCH(double, x);
    QFETCH(double, atteso);
    Polinomio p;
    p.ImpostaGrado(static_cast<int16_t>(grado));
    for (double c : coeff)
        p.Add(c);
    QCOMPARE(p.ValorePolinomio(x), atteso);
}

void TestCore::polinomioVuotaTieneIlGrado()
{
    Polinomio p;
    p.ImpostaGrado(2);
    for (double c : {1.0, 2.0, 3.0})
        p.Add(c);
    QCOMPARE(p.NumeroElementi(), 3);
    QCOMPARE(p.Coeff(2), 3.0);
    QCOMPARE(p.Coeff(3), 0.0);
    p.Vuota();
    QCOMPARE(p.NumeroElementi(), 0);
    QCOMPARE(p.Grado(), int16_t(2));
    QCOMPARE(p.Coeff(2), 0.0);
}

void TestCore::ysux_data()
{
    QTest::addColumn<int>("terne");
    QTest::addColumn<double>("chiesto");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("pari distanza: vince l'indice minore") << 3 << 4.0 << 3.0 << 20.0;
    QTest::newRow("oltre la fine") << 3 << 10.0 << 5.0 << 30.0;
    QTest::newRow("prima dell'inizio") << 3 << -7.0 << 1.0 << 10.0;
    QTest::newRow("esatto") << 3 << 5.0 << 5.0 << 30.0;
    QTest::newRow("nessuna terna") << 0 << 42.0 << 0.0 << 0.0;
}

void TestCore::ysux()
{
    QFETCH(int, terne);
    QFETCH(double, chiesto);
    QFETCH(double, x);
    QFETCH(double, y);
    XYPoli t;
    for (int i = 0; i < terne; ++i)
        t.Add(1 + 2 * i, 10 * (i + 1), 100 * (i + 1));
    double cx = chiesto, cy = -1;
    t.YsuX(cx, cy);
    QCOMPARE(cx, x);
    QCOMPARE(cy, y);  // the measured Y, not P
}

QTEST_APPLESS_MAIN(TestCore)
#include "test_core.moc"
