// The least-squares fit: worked examples, validation, what each outcome leaves
// behind, progress, accuracy against exact rational solutions, random input.
#include "Curvello.h"

#include <QtTest>

#include <boost/multiprecision/cpp_int.hpp>

#include <cfloat>
#include <cmath>
#include <random>
#include <vector>

namespace {

using Razionale = boost::multiprecision::cpp_rational;

struct Avanzamento : AscoltatoreAvanzamento {
    int mostrato = 0, chiuso = 0, passi = 0;
    float ultimo = -1;
    bool aperto = false;
    void Mostra() override { ++mostrato; aperto = true; }
    void Avanza(float v) override { ++passi; ultimo = v; }
    void Chiudi() override { ++chiuso; aperto = false; }
};

// A program-wide state with recording seams around one engine.
struct Banco {
    StatoProgramma stato;
    Avanzamento avanzamento;
    QStringList messaggi;
    QList<int> stati;
    bool messaggioConAvanzamentoAperto = false;
    Curvello motore{stato, {[this](const std::string& t) {
                                messaggi << QString::fromStdString(t);
                                messaggioConAvanzamentoAperto = avanzamento.aperto;
                            },
                            &avanzamento, [this](int16_t c) { stati << c; }}};

    RisultatoCalcolo calcola(const QString& grado, const Separatori& sep = Separatori::Italiani())
    {
        return motore.CalcolaPolinomio(grado.toStdString(), sep);
    }
    void punti(const std::vector<std::pair<double, double>>& pp)
    {
        stato.punti.Vuota();
        for (auto [x, y] : pp)
            stato.punti.Add(x, y);
    }
};

// The exact least-squares solution of the given doubles.
std::vector<Razionale> SoluzioneEsatta(const MySource& s, int grado)
{
    const int N = grado + 1;
    const int n = s.NumeroElementi();
    std::vector<Razionale> somme(static_cast<size_t>(2 * N - 1)), termini(static_cast<size_t>(N));
    for (int l = 0; l < n; ++l) {
        const Razionale x(s.X(l)), y(s.Y(l));
        Razionale p = 1;
        for (int k = 0; k < 2 * N - 1; ++k) {
            somme[static_cast<size_t>(k)] += p;
            if (k < N)
                termini[static_cast<size_t>(k)] += y * p;
            p *= x;
        }
    }
    std::vector<std::vector<Razionale>> a(static_cast<size_t>(N), std::vector<Razionale>(static_cast<size_t>(N + 1)));
    for (int i = 0; i < N; ++i) {
        for (int j = 0; j < N; ++j)
            a[i][j] = somme[static_cast<size_t>(i + j)];
        a[i][N] = termini[static_cast<size_t>(i)];
    }
    for (int k = 0; k < N; ++k) {
        int p = k;
        while (a[p][k] == 0)
            ++p;
        std::swap(a[k], a[p]);
        for (int i = k + 1; i < N; ++i) {
            const Razionale m = a[i][k] / a[k][k];
            for (int j = k; j <= N; ++j)
                a[i][j] -= m * a[k][j];
        }
    }
    std::vector<Razionale> c(static_cast<size_t>(N));
    for (int i = N - 1; i >= 0; --i) {
        Razionale s2 = a[i][N];
        for (int j = i + 1; j < N; ++j)
            s2 -= a[i][j] * c[static_cast<size_t>(j)];
        c[static_cast<size_t>(i)] = s2 / a[i][i];
    }
    return c;
}

} // namespace

class TestCurvello : public QObject {
    Q_OBJECT
private slots:
    void esempiSvolti_data();
    void esempiSvolti();
    void esiti_data();
    void esiti();
    void avanzamento_data();
    void avanzamento();
    void accuratezza_data();
    void accuratezza();
    void ingressiCasuali();
};

void TestCurvello::esempiSvolti_data()
{
    QTest::addColumn<QList<QPointF>>("punti");
    QTest::addColumn<int>("grado");
    QTest::addColumn<QList<double>>("coeff");
    QList<QPointF> esempio;
    MySource s;
    s.RiempiEsempio();
    for (int i = 0; i < 9; ++i)
        esempio << QPointF(s.X(i), s.Y(i));
    QTest::newRow("esempio, grado 1") << esempio << 1 << QList<double>{31.0 / 9.0, 0.6};
    QTest::newRow("esempio, grado 2") << esempio << 2 << QList<double>{19.0 / 21.0, 2293.0 / 1155.0, -32.0 / 231.0};
    QTest::newRow("quadrati") << QList<QPointF>{{1, 1}, {2, 4}, {3, 9}} << 2 << QList<double>{0, 0, 1};
    QTest::newRow("0^0 vale 1") << QList<QPointF>{{0, 1}, {1, 3}} << 1 << QList<double>{1, 2};
}

void TestCurvello::esempiSvolti()
{
    QFETCH(QList<QPointF>, punti);
    QFETCH(int, grado);
    QFETCH(QList<double>, coeff);
    Banco b;
    for (const QPointF& p : punti)
        b.stato.punti.Add(p.x(), p.y());
    QCOMPARE(b.calcola(QString::number(grado)).esito, EsitoCalcolo::Riuscito);
    const Polinomio& p = *b.stato.polinomio;
    QCOMPARE(int(p.Grado()), grado);
    QCOMPARE(p.NumeroElementi(), grado + 1);
    for (int k = 0; k <= grado; ++k)
        QVERIFY2(std::abs(p.Coeff(k) - coeff[k]) <= 4e-15 * std::max(1.0, std::abs(coeff[k])),
                 qPrintable(QString::number(p.Coeff(k), 'g', 17)));
    const XYPoli& t = *b.stato.terne;
    QCOMPARE(t.NumeroElementi(), int(punti.size()));
    for (int i = 0; i < punti.size(); ++i) {
        QCOMPARE(t.X(i), punti[i].x());
        QCOMPARE(t.Y(i), punti[i].y());
        QCOMPARE(t.P(i), p.ValorePolinomio(punti[i].x()));
    }
    QCOMPARE(b.stati, QList<int>{3});
    QVERIFY(b.messaggi.isEmpty());
    QCOMPARE(b.stato.oggcoppiecopia->NumeroElementi(), int(punti.size()));
    if (grado == 1 && punti.size() == 9)
        QVERIFY(std::abs(t.P(6) - 7.644444444444444) < 1e-14);
    if (punti.size() == 3) {  // one degree more is refused with the trailing blank
        QCOMPARE(b.calcola("3").messaggio, 6);
        QCOMPARE(b.messaggi, QStringList{"Il grado 3 non puo' essere >= al numero di punti 3 "});
    }
}

// Every outcome after an earlier successful fit of the example: the message,
// and what the run leaves behind.
void TestCurvello::esiti_data()
{
    QTest::addColumn<QList<QPointF>>("punti");  // empty: `generati` points (i, sin i)
    QTest::addColumn<int>("generati");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("inglese");
    QTest::addColumn<int>("esito");  // > 0: message number, < 0: minus the silent cause, 0: fitted
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<int>("gradoLasciato");
    QTest::addColumn<int>("copia");  // points in the snapshot
    const QString m1 = "Non soo state inserite coppie X - Y, inserirle e poi ripremere Calcola";
    const QString m2 = "Inserire un grado per il polinomio approssimante";
    const QString m3 = "Il grado del polinomio approssimante non può essere minore o uguale a zero.";
    const QString m4 = "Il grado del polinomio deve essere un numero intero compreso tra 1 e 10";
    const QString m7 = "divisione per zero nell'eliminazione gaussiana !!!";
    const QList<QPointF> nessuno;
    auto silenzio = [](CausaInterruzione c) { return -int(c); };
    auto riga = [](const char* nome) -> QTestData& { return QTest::newRow(nome); };
    riga("nessun punto") << nessuno << 0 << "2" << false << 1 << m1 << 0 << 0;
    riga("vuoto") << nessuno << 12 << "" << false << 2 << m2 << 0 << 0;
    riga("0") << nessuno << 12 << "0" << false << 3 << m3 << 0 << 0;
    riga("-2") << nessuno << 12 << "-2" << false << 3 << m3 << 0 << 0;
    riga("abc") << nessuno << 12 << "abc" << false << 3 << m3 << 0 << 0;
    riga("0,5") << nessuno << 12 << "0,5" << false << 3 << m3 << 0 << 0;
    riga("11") << nessuno << 12 << "11" << false << 4 << m4 << 0 << 0;
    riga("2,5") << nessuno << 12 << "2,5" << false << 4 << m4 << 0 << 0;
    riga("2.5 col punto come gruppo") << nessuno << 12 << "2.5" << false << 4 << m4 << 0 << 0;
    riga("en 3,0 vale 30") << nessuno << 12 << "3,0" << true << 4 << m4 << 0 << 0;
    riga("3,0") << nessuno << 12 << "3,0" << false << 0 << "" << 3 << 12;
    riga(" 3 ") << nessuno << 12 << " 3 " << false << 0 << "" << 3 << 12;
    riga("1e1") << nessuno << 12 << "1e1" << false << 0 << "" << 10 << 12;
    riga("en 3.0") << nessuno << 12 << "3.0" << true << 0 << "" << 3 << 12;
    riga("100 punti") << nessuno << 100 << "2" << false << 0 << "" << 2 << 100;
    riga("101 punti") << nessuno << 101 << "2" << false << 5 << "Il numero di punti e' > di 100" << 2 << 101;
    riga("grado uguale ai punti") << nessuno << 9 << "9" << false << 6
                                  << "Il grado 9 non puo' essere >= al numero di punti 9 " << 9 << 9;
    riga("tre X uguali") << QList<QPointF>{{2, 1}, {2, 2}, {2, 3}} << 0 << "2" << false << 7 << m7 << 2 << 3;
    riga("3x") << nessuno << 12 << "3x" << false << silenzio(CausaInterruzione::GradoNonConvertibile) << "" << 0 << 0;
    riga("3 4") << nessuno << 12 << "3 4" << false << silenzio(CausaInterruzione::GradoNonConvertibile) << "" << 0 << 0;
    riga("1e400") << nessuno << 12 << "1e400" << false << silenzio(CausaInterruzione::GradoNonConvertibile) << "" << 0 << 0;
    riga("due X uguali") << QList<QPointF>{{2, 1}, {2, 5}} << 0 << "1" << false
                         << silenzio(CausaInterruzione::UltimoPivotNullo) << "" << 1 << 2;
    riga("tutte le X nulle") << QList<QPointF>{{0, 1}, {0, 2}, {0, 3}} << 0 << "2" << false
                             << silenzio(CausaInterruzione::RigaNulla) << "" << 2 << 3;
    const int fuori = silenzio(CausaInterruzione::FuoriIntervallo);
    riga("potenza oltre l'intervallo") << QList<QPointF>{{1e100, 1}, {2, 2}, {3, 3}} << 0 << "2" << false << fuori << "" << 2 << 3;
    riga("somma oltre l'intervallo") << QList<QPointF>{{1e308, 1}, {1e308, 2}, {3, 3}} << 0 << "1" << false << fuori << "" << 1 << 3;
    riga("Y per X oltre l'intervallo") << QList<QPointF>{{1e200, 1e200}, {1, 2}} << 0 << "1" << false << fuori << "" << 1 << 2;
    riga("Y infinita") << QList<QPointF>{{1, qInf()}, {2, 2}} << 0 << "1" << false << fuori << "" << 1 << 2;
    riga("X non numero") << QList<QPointF>{{qQNaN(), 1}, {2, 2}} << 0 << "1" << false << fuori << "" << 1 << 2;
}

void TestCurvello::esiti()
{
    QFETCH(QList<QPointF>, punti);
    QFETCH(int, generati);
    QFETCH(QString, testo);
    QFETCH(bool, inglese);
    QFETCH(int, esito);
    QFETCH(QString, messaggio);
    QFETCH(int, gradoLasciato);
    QFETCH(int, copia);
    Banco b;
    b.stato.punti.RiempiEsempio();
    QCOMPARE(b.calcola("1").esito, EsitoCalcolo::Riuscito);
    const XYPoli* terne = b.stato.terne.get();
    b.stato.punti.Vuota();
    for (const QPointF& p : punti)
        b.stato.punti.Add(p.x(), p.y());
    for (int i = 0; i < generati; ++i)
        b.stato.punti.Add(i, std::sin(i));

    const RisultatoCalcolo r = b.calcola(testo, inglese ? Separatori::Inglesi() : Separatori::Italiani());
    QCOMPARE(int(b.stato.polinomio->Grado()), gradoLasciato);
    QCOMPARE(b.stato.oggcoppiecopia->NumeroElementi(), copia);
    QCOMPARE(b.avanzamento.chiuso, b.avanzamento.mostrato);
    QVERIFY(!b.avanzamento.aperto);
    if (esito == 0) {
        QCOMPARE(r.esito, EsitoCalcolo::Riuscito);
        QCOMPARE(b.stato.polinomio->NumeroElementi(), gradoLasciato + 1);
        QCOMPARE(b.stato.terne->NumeroElementi(), copia);
        QCOMPARE(b.stati, (QList<int>{3, 3}));
        return;
    }
    // No results: no coefficients, the earlier triples, no state change.
    QCOMPARE(b.stato.polinomio->NumeroElementi(), 0);
    QCOMPARE(b.stato.terne.get(), terne);
    QCOMPARE(b.stato.terne->NumeroElementi(), 9);
    QCOMPARE(b.stati, QList<int>{3});
    if (esito > 0) {
        QCOMPARE(r.esito, EsitoCalcolo::Rifiutato);
        QCOMPARE(r.messaggio, esito);
        QCOMPARE(b.messaggi, QStringList{messaggio});
        QCOMPARE(b.messaggioConAvanzamentoAperto, esito == 7);  // M7 shows over the progress window
        QCOMPARE(b.motore.C(0), 31.0 / 9.0);                    // C keeps the earlier solve
    } else {
        QCOMPARE(r.esito, EsitoCalcolo::Interrotto);
        QCOMPARE(-int(r.causa), esito);
        QVERIFY(!DescriviInterruzione(r.causa).empty());
        QVERIFY(b.messaggi.isEmpty());
    }
}

void TestCurvello::avanzamento_data()
{
    QTest::addColumn<int>("grado");
    QTest::addColumn<int>("punti");
    QTest::newRow("grado 2 sull'esempio") << 2 << 9;
    QTest::newRow("grado 10 su 100 punti") << 10 << 100;
    QTest::newRow("grado 1 su 2 punti") << 1 << 2;
}

void TestCurvello::avanzamento()
{
    QFETCH(int, grado);
    QFETCH(int, punti);
    Banco b;
    for (int i = 0; i < punti; ++i)
        b.stato.punti.Add(i * 0.5 - 3, std::cos(i));
    QCOMPARE(b.calcola(QString::number(grado)).esito, EsitoCalcolo::Riuscito);
    const int totale = (grado + 1) * (grado + 1) * punti;
    QCOMPARE(b.avanzamento.mostrato, 1);
    QCOMPARE(b.avanzamento.chiuso, 1);
    QCOMPARE(b.avanzamento.passi, totale + 1);  // the bar is first set to 0
    QCOMPARE(b.avanzamento.ultimo, static_cast<float>(double(totale - 1) / totale * 100.0));
}

void TestCurvello::accuratezza_data()
{
    QTest::addColumn<int>("grado");
    QTest::addColumn<QList<QPointF>>("punti");
    QList<QPointF> p82, p21, p100, pvicini;
    for (int i = 0; i < 82; ++i) {
        const double x = -9.0 + 6.0 * i / 81.0;
        p82 << QPointF(x, std::exp(x / 3.0) + 0.1 * std::sin(7 * x));
    }
    for (int i = 0; i <= 20; ++i)
        p21 << QPointF(i, 3.0 - 0.5 * i + 0.01 * i * i * i + (i % 3));
    for (int i = 1; i <= 100; ++i)
        p100 << QPointF(i, std::log(i) * 10.0 + (i % 7));
    for (int i = 0; i < 60; ++i)
        pvicini << QPointF(1000.0 + i * 0.01, std::sin(i * 0.2));
    QTest::newRow("grado 10, 82 punti tra -9 e -3") << 10 << p82;
    QTest::newRow("grado 5, X da 0 a 20") << 5 << p21;
    QTest::newRow("grado 10, X da 1 a 100") << 10 << p100;
    QTest::newRow("grado 4, X vicine a 1000") << 4 << pvicini;
    QList<QPointF> anni;
    for (int i = 0; i <= 30; ++i)
        anni << QPointF(1990 + i, 50.0 + 3.0 * std::sin(i * 0.4) + i);
    QTest::newRow("grado 5, anni 1990-2020") << 5 << anni;
    QTest::newRow("grado 8, anni 1990-2020") << 8 << anni;
    QTest::newRow("grado 10, anni 1990-2020") << 10 << anni;
}

void TestCurvello::accuratezza()
{
    QFETCH(int, grado);
    QFETCH(QList<QPointF>, punti);
    Banco b;
    for (const QPointF& p : punti)
        b.stato.punti.Add(p.x(), p.y());
    QCOMPARE(b.calcola(QString::number(grado)).esito, EsitoCalcolo::Riuscito);
    const auto esatta = SoluzioneEsatta(b.stato.punti, grado);
    for (int k = 0; k <= grado; ++k) {
        const double e = esatta[static_cast<size_t>(k)].convert_to<double>();
        const double c = b.stato.polinomio->Coeff(k);
        QVERIFY2(std::abs(c - e) <= 1e-13 * std::abs(e),
                 qPrintable(QString("C(%1) = %2, esatto %3").arg(k).arg(c, 0, 'g', 17).arg(e, 0, 'g', 17)));
    }
}

void TestCurvello::ingressiCasuali()
{
    std::mt19937 gen(4242);
    auto intero = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); };
    const std::string alfabeto = "0123456789,.-+eEdD x\t\n";
    const std::vector<std::string> semi = {"1", "2", "3,0", "10", "1e1", "-3", "0,5", "", "abc", "11"};
    bool selvaggio = false;  // wild trials draw extreme magnitudes, tame ones ordinary data
    auto valore = [&]() -> double {
        if (!selvaggio)
            return intero(0, 1) ? intero(-20, 20) : std::uniform_real_distribution<double>(-100, 100)(gen);
        switch (intero(0, 5)) {
        case 0: return 0.0;
        case 1: return intero(-5, 5);
        case 2: return std::ldexp(intero(-1000, 1000), intero(-1074, 1000));
        case 3: return intero(0, 1) ? DBL_MAX : -DBL_MAX;
        case 4: return std::uniform_real_distribution<double>(-1e6, 1e6)(gen);
        default: return std::ldexp(1.0, intero(-1074, -1000));
        }
    };
    int riusciti = 0;
    for (int prova = 0; prova < 1500; ++prova) {
        Banco b;
        selvaggio = prova % 2 == 1;
        const int n = intero(0, 105);
        std::vector<double> xs;
        for (int i = 0; i < n; ++i) {
            const double x = (i > 0 && intero(0, 4) == 0) ? xs[static_cast<size_t>(intero(0, i - 1))] : valore();
            xs.push_back(x);
            b.stato.punti.Add(x, valore());
        }
        std::string testo = semi[static_cast<size_t>(intero(0, int(semi.size()) - 1))];
        for (int m = selvaggio ? intero(0, 3) : 0; m > 0; --m) {
            const size_t pos = testo.empty() ? 0 : static_cast<size_t>(intero(0, int(testo.size())));
            testo.insert(pos, 1, alfabeto[static_cast<size_t>(intero(0, int(alfabeto.size()) - 1))]);
        }
        const RisultatoCalcolo r = b.motore.CalcolaPolinomio(testo, Separatori::Italiani());
        QCOMPARE(b.avanzamento.chiuso, b.avanzamento.mostrato);
        if (r.esito == EsitoCalcolo::Rifiutato) {
            QCOMPARE(b.messaggi.size(), 1);
            QCOMPARE(b.messaggi.first(), QString::fromStdString(r.testo));
        } else {
            QVERIFY(b.messaggi.isEmpty());
        }
        if (r.esito == EsitoCalcolo::Riuscito) {
            ++riusciti;
            const Polinomio& p = *b.stato.polinomio;
            QCOMPARE(p.NumeroElementi(), p.Grado() + 1);
            for (int k = 0; k <= p.Grado(); ++k)
                QVERIFY(std::isfinite(p.Coeff(k)));
            QCOMPARE(b.stato.terne->NumeroElementi(), n);
            for (int i = 0; i < n; ++i)
                QVERIFY(std::isfinite(b.stato.terne->P(i)));
            QCOMPARE(b.stati, QList<int>{3});
        } else {
            QVERIFY(b.stati.isEmpty());
            QCOMPARE(b.stato.terne->NumeroElementi(), 0);
        }
    }
    QVERIFY(riusciti > 100);
}

QTEST_APPLESS_MAIN(TestCurvello)
#include "test_curvello.moc"
