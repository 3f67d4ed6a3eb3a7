// The least-squares fit: every outcome; results against a literal run of the
// algorithm in exact rationals and against the exact solve on random problems.
#include "Curvello.h"
#include "MinimiQuadrati.h"
#include "SoluzioneCertificata.h"
#include "Statistiche.h"

#include <QtTest>

#include <boost/multiprecision/cpp_int.hpp>

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <random>
#include <vector>

namespace {

using Razionale = boost::multiprecision::cpp_rational;
using boost::multiprecision::cpp_int;
using Punti = QList<QPointF>;

struct Avanzamento : AscoltatoreAvanzamento {
    int mostrato = 0, chiuso = 0, passi = 0;
    float ultimo = -1;
    bool aperto = false;
    void Mostra() override { ++mostrato, aperto = true; }
    void Avanza(float v) override { ++passi, ultimo = v; }
    void Chiudi() override { ++chiuso, aperto = false; }
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

    RisultatoCalcolo calcola(const QString& g, Separatori s = Separatori::Italiani()) { return motore.CalcolaPolinomio(g.toStdString(), s); }
};

Razionale Esatto(double v)
{
    int e = 0;
    const double f = std::frexp(v, &e);
    const Razionale m(cpp_int(static_cast<long long>(std::ldexp(f, 53)))), due(cpp_int(1) << std::abs(e - 53));
    return e >= 53 ? Razionale(m * due) : Razionale(m / due);
}

// The algorithm run literally in exact rationals, for data whose sums stay in
// range: rows scaled, the last row of largest scaled magnitude as pivot, zero
// pivots, back-substitution.
struct Atteso {
    EsitoSistema esito = EsitoSistema::Risolto;
    std::vector<Razionale> c;
};

Atteso Letterale(const std::vector<double>& x, const std::vector<double>& y, int grado)
{
    const int N = grado + 1;
    Atteso r;
    auto fine = [&r](EsitoSistema e) { return r.esito = e, r; };
    std::vector<Razionale> somme(2 * N - 1), termini(N);
    for (size_t l = 0; l < x.size(); ++l) {
        Razionale p = 1;
        for (int k = 0; k < 2 * N - 1; ++k, p *= Esatto(x[l])) {
            somme[k] += p;
            if (k < N)
                termini[k] += Esatto(y[l]) * p;
        }
    }
    std::vector<std::vector<Razionale>> a(N, std::vector<Razionale>(N + 1));
    for (int i = 0; i < N; ++i) {
        Razionale s = 0;
        for (int j = 0; j < N; ++j)
            s = max(s, abs(a[i][j] = somme[i + j]));
        if (s == 0)
            return fine(EsitoSistema::RigaNulla);
        a[i][N] = termini[i];
        for (Razionale& v : a[i])
            v /= s;
    }
    for (int k = 0; k < N - 1; ++k) {
        int p = k;
        for (int q = k + 1; q < N; ++q)
            if (abs(a[q][k]) - abs(a[p][k]) >= 0)
                p = q;
        std::swap(a[k], a[p]);
        if (a[k][k] == 0)
            return fine(EsitoSistema::PivotNullo);
        for (int i = k + 1; i < N; ++i) {
            const Razionale m = a[i][k] / a[k][k];
            for (int j = k + 1; j <= N; ++j)
                a[i][j] -= m * a[k][j];
        }
    }
    if (a[N - 1][N - 1] == 0)
        return fine(EsitoSistema::UltimoPivotNullo);
    r.c.resize(N);
    for (int i = N - 1; i >= 0; --i) {
        Razionale s = a[i][N];
        for (int j = i + 1; j < N; ++j)
            s -= a[i][j] * r.c[j];
        r.c[i] = s / a[i][i];
    }
    return r;
}

// True when c is the double nearest to v (ties to the even one).
bool PiuVicino(double c, const Razionale& v)
{
    if (!std::isfinite(c))
        return false;
    int e = 0;
    const double unita = std::abs(c) < DBL_MIN ? std::ldexp(c, 1074) : std::ldexp(std::frexp(c, &e), 53);
    const bool dispari = (static_cast<long long>(unita) & 1) != 0;
    const Razionale d = abs(Esatto(c) - v);
    for (double vicino : {std::nextafter(c, INFINITY), std::nextafter(c, -INFINITY)}) {
        const Razionale dv = std::isfinite(vicino) ? Razionale(abs(Esatto(vicino) - v)) : d + 1;
        if (dv < d || (dv == d && dispari))
            return false;
    }
    return true;
}

// True when c is the double nearest to sqrt(v), compared by squaring.
bool RadiceVicina(double c, const Razionale& v)
{
    const Razionale sotto = (Esatto(c) + Esatto(std::nextafter(c, -INFINITY))) / 2;
    const Razionale sopra = (Esatto(c) + Esatto(std::nextafter(c, INFINITY))) / 2;
    return c >= 0 && std::isfinite(c) && (c == 0 || sotto * sotto <= v) && v <= sopra * sopra;
}

// Every published statistic against its definition in exact rationals, P
// from the literal run; the first difference, or nothing.
QString DifferenzeStatistiche(const std::vector<double>& x, const std::vector<double>& y, int grado,
                              int* indefiniti = nullptr)
{
    const StatisticheAdattamento s = CalcolaStatistiche(x, y, grado);
    const Atteso a = Letterale(x, y, grado);
    if (a.esito != s.esito || a.esito != EsitoSistema::Risolto)
        return a.esito == s.esito ? QString() : "esito";
    const long n = long(x.size()), N = grado + 1, nu = n - N;
    Razionale media = 0, rss = 0, tss = 0;
    for (double v : y)
        media += Esatto(v) / n;
    std::vector<Razionale> residui;
    std::vector<std::vector<Razionale>> A(N, std::vector<Razionale>(2 * N));
    for (size_t i = 0; i < x.size(); ++i) {
        Razionale p = 0, potenza = 1;
        for (int k = N; k-- > 0;)
            p = p * Esatto(x[i]) + a.c[k];
        residui.push_back(Esatto(y[i]) - p);
        rss += residui.back() * residui.back();
        tss += (Esatto(y[i]) - media) * (Esatto(y[i]) - media);
        for (int k = 0; k < 2 * N - 1; ++k, potenza *= Esatto(x[i]))
            for (int r = std::max(0L, k - N + 1); r <= std::min<long>(k, N - 1); ++r)
                A[r][k - r] += potenza;
    }
    for (int k = 0; k < N; ++k)  // Gauss-Jordan on [X^T X | I]: positive definite, no exchanges
        A[k][N + k] = 1;
    for (int k = 0; k < N; ++k)
        for (int i = 0; i < N; ++i)
            for (int j = 2 * N; i != k && j-- > k;)
                A[i][j] -= A[i][k] / A[k][k] * A[k][j];
    QString errore;
    int nulli = 0;
    using M = MotivoNonDefinito;
    // Undefined for the first of `quando` that holds: no degrees of freedom
    // (l), TSS = 0 (c), RSS = 0 (i); else the exact value, squared for a root
    // (radice: its sign), undefined only where it rounds beyond the largest double.
    const Razionale oltre = Esatto(DBL_MAX) + Esatto(std::ldexp(1, 970));
    auto vedi = [&](const QString& nome, const Statistica& v, QByteArray quando, auto valore, int radice = 0) {
        const M m = quando.contains('l') && nu == 0  ? M::NessunGradoDiLiberta
                    : quando.contains('c') && tss == 0 ? M::YTutteUguali
                    : quando.contains('i') && rss == 0 ? M::ResiduiNulli
                                                       : M::Nessuno;
        nulli += !v.valore;
        if (m != M::Nessuno ? !v.valore && v.motivo == m
            : v.valore      ? (radice ? RadiceVicina(radice * *v.valore, valore()) : PiuVicino(*v.valore, valore()))
                            : v.motivo == M::FuoriIntervallo && abs(valore()) >= (radice ? oltre * oltre : oltre))
            return;
        if (errore.isEmpty())
            errore = nome + " = " + (v.valore ? QString::number(*v.valore, 'g', 17) : "n.d.");
    };
    const Razionale s2 = nu ? Razionale(rss / nu) : 0;
    vedi("RSS", s.rss, "", [&] { return rss; });
    vedi("TSS", s.tss, "", [&] { return tss; });
    vedi("SSR", s.ssr, "", [&] { return Razionale(tss - rss); });
    vedi("R2", s.r2, "c", [&] { return Razionale(1 - rss / tss); });
    vedi("R2 corretto", s.r2Corretto, "lc", [&] { return Razionale(1 - s2 / (tss / (n - 1))); });
    vedi("s", s.s, "l", [&] { return s2; }, 1);
    vedi("F", s.f, "lci", [&] { return Razionale((tss - rss) / grado / s2); });
    for (int k = 0; k < N; ++k) {
        const Razionale varianza = s2 * A[k][N + k] / A[k][k];
        vedi(QString("SE(%1)").arg(k), s.erroriStandard[k], "l", [&] { return varianza; }, 1);
        vedi(QString("t(%1)").arg(k), s.t[k], "li", [&] { return Razionale(a.c[k] * a.c[k] / varianza); }, a.c[k] < 0 ? -1 : 1);
    }
    for (size_t i = 0; i < x.size(); ++i)
        vedi(QString("r(%1)").arg(i), s.residui[i], "", [&] { return residui[i]; });
    if (s.punti != n || s.grado != grado || s.gradiDiLiberta != nu || s.residui.size() != x.size())
        errore += " conteggi";
    if (indefiniti)
        *indefiniti = nulli;
    return errore;
}

// Random problems that stress a fit: X evenly spaced, in few clusters (often
// singular), far from zero, repeated, spanning magnitudes, any mantissa, near ties.
struct Problema {
    std::vector<double> x, y;
    int grado = 1;
    bool piccolo = false;  // small enough for the literal rational run
};

Problema Casuale(std::mt19937_64& gen, int tipo)
{
    auto intero = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); };
    auto reale = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(gen); };
    Problema p;
    p.grado = intero(1, 10);
    const int n = intero(0, 2) == 0 ? std::max(3, p.grado + 1 + intero(0, 3)) : intero(std::max(3, p.grado + 1), 100);
    const double base = std::vector<double>{1990, 1e6, 0x1p40, -5e3, 60, -300}[static_cast<size_t>(intero(0, 5))];
    const double passo = intero(1, 16) / 8.0, inizio = intero(-50, 50) / 4.0;
    const int gruppi = intero(1, p.grado + 2);
    if (tipo == 6) {
        // Four points at 0 put C(0) of the fit through the other points 2^-e
        // off the midpoint between 1 and the next double.
        p.x = {0, 0, 0, 0};
        p.y = {4.0, std::ldexp(1, -51), std::ldexp(intero(0, 1) ? 4 : -4, -intero(58, 240)), 0.0};
    }
    for (int i = 0; i < (tipo == 6 ? p.grado : n); ++i) {
        const double x = tipo == 0   ? inizio + i * passo
                         : tipo == 1 ? inizio + intero(0, gruppi - 1) * passo
                         : tipo == 2 ? base + i * passo
                         : tipo == 3 ? inizio + (i / intero(1, 3)) * passo
                         : tipo == 4 ? intero(-15, 15) * std::ldexp(1, intero(-20, 20))
                         : tipo == 5 ? reale(-3, 3)
                                     : (intero(0, 1) ? base : inizio) + (i + 1) * passo;
        const int tipoY = intero(0, 2);
        p.x.push_back(x);
        p.y.push_back(tipoY == 0   ? intero(-1000, 1000) / 8.0
                      : tipoY == 1 ? std::ldexp(std::round(std::ldexp(std::sin(x) * 10 + x / 7, 20)), -20)
                                   : reale(-100, 100));
    }
    p.piccolo = p.x.size() <= 12 && p.grado <= 4 && tipo != 5 && tipo != 2;
    return p;
}

#ifdef NDEBUG
constexpr int ProveCasuali = 2400, ProveStatistiche = 600;
#else
constexpr int ProveCasuali = 400, ProveStatistiche = 60;  // debug builds (the sanitized one too) are unoptimised
#endif


} // namespace

class TestCurvello : public QObject {
    Q_OBJECT
private slots:
    // Every outcome after an earlier fit of the example, and what it leaves behind.
    void esiti_data()
    {
        QTest::addColumn<Punti>("punti");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("esito");  // > 0: message number, < 0: minus the silent cause, 0: fitted
        QTest::addColumn<QString>("atteso");  // the degree left, the points in the snapshot, the message
        const QString m4 = "Il grado del polinomio deve essere un numero intero compreso tra 1 e 10";
        const QString m7 = "divisione per zero nell'eliminazione gaussiana !!!";
        const int fuori = -int(CausaInterruzione::FuoriIntervallo);
        auto riga = [](const char* nome) -> QTestData& { return QTest::newRow(nome); };
        auto punti = [](int quanti, double x = qQNaN()) {  // (i, sin i), or all at x
            Punti p;
            for (int i = 0; i < quanti; ++i)
                p << QPointF(std::isnan(x) ? i : x, std::isnan(x) ? std::sin(i) : i);
            return p;
        };
        riga("nessun punto") << Punti{} << "2" << 1 << "0 0 Non soo state inserite coppie X - Y, inserirle e poi ripremere Calcola";
        riga("vuoto") << punti(12) << "" << 2 << "0 0 Inserire un grado per il polinomio approssimante";
        riga("0") << punti(12) << "0" << 3 << "0 0 Il grado del polinomio approssimante non può essere minore o uguale a zero.";
        riga("11") << punti(12) << "11" << 4 << "0 0 " + m4;
        riga("2,5") << punti(12) << "2,5" << 4 << "0 0 " + m4;
        riga("en 3.0") << punti(12) << "en 3.0" << 0 << "3 12 ";
        riga("100 punti") << punti(100) << "2" << 0 << "2 100 ";
        riga("101 punti") << punti(101) << "2" << 5 << "2 101 Il numero di punti e' > di 100";
        riga("grado uguale ai punti") << punti(9) << "9" << 6 << "9 9 Il grado 9 non puo' essere >= al numero di punti 9 ";
        riga("3x") << punti(12) << "3x" << -int(CausaInterruzione::GradoNonConvertibile) << "0 0 ";
        // Fewer distinct X than coefficients: exact arithmetic meets a zero pivot
        // in the elimination (M7), or only at back-substitution (silent).
        riga("tre X uguali") << punti(3, 2) << "2" << 7 << "2 3 " + m7;
        riga("13 X uguali a 0,7, grado 6") << punti(13, 0.7) << "6" << 7 << "6 13 " + m7;
        riga("due X distinte, grado 2") << Punti{{1, 1}, {1, 2}, {2, 5}} << "2" << -int(CausaInterruzione::UltimoPivotNullo) << "2 3 ";
        riga("tutte le X nulle") << punti(3, 0) << "2" << -int(CausaInterruzione::RigaNulla) << "2 3 ";
        riga("potenza oltre l'intervallo") << Punti{{1e100, 1}, {2, 2}, {3, 3}} << "2" << fuori << "2 3 ";
        riga("somma parziale oltre l'intervallo") << Punti{{0, DBL_MAX}, {0, DBL_MAX}, {1, -DBL_MAX}} << "1" << fuori << "1 3 ";
        // Y X^k beyond the range at the second point, every partial sum within it.
        riga("prodotto fuori intervallo") << Punti{{1, -0x1.cp+1023}, {2, 0x1.8p+1023}, {0, 0}, {0, 0}, {0, 0}} << "1" << fuori << "1 5 ";
        // C(1) = DBL_MAX + 2^969 would round to DBL_MAX, but lies beyond it.
        riga("coefficiente appena oltre il massimo") << Punti{{0, -std::ldexp(1, 969)}, {1, DBL_MAX}} << "1" << fuori << "1 2 ";
        riga("coefficiente uguale al massimo") << Punti{{0, 0}, {1, DBL_MAX}} << "1" << 0 << "1 2 ";
        // Sums and coefficients in range, but P at the third point is 1.2 DBL_MAX.
        riga("P oltre l'intervallo in un punto")
            << Punti{{1.0625, -0x1.92021e5980000p+1023}, {0.5, 0x1.92021e5980000p+1023}, {-0.546875, 0x1.fae147a880000p+1023}}
            << "1" << fuori << "1 3 ";
    }

    void esiti()
    {
        QFETCH(Punti, punti);
        QFETCH(QString, testo);
        QFETCH(int, esito);
        Banco b;
        b.stato.punti.RiempiEsempio();
        QCOMPARE(b.calcola("1").esito, EsitoCalcolo::Riuscito);
        const XYPoli* terne = b.stato.terne.get();
        b.stato.punti.Vuota();
        for (const QPointF& p : punti)
            b.stato.punti.Add(p.x(), p.y());
        const bool inglese = testo.startsWith("en ");
        const RisultatoCalcolo r = b.calcola(testo.mid(inglese ? 3 : 0), inglese ? Separatori::Inglesi() : Separatori::Italiani());
        const int copia = b.stato.oggcoppiecopia->NumeroElementi();
        QTEST(QStringLiteral("%1 %2 ").arg(b.stato.polinomio->Grado()).arg(copia) + b.messaggi.join(u' '), "atteso");
        QVERIFY(b.avanzamento.chiuso == b.avanzamento.mostrato && !b.avanzamento.aperto);
        if (esito == 0) {
            QCOMPARE(r.esito, EsitoCalcolo::Riuscito);
            QCOMPARE(b.stato.polinomio->NumeroElementi(), b.stato.polinomio->Grado() + 1);
            QCOMPARE(b.stato.terne->NumeroElementi(), copia);
            QCOMPARE(b.stati, (QList<int>{3, 3}));
            return;
        }
        // No results: no coefficients, the earlier triples, no state change; C keeps the earlier solve.
        QVERIFY(b.stato.polinomio->NumeroElementi() == 0 && b.stato.terne.get() == terne);
        QCOMPARE(b.stato.terne->NumeroElementi(), 9);
        QCOMPARE(b.stati, QList<int>{3});
        QCOMPARE(b.motore.C(0), 31.0 / 9.0);
        QCOMPARE(r.esito, esito > 0 ? EsitoCalcolo::Rifiutato : EsitoCalcolo::Interrotto);
        QCOMPARE(esito > 0 ? r.messaggio : -int(r.causa), esito);
        QCOMPARE(b.messaggioConAvanzamentoAperto, esito == 7);  // M7 shows over the progress window
    }

    // Coefficients rounded to nearest from the exact solution; P(X) within 1e-13
    // of the largest exact |P|, also where Horner's rule on X cancels. Every
    // statistic against its exact value, so many of them undefined.
    void esatti_data()
    {
        QTest::addColumn<Punti>("punti");
        QTest::addColumn<int>("grado");
        QTest::addColumn<int>("indefiniti");
        const Punti esempio{{1, 5}, {2, 3}, {3, 4}, {4, 5}, {5, 7}, {6, 9}, {7, 12}, {8, 7}, {9, 6}};
        Punti anni, lontani, difficili, perfetti;
        for (int i = 0; i <= 30; ++i)
            anni << QPointF(1990 + i, 50.0 + 3.0 * std::sin(i * 0.4) + i);
        for (int i = 0; i <= 10; ++i)
            lontani << QPointF(1e11 + i, i % 3);
        for (int i = 0; i < 82; ++i) {  // every bit of the mantissa, X between -9 and -3
            const double x = -9.0 + 6.0 * i / 81.0;
            difficili << QPointF(x, 0.8 + 0.05 * std::exp(x / 3.0) + 0.01 * std::sin(7 * x));
        }
        for (int i = 0; i < 6; ++i)
            perfetti << QPointF(i * 0.5, 1 + 2 * i * 0.5 - 3 * i * i * 0.25);
        QTest::newRow("esempio, grado 1") << esempio << 1 << 0;  // 31/9, 3/5
        QTest::newRow("esempio, grado 2") << esempio << 2 << 0;  // 19/21, 2293/1155, -32/231
        for (int grado : {8, 10})
            QTest::addRow("anni, grado %d", grado) << anni << grado << 0;
        QTest::newRow("X = 1e11 + i, grado 10") << lontani << 10 << 25;
        QTest::newRow("82 punti difficili, grado 10") << difficili << 10 << 0;
        QTest::newRow("adattamento perfetto: t e F") << perfetti << 2 << 4;
        QTest::newRow("nessun grado di libertà") << esempio.mid(0, 3) << 2 << 9;
        QTest::newRow("Y tutte uguali") << Punti{{1, 4}, {2, 4}, {5, 4}, {7, 4}} << 1 << 5;
        // Points at 0 whose mean C(0) lies halfway between two doubles.
        const double u = std::ldexp(1, -52), minimo = std::ldexp(1, -1074);
        QTest::newRow("pareggio verso il pari in basso") << Punti{{0, 1}, {0, 1 + u}, {1, 3}} << 1 << 0;
        QTest::newRow("pareggio verso il pari in alto") << Punti{{0, 1 + u}, {0, 1 + 2 * u}, {1, 3}} << 1 << 0;
        QTest::newRow("subnormale, pareggio verso zero; t(1) e F oltre il double") << Punti{{0, minimo}, {0, 0}, {1, 1}} << 1 << 2;
        QTest::newRow("subnormale, pareggio verso due") << Punti{{0, 3 * minimo}, {0, 0}, {1, 1}} << 1 << 2;
    }

    void esatti()
    {
        QFETCH(Punti, punti);
        QFETCH(int, grado);
        QFETCH(int, indefiniti);
        Banco b;
        std::vector<double> x, y;
        for (const QPointF& q : punti) {
            b.stato.punti.Add(q.x(), q.y());
            x.push_back(q.x());
            y.push_back(q.y());
        }
        QCOMPARE(b.calcola(QString::number(grado)).esito, EsitoCalcolo::Riuscito);
        const Atteso atteso = Letterale(x, y, grado);
        QCOMPARE(atteso.esito, EsitoSistema::Risolto);
        const Polinomio& p = *b.stato.polinomio;
        for (int k = 0; k <= grado; ++k)
            QVERIFY2(PiuVicino(p.Coeff(k), atteso.c[k]), qPrintable(QString("C(%1) = %2").arg(k).arg(p.Coeff(k), 0, 'g', 17)));
        Razionale massimo = 0, errore = 0;
        for (double xi : x) {
            Razionale e = 0;
            for (size_t k = atteso.c.size(); k-- > 0;)
                e = e * Esatto(xi) + atteso.c[k];
            massimo = max(massimo, abs(e));
            errore = max(errore, abs(Esatto(p.ValorePolinomio(xi)) - e));
        }
        QVERIFY2(errore <= massimo * Razionale(1, 10000000000000LL),
                 qPrintable(QString("errore relativo %1").arg(Razionale(errore / massimo).convert_to<double>())));
        const XYPoli& t = *b.stato.terne;
        QCOMPARE(t.NumeroElementi(), int(punti.size()));
        for (int i = 0; i < punti.size(); ++i)
            QVERIFY(t.X(i) == x[i] && t.Y(i) == y[i] && t.P(i) == p.ValorePolinomio(x[i]));
        QVERIFY(b.stati == QList<int>{3} && b.messaggi.isEmpty());
        // The bar: set to 0, then once per matrix term and point.
        const int totale = (grado + 1) * (grado + 1) * int(punti.size());
        const Avanzamento& a = b.avanzamento;
        QVERIFY(a.mostrato == 1 && a.chiuso == 1 && a.passi == totale + 1 && a.ultimo == float(double(totale - 1) / totale * 100.0));
        int nulli = -1;
        const QString diversa = DifferenzeStatistiche(x, y, grado, &nulli);
        QVERIFY2(diversa.isEmpty() && nulli == indefiniti, qPrintable(diversa + QString(" %1 indefiniti").arg(nulli)));
    }

    // The published result and the fast path, whenever it answers, bit for bit as
    // the exact solve; small problems also against the literal rational run.
    void casuali()
    {
        std::mt19937_64 gen(20261207);
        int certificati = 0, portabili = 0, riusciti = 0, m7 = 0, silenziosi = 0, letterali = 0, statistiche = 0;
        for (int prova = 0; prova < ProveCasuali; ++prova) {
            const Problema p = Casuale(gen, prova % 7);
            const QByteArray nome = QString("prova %1, grado %2, %3 punti").arg(prova).arg(p.grado).arg(p.x.size()).toUtf8();
            const SoluzioneSistema esatta = RisolviEsatto(p.x, p.y, p.grado);
            Banco b;
            for (size_t i = 0; i < p.x.size(); ++i)
                b.stato.punti.Add(p.x[i], p.y[i]);
            const RisultatoCalcolo r = b.calcola(QString::number(p.grado));
            const Polinomio& poli = *b.stato.polinomio;
            if (esatta.esito == EsitoSistema::Risolto) {
                ++riusciti;
                QVERIFY2(r.esito == EsitoCalcolo::Riuscito, nome);
                for (int k = 0; k <= p.grado; ++k)
                    QVERIFY2(poli.Coeff(k) == esatta.coeff[k] && poli.Centrata().coeff[k] == esatta.centrata.coeff[k], nome);
            } else if (esatta.esito == EsitoSistema::PivotNullo) {
                ++m7;
                QVERIFY2(r.esito == EsitoCalcolo::Rifiutato && r.messaggio == 7, nome);
            } else {
                ++silenziosi;
                QVERIFY2(r.esito == EsitoCalcolo::Interrotto, nome);
            }
            for (const ViaCertificata via : {ViaCertificata::Migliore, ViaCertificata::Portabile}) {
                if (const auto certa = RisolviCertificato(p.x, p.y, p.grado, via)) {
                    ++(via == ViaCertificata::Migliore ? certificati : portabili);
                    QVERIFY2(esatta.esito == EsitoSistema::Risolto, nome);
                    for (int k = 0; k <= p.grado; ++k)
                        QVERIFY2(certa->coeff[k] == esatta.coeff[k] && certa->centrata.coeff[k] == esatta.centrata.coeff[k],
                                 nome);
                }
            }
            if (statistiche < ProveStatistiche && p.x.size() <= 12 && p.grado <= 7) {
                ++statistiche;
                const QString errore = DifferenzeStatistiche(p.x, p.y, p.grado);
                QVERIFY2(errore.isEmpty(), nome + qPrintable(errore));
            }
            if (p.piccolo) {
                ++letterali;
                const Atteso atteso = Letterale(p.x, p.y, p.grado);
                QVERIFY2(atteso.esito == esatta.esito, nome);
                if (atteso.esito == EsitoSistema::Risolto)
                    for (int k = 0; k <= p.grado; ++k)
                        QVERIFY2(PiuVicino(esatta.coeff[k], atteso.c[k]), nome);
            }
        }
        QVERIFY(m7 > ProveCasuali / 50 && silenziosi > ProveCasuali / 100 && letterali > ProveCasuali / 20);
        QVERIFY(certificati > riusciti / 2 && portabili > riusciti / 2);
    }

    // The door refuses a degree beyond the arrays; under upward rounding the
    // exact solve answers, with the same result.
    void porta()
    {
        // The centre 0.1 / 2 + 0.4 / 2 rounds differently upwards.
        const std::vector<double> x{0.1, 0.2, 0.3, 0.4}, y{5, 3, 4, 7};
        QCOMPARE(RisolviMinimiQuadrati(x, y, 11).esito, EsitoSistema::NonAmmesso);
        QCOMPARE(RisolviEsatto(x, y, 11).esito, EsitoSistema::NonAmmesso);
        QVERIFY(!RisolviCertificato(x, y, 11));
        QCOMPARE(CalcolaStatistiche(x, y, 11).esito, EsitoSistema::NonAmmesso);
        const SoluzioneSistema vicino = RisolviMinimiQuadrati(x, y, 2);
        std::fesetround(FE_UPWARD);
        const SoluzioneSistema insu = RisolviMinimiQuadrati(x, y, 2);
        std::fesetround(FE_TONEAREST);
        QVERIFY(vicino.via == ViaSoluzione::Certificata && insu.via == ViaSoluzione::Esatta);
        QVERIFY(insu.coeff == vicino.coeff && insu.centrata.coeff == vicino.centrata.coeff);
        QVERIFY(insu.centrata.centro == vicino.centrata.centro && insu.centrata.scala == vicino.centrata.scala);
    }
};

QTEST_APPLESS_MAIN(TestCurvello)
#include "test_curvello.moc"
