// Fit engine timings, no window: the progress listener is absent. The whole
// fit (fast path, exact solve when it cannot prove its rounding), the exact
// solve alone, the fast path alone, the exact statistics of a fit, and one
// evaluation of P(X).
#include "Curvello.h"
#include "SoluzioneCertificata.h"
#include "Statistiche.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

enum class Dati { Esempio, Cento, DaUnoACento, Anni, Filip };

// Filip: 82 points between -9 and -3 with every bit of the mantissa used, as
// in the hardest of the usual reference problems.
void Riempi(MySource& punti, Dati dati)
{
    switch (dati) {
    case Dati::Esempio:
        punti.RiempiEsempio();
        break;
    case Dati::Anni:
        for (int i = 0; i <= 30; ++i)
            punti.Add(1990 + i, 50.0 + 3.0 * std::sin(i * 0.4) + i);
        break;
    case Dati::Cento:
        for (int i = 1; i <= 100; ++i)
            punti.Add(i * 0.37 - 12.0, std::sin(i * 0.1) * 40.0 + i);
        break;
    case Dati::DaUnoACento:
        for (int i = 1; i <= 100; ++i)
            punti.Add(i, std::log(i) * 10.0 + (i % 7));
        break;
    case Dati::Filip:
        for (int i = 0; i < 82; ++i) {
            const double x = -9.0 + 6.0 * i / 81.0;
            punti.Add(x, 0.8 + 0.05 * std::exp(x / 3.0) + 0.01 * std::sin(7 * x));
        }
        break;
    }
}

// The data's X and Y as the solvers take them.
struct Colonne {
    std::vector<double> x, y;

    explicit Colonne(Dati dati)
    {
        MySource s;
        Riempi(s, dati);
        for (int i = 0; i < s.NumeroElementi(); ++i) {
            x.push_back(s.X(i));
            y.push_back(s.Y(i));
        }
    }
};

void Adatta(benchmark::State& state, int grado, Dati dati)
{
    StatoProgramma stato;
    Riempi(stato.punti, dati);
    Curvello motore(stato, {});
    const Separatori sep = Separatori::Italiani();
    const std::string testo = std::to_string(grado);
    for (auto _ : state) {
        RisultatoCalcolo r = motore.CalcolaPolinomio(testo, sep);
        benchmark::DoNotOptimize(r);
        if (r.esito != EsitoCalcolo::Riuscito)
            state.SkipWithError("il calcolo non è riuscito");
    }
}

void Esatto(benchmark::State& state, int grado, Dati dati)
{
    const auto [x, y] = Colonne(dati);
    for (auto _ : state) {
        SoluzioneSistema r = RisolviEsatto(x, y, grado);
        benchmark::DoNotOptimize(r);
    }
}

void Certificato(benchmark::State& state, int grado, Dati dati)
{
    const auto [x, y] = Colonne(dati);
    bool certo = false;
    for (auto _ : state) {
        auto r = RisolviCertificato(x, y, grado);
        certo = r.has_value();
        benchmark::DoNotOptimize(r);
    }
    state.counters["certificato"] = certo ? 1 : 0;
}

void Statistiche(benchmark::State& state, int grado, Dati dati)
{
    const auto [x, y] = Colonne(dati);
    for (auto _ : state) {
        StatisticheAdattamento r = CalcolaStatistiche(x, y, grado);
        benchmark::DoNotOptimize(r);
    }
}

// One P(X) at a point of the data's range: Horner in t and, for comparison,
// Horner over the monomial coefficients.
void Valore(benchmark::State& state, bool centrata)
{
    StatoProgramma stato;
    Riempi(stato.punti, Dati::Cento);
    Curvello(stato, {}).CalcolaPolinomio("10", Separatori::Italiani());
    Polinomio p = *stato.polinomio;
    if (!centrata)
        p.ImpostaGrado(p.Grado());
    double x = 3.25;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        double v = p.ValorePolinomio(x);
        benchmark::DoNotOptimize(v);
    }
}

} // namespace

BENCHMARK_CAPTURE(Adatta, Grado10Su100Punti, 10, Dati::Cento)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Adatta, Grado10DaUnoACento, 10, Dati::DaUnoACento)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Adatta, Grado2SullEsempio, 2, Dati::Esempio)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Adatta, Grado8SuTrentunAnni, 8, Dati::Anni)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Adatta, Grado10SuTrentunAnni, 10, Dati::Anni)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Adatta, Grado10Filip, 10, Dati::Filip)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Esatto, Grado10Su100Punti, 10, Dati::Cento)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Esatto, Grado10DaUnoACento, 10, Dati::DaUnoACento)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Esatto, Grado2SullEsempio, 2, Dati::Esempio)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Esatto, Grado10SuTrentunAnni, 10, Dati::Anni)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Esatto, Grado10Filip, 10, Dati::Filip)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Certificato, Grado10Su100Punti, 10, Dati::Cento)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Certificato, Grado10DaUnoACento, 10, Dati::DaUnoACento)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Certificato, Grado2SullEsempio, 2, Dati::Esempio)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Certificato, Grado10Filip, 10, Dati::Filip)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Certificato, Grado10SuTrentunAnni, 10, Dati::Anni)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Statistiche, Grado10Su100Punti, 10, Dati::Cento)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Statistiche, Grado10DaUnoACento, 10, Dati::DaUnoACento)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Statistiche, Grado10SuTrentunAnni, 10, Dati::Anni)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Statistiche, Grado2SullEsempio, 2, Dati::Esempio)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Valore, FormaCentrata, true)->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(Valore, Monomiale, false)->Unit(benchmark::kNanosecond);
BENCHMARK_MAIN();
