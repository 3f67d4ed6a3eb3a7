// Data file timings: save and load of a full point set (301 points), on disk
// and in memory.
#include "FileDati.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>

namespace {

StatoProgramma StatoPieno()
{
    StatoProgramma stato;
    for (int i = 0; i < MySource::Capacita; ++i)
        stato.punti.Add(i * 0.37 - 12.0, std::sin(i * 0.1) * 40.0 + i / 3.0);
    stato.polinomio = std::make_unique<Polinomio>();
    stato.polinomio->ImpostaGrado(10);
    for (int k = 0; k <= 10; ++k) stato.polinomio->Add(1.0 / (k + 3.0));
    return stato;
}

void Verifica(benchmark::State& state, const MySource& letti)
{
    if (letti.NumeroElementi() != MySource::Capacita) state.SkipWithError("punti persi");
}

void BM_SalvaCaricaFile301Punti(benchmark::State& state)
{
    const StatoProgramma stato = StatoPieno();
    const auto percorso = std::filesystem::temp_directory_path() / "bench_io_curvello.cv";
    for (auto _ : state) {
        SalvaFileDati(stato, percorso);
        MySource letti;
        std::string grado;
        CaricaFileDati(letti, percorso, Separatori::Italiani(), [&](const std::string& t) { grado = t; });
        Verifica(state, letti);
        benchmark::DoNotOptimize(letti);
    }
    std::error_code ec;
    std::filesystem::remove(percorso, ec);
}

void BM_SalvaCaricaMemoria301Punti(benchmark::State& state)
{
    const StatoProgramma stato = StatoPieno();
    for (auto _ : state) {
        std::ostringstream out;
        SalvaFileDati(stato, out, "memoria");
        std::istringstream in(out.str());
        MySource letti;
        CaricaFileDati(letti, in, "memoria", Separatori::Italiani(), {});
        Verifica(state, letti);
        benchmark::DoNotOptimize(letti);
    }
}

}  // namespace

BENCHMARK(BM_SalvaCaricaFile301Punti)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SalvaCaricaMemoria301Punti)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
