// The point set, the polynomial and the triple set.
#include "MySource.h"
#include "Polinomio.h"
#include "XYPoli.h"

#include <QtTest>

#include <stdexcept>

class TestCore : public QObject {
    Q_OBJECT
private slots:
    // Full stores refuse one more, indices outside them throw: never out of bounds.
    void capacitaEIndici()
    {
        MySource s;
        XYPoli t;
        Polinomio p;
        for (int i = 0; i < 301; ++i) {
            s.Add(i, 2.0 * i);
            t.Add(i, i + 1, i + 2);
            if (i <= 100)
                p.Add(i);
        }
        QVERIFY(s.X(300) == 300.0 && t.P(300) == 302.0 && p.Coeff(100) == 100.0);
        QVERIFY_THROWS_EXCEPTION(std::length_error, s.Add(1, 1));
        QVERIFY_THROWS_EXCEPTION(std::length_error, t.Add(0, 0, 0));
        QVERIFY_THROWS_EXCEPTION(std::length_error, p.Add(1));
        QCOMPARE(s.NumeroElementi(), 301);
        for (int i : {-1, 301, 1 << 30}) {
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.Y(i));
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, t.P(i));
        }
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, p.Coeff(101));
        p.ImpostaGrado(200);  // a degree outside the store cannot be evaluated
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, p.ValorePolinomio(1.0));
    }

    // Monomial coefficients left at zero in the centred rows: only the centred
    // form can give the value. Any later change drops it.
    void valorePolinomio_data()
    {
        QTest::addColumn<int>("grado");
        QTest::addColumn<QList<double>>("coeff");
        QTest::addColumn<QList<double>>("centrata");  // centro, scala, e(0) ... e(grado)
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("atteso");
        const QList<double> zeri{0, 0, 0}, anni{2000, 16, 1, 2, 3};
        QTest::newRow("1+2x+3x² in 2") << 2 << QList<double>{1, 2, 3} << QList<double>() << 2.0 << 17.0;
        QTest::newRow("grado 0") << 0 << QList<double>{4, 2, 3} << QList<double>() << 9.0 << 4.0;
        QTest::newRow("grado oltre i coefficienti") << 3 << QList<double>{1, 1} << QList<double>() << 2.0 << 3.0;
        QTest::newRow("centrata, t = 1") << 2 << zeri << anni << 2016.0 << 6.0;
        QTest::newRow("centrata, fuori intervallo") << 2 << zeri << anni << 2048.0 << 34.0;
    }

    void valorePolinomio()
    {
        QFETCH(int, grado);
        QFETCH(QList<double>, coeff);
        QFETCH(QList<double>, centrata);
        QFETCH(double, x);
        Polinomio p;
        p.ImpostaGrado(static_cast<int16_t>(grado));
        for (double c : coeff)
            p.Add(c);
        if (!centrata.isEmpty()) {
            FormaCentrata f{centrata[0], centrata[1], static_cast<int16_t>(grado), {}};
            std::copy(centrata.begin() + 2, centrata.end(), f.coeff.begin());
            p.ImpostaFormaCentrata(f);
        }
        QCOMPARE(p.HaFormaCentrata(), !centrata.isEmpty());
        QTEST(p.ValorePolinomio(x), "atteso");
        for (int cambio = 0; cambio < 3 && p.HaFormaCentrata(); ++cambio) {  // Add, Vuota, ImpostaGrado
            Polinomio q = p;
            cambio == 0 ? q.Add(0) : cambio == 1 ? q.Vuota() : q.ImpostaGrado(q.Grado());
            QVERIFY(!q.HaFormaCentrata() && q.ValorePolinomio(x) == 0);
        }
    }

    // The nearest triple's X and measured Y (not P); at equal distance the lower index.
    void ysux_data()
    {
        QTest::addColumn<int>("terne");
        QTest::addColumn<double>("chiesto");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("pari distanza: vince l'indice minore") << 3 << 4.0 << 3.0 << 20.0;
        QTest::newRow("oltre la fine") << 3 << 10.0 << 5.0 << 30.0;
        QTest::newRow("prima dell'inizio") << 3 << -7.0 << 1.0 << 10.0;
        QTest::newRow("nessuna terna") << 0 << 42.0 << 0.0 << 0.0;
    }

    void ysux()
    {
        QFETCH(int, terne);
        QFETCH(double, chiesto);
        XYPoli t;
        for (int i = 0; i < terne; ++i)
            t.Add(1 + 2 * i, 10 * (i + 1), 100 * (i + 1));
        double cy = -1;
        t.YsuX(chiesto, cy);
        QTEST(chiesto, "x");
        QTEST(cy, "y");
    }
};

QTEST_APPLESS_MAIN(TestCore)
#include "test_core.moc"
