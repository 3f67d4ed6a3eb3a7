// Fit engine timings, no window: the progress listener is absent.
#include "Curvello.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

enum class Dati { Esempio, Cento, Anni };

void Adatta(benchmark::State& state, const std::string& grado, Dati dati)
{
    StatoProgramma stato;
    if (dati == Dati::Esempio) {
        stato.punti.RiempiEsempio();
    } else if (dati == Dati::Anni) {
        // Years as X: ill-conditioned enough to need the widest solve.
        for (int i = 0; i <= 30; ++i)
            stato.punti.Add(1990 + i, 50.0 + 3.0 * std::sin(i * 0.4) + i);
    } else {
        for (int i = 1; i <= 100; ++i)
            stato.punti.Add(i * 0.37 - 12.0, std::sin(i * 0.1) * 40.0 + i);
    }
    Curvello motore(stato, {});
    const Separatori sep = Separatori::Italiani();
    for (auto _ : state) {
        RisultatoCalcolo r = motore.CalcolaPolinomio(grado, sep);
        benchmark::DoNotOptimize(r);
        if (r.esito != EsitoCalcolo::Riuscito)
            state.SkipWithError("il calcolo non è riuscito");
    }
}

void BM_Grado10Su100Punti(benchmark::State& state) { Adatta(state, "10", Dati::Cento); }
void BM_Grado2SullEsempio(benchmark::State& state) { Adatta(state, "2", Dati::Esempio); }
void BM_Grado10SuTrentunAnni(benchmark::State& state) { Adatta(state, "10", Dati::Anni); }

} // namespace

BENCHMARK(BM_Grado10Su100Punti)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Grado2SullEsempio)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Grado10SuTrentunAnni)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
