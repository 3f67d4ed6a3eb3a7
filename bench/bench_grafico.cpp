// The graph's timings, offscreen, in a window of 1920x1080: a full drawing of
// the example, a full drawing of data spanning 100,000 units (a million
// samples), one tracker mouse move and one resize with its redraw.
#include "Curvello.h"
#include "MainQt.h"
#include "StatoProgramma.h"
#include "SuperficieDisegno.h"
#include "fGrafico.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>

#include <cmath>
#include <memory>

namespace {

struct Banco {
    StatoGrafico g;
    StatoProgramma s;
    std::unique_ptr<fGrafico> f;

    explicit Banco(bool ampio = false)
    {
        if (ampio) {
            for (int i = 0; i <= 20; ++i)
                s.punti.Add(i * 5000.0, std::sin(i * 0.4) * 300.0 + i * 10.0);
        } else {
            s.punti.RiempiEsempio();
        }
        Curvello(s, CanaliCalcolo{}).CalcolaPolinomio(ampio ? "5" : "2", Separatori::Italiani());
        f = std::make_unique<fGrafico>(g, s, nullptr);
        f->Form_Load();
        f->setAttribute(Qt::WA_DontShowOnScreen);
        f->resize(1920, 1080);
        f->show();
        QCoreApplication::processEvents();
    }
    void premi(const char* chiave) { f->Toolbar1_ButtonClick(f->Pulsante(QLatin1String(chiave))); }
};

void Disegno(benchmark::State& state, bool ampio)
{
    Banco b(ampio);
    for (auto _ : state)
        b.premi("Disegna");
    if (!b.s.polinomio || b.f->Picture1->width() < 1000)
        state.SkipWithError("nessun grafico");
}

void BM_DisegnoEsempio(benchmark::State& state)
{
    Disegno(state, false);
}
BENCHMARK(BM_DisegnoEsempio)->Unit(benchmark::kMillisecond);

void BM_DisegnoAmpio(benchmark::State& state)
{
    Disegno(state, true);
}
BENCHMARK(BM_DisegnoAmpio)->Unit(benchmark::kMillisecond);

void BM_MovimentoCollimatore(benchmark::State& state)
{
    Banco b;
    b.premi("Tracciatore");
    SuperficieDisegno& p = *b.f->Picture1;
    int i = 0;
    for (auto _ : state) {
        const QPointF posizione(100 + (i++ % 1000), p.height() / 2.0);
        QMouseEvent evento(QEvent::MouseMove, posizione, p.mapToGlobal(posizione), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
        QCoreApplication::sendEvent(&p, &evento);
    }
    if (b.g.Strumento != ModoStrumento::Collimatore)
        state.SkipWithError("collimatore spento");
}
BENCHMARK(BM_MovimentoCollimatore)->Unit(benchmark::kMicrosecond);

void BM_Ridimensiona(benchmark::State& state)
{
    Banco b;
    int i = 0;
    for (auto _ : state)
        b.f->resize((i++ % 2) ? 1920 : 1900, 1080);
}
BENCHMARK(BM_Ridimensiona)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return EseguiBenchmarkQt(argc, argv);
}
