// The shell's timings, offscreen: from process start to the main window on
// screen, the same inside a running process, one "Calcolo" of degree 10 on
// 100 points through the real window with its progress window, opening the
// pairs window on 301 points, a results table and a graph window on 100, Save
// then Open of 100 points and the triples listing of 100 points printed to PDF;
// pasting 301 pairs into the pairs window and copying a results table of 100 points.
#include "Coppie.h"
#include "DialoghiScriptati.h"
#include "Disposizione.h"
#include "MainQt.h"
#include "Module1.h"
#include "Tabella.h"
#include "frmMain.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWindow>

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

const char* const ModoFiglio = "--fino-alla-finestra";

std::unique_ptr<Applicazione> AvviaEMostra(QSettings& impostazioni)
{
    auto programma = Main(impostazioni, std::make_unique<DialoghiScriptati>());
    frmMain& f = programma->FinestraPrincipale();
    while (!f.windowHandle() || !f.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return programma;
}

// The child process: starts the program and says when its window is shown.
int Figlio(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir cartella;
    QSettings impostazioni(cartella.filePath(QStringLiteral("c.ini")), QSettings::IniFormat);
    const auto programma = AvviaEMostra(impostazioni);
    std::puts("mostrata");
    std::fflush(stdout);
    return 0;
}

void BM_DallAvvioAllaFinestra(benchmark::State& state)
{
    const QString programma = QCoreApplication::applicationFilePath();
    for (auto _ : state) {
        QProcess figlio;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        figlio.setProcessEnvironment(ambiente);
        QElapsedTimer t;
        t.start();
        figlio.start(programma, {QString::fromLatin1(ModoFiglio)});
        QByteArray uscita;
        while (!uscita.contains("mostrata") && figlio.waitForReadyRead(30000))
            uscita += figlio.readAllStandardOutput();
        state.SetIterationTime(static_cast<double>(t.nsecsElapsed()) / 1e9);
        figlio.waitForFinished(30000);
        if (!uscita.contains("mostrata"))
            state.SkipWithError("la finestra non si è mostrata");
    }
}
BENCHMARK(BM_DallAvvioAllaFinestra)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

void BM_FinestraPrincipaleInProcesso(benchmark::State& state)
{
    QTemporaryDir cartella;
    QSettings impostazioni(cartella.filePath(QStringLiteral("c.ini")), QSettings::IniFormat);
    for (auto _ : state) {
        auto programma = AvviaEMostra(impostazioni);
        benchmark::DoNotOptimize(programma.get());
        state.PauseTiming();
        programma.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FinestraPrincipaleInProcesso)->Unit(benchmark::kMillisecond);

// A program on screen with n points, on a throw-away settings file.
struct ProgrammaDiProva {
    QTemporaryDir cartella;
    QSettings impostazioni{cartella.filePath(QStringLiteral("c.ini")), QSettings::IniFormat};
    std::unique_ptr<Applicazione> programma = AvviaEMostra(impostazioni);
    frmMain& f = programma->FinestraPrincipale();
    StatoProgramma& stato = programma->Stato().programma;

    void RiempiPunti(int n)
    {
        stato.punti.Vuota();
        for (int i = 1; i <= n; ++i)
            stato.punti.Add(i * 0.37 - 12.0, std::sin(i * 0.1) * 40.0 + i);
    }
};

void BM_CalcoloGrado10Su100Punti(benchmark::State& state)
{
    ProgrammaDiProva p;
    frmMain& f = p.f;
    StatoProgramma& stato = p.stato;
    p.RiempiPunti(100);
    f.GradoPolinomio->setText(QStringLiteral("10"));
    QAction* calcolo = f.PulsanteBarra(QStringLiteral("Calcolo"));
    for (auto _ : state) {
        f.tbToolBar_ButtonClick(calcolo);
        if (!stato.polinomio || stato.polinomio->NumeroElementi() != 11)
            state.SkipWithError("il calcolo non è riuscito");
    }
}
BENCHMARK(BM_CalcoloGrado10Su100Punti)->Unit(benchmark::kMillisecond);

// Press the button, then let the new window lay itself out and paint.
void Premi(frmMain& f, const char* chiave)
{
    f.tbToolBar_ButtonClick(f.PulsanteBarra(QString::fromLatin1(chiave)));
    QCoreApplication::processEvents();
}

void ChiudiFigli(frmMain& f)
{
    f.ChiudiFinestre();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_ApriCoppieCon301Punti(benchmark::State& state)
{
    ProgrammaDiProva p;
    for (auto _ : state) {
        state.PauseTiming();
        // Closing the window wrote its grid back: the points again.
        p.RiempiPunti(MySource::Capacita);
        state.ResumeTiming();
        Premi(p.f, "Punti");
        state.PauseTiming();
        auto* coppie = qobject_cast<Coppie*>(p.programma->Stato().Coppie.data());
        if (!coppie || coppie->TotaleRighe() != MySource::Capacita)
            state.SkipWithError("la griglia non ha 301 righe");
        ChiudiFigli(p.f);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ApriCoppieCon301Punti)->Unit(benchmark::kMillisecond);

// Opens the window of this key on a fit of degree 10 to 100 points; closing it is not timed.
void ApriRisultato(benchmark::State& state, const char* chiave, QPointer<QWidget> StatoApplicazione::*designata)
{
    ProgrammaDiProva p;
    p.RiempiPunti(100);
    p.f.GradoPolinomio->setText(QStringLiteral("10"));
    Premi(p.f, "Calcolo");
    for (auto _ : state) {
        Premi(p.f, chiave);
        state.PauseTiming();
        if (!(p.programma->Stato().*designata) || p.stato.polinomio->NumeroElementi() != 11)
            state.SkipWithError("la finestra non si è aperta");
        ChiudiFigli(p.f);
        state.ResumeTiming();
    }
}

void BM_ApriTabellaCon100Punti(benchmark::State& state)
{
    ApriRisultato(state, "Tabella", &StatoApplicazione::Tabella);
}
BENCHMARK(BM_ApriTabellaCon100Punti)->Unit(benchmark::kMillisecond);

// Created in the frame's area, laid out over its client area, drawn and painted.
void BM_ApriGraficoCon100Punti(benchmark::State& state)
{
    ApriRisultato(state, "Grafico", &StatoApplicazione::fGrafico);
}
BENCHMARK(BM_ApriGraficoCon100Punti)->Unit(benchmark::kMillisecond);

// A fit of degree 10 on 100 points, as Save and the listings need one.
void Calcolato(ProgrammaDiProva& p)
{
    p.RiempiPunti(100);
    p.f.GradoPolinomio->setText(QStringLiteral("10"));
    Premi(p.f, "Calcolo");
}

void BM_SalvaApriCon100Punti(benchmark::State& state)
{
    ProgrammaDiProva p;
    Calcolato(p);
    auto& dialoghi = dynamic_cast<DialoghiScriptati&>(p.f.dialoghi());
    const QString file = p.cartella.filePath(QStringLiteral("dati.cv"));
    for (auto _ : state) {
        dialoghi.AccodaNomeFile(file);
        Premi(p.f, "Save");
        dialoghi.AccodaRisposta(RispostaMessaggio::Ok);
        dialoghi.AccodaNomeFile(file);
        Premi(p.f, "Open");
        if (p.stato.punti.NumeroElementi() != 100)
            state.SkipWithError("i punti non sono tornati");
    }
}
BENCHMARK(BM_SalvaApriCon100Punti)->Unit(benchmark::kMillisecond);

void BM_StampaTerne100PuntiSuPdf(benchmark::State& state)
{
    ProgrammaDiProva p;
    Calcolato(p);
    p.f.File().Printer().setOutputFormat(QPrinter::PdfFormat);
    p.f.File().Printer().setOutputFileName(p.cartella.filePath(QStringLiteral("terne.pdf")));
    for (auto _ : state)
        p.f.File().StampaTerne();
}
BENCHMARK(BM_StampaTerne100PuntiSuPdf)->Unit(benchmark::kMillisecond);

// A spreadsheet's 301 rows with a header pasted into the empty pairs window,
// laid out and painted; emptying it again is not timed.
void BM_Incolla301Coppie(benchmark::State& state)
{
    ProgrammaDiProva p;
    QString testo = QStringLiteral("X\tY\r\n");
    const QString virgola = QLocale().decimalPoint();
    for (int i = 1; i <= MySource::Capacita; ++i)
        testo += QString::number(i - 12) + virgola + "37\t" + QString::number(i * 3) + virgola + "125\r\n";
    QGuiApplication::clipboard()->setText(testo);
    for (auto _ : state) {
        state.PauseTiming();
        ChiudiFigli(p.f);
        p.stato.punti.Vuota();
        Premi(p.f, "Punti");
        auto* coppie = qobject_cast<Coppie*>(p.programma->Stato().Coppie.data());
        state.ResumeTiming();
        coppie->Incolla();
        QCoreApplication::processEvents();
        if (coppie->TotaleRighe() != MySource::Capacita)
            state.SkipWithError("la griglia non ha 301 righe");
    }
}
BENCHMARK(BM_Incolla301Coppie)->Unit(benchmark::kMillisecond);

// "Copia" on the points of a results table of 100 points: the whole grid, 100 rows of four cells.
void BM_CopiaTabellaDi100Punti(benchmark::State& state)
{
    ProgrammaDiProva p;
    Calcolato(p);
    Premi(p.f, "Tabella");
    auto* tabella = qobject_cast<Tabella*>(p.programma->Stato().Tabella.data());
    QAction* copia = tabella->DataTerna->actions().value(0);
    for (auto _ : state) {
        copia->trigger();
        if (QGuiApplication::clipboard()->text().count(u'\n') != 100)
            state.SkipWithError("non sono state copiate 100 righe");
    }
}
BENCHMARK(BM_CopiaTabellaDi100Punti)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], ModoFiglio) == 0)
        return Figlio(argc, argv);
    return EseguiBenchmarkQt(argc, argv);
}
