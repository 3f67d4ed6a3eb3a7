// Data file timings: save and load of a full point set (301 points), on disk
// and in memory.
#include "FileDati.h"
#include "ScritturaSicura.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

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
    const QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("bench_io.cv"));
    const std::filesystem::path percorso = nome.toStdU16String();
    for (auto _ : state) {
        SalvaFileDatiSicuro(stato, nome);
        MySource letti;
        std::string grado;
        CaricaFileDati(letti, percorso, Separatori::Italiani(), [&](const std::string& t) { grado = t; });
        Verifica(state, letti);
        benchmark::DoNotOptimize(letti);
    }
}

void BM_SalvaCaricaMemoria301Punti(benchmark::State& state)
{
    const StatoProgramma stato = StatoPieno();
    for (auto _ : state) {
        std::istringstream in(TestoFileDati(stato, "memoria"));
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
