#include "Module1.h"

#include "AvanzamentoSimulazione.h"
#include "ComandiFile.h"
#include "Curvello.h"
#include "Dialoghi.h"
#include "TraduzioneQt.h"
#include "frmMain.h"

void ImpostaValoriIniziali(StatoApplicazione& stato)
{
    // The defaults are written once, in the records themselves.
    stato.programma.limiti = LimitiCalcolo{};
    stato.grafico = StatoGrafico{};
}

void AzzeraZoom(StatoGrafico& grafico)
{
    grafico.GraficoZoommato = false;
    if (grafico.Strumento == ModoStrumento::ZoomRettangolo)
        grafico.Strumento = ModoStrumento::Nessuno;
}

Applicazione::Applicazione(QSettings& impostazioni, std::unique_ptr<Dialoghi> dialoghi)
{
    ImpostaValoriIniziali(stato_);
    finestra_ = std::make_unique<frmMain>(stato_, impostazioni, std::move(dialoghi));
    avanzamento_ = std::make_unique<AscoltatoreFinestraAvanzamento>(finestra_.get());
    frmMain* f = finestra_.get();
    CanaliCalcolo canali;
    canali.messaggio = [f](const std::string& testo) { f->MostraMessaggioCalcolo(testo); };
    canali.avanzamento = avanzamento_.get();
    canali.impostaStatoComandi = [f](int16_t codice) { f->ImpostaStatoComandi(codice); };
    motore_ = std::make_unique<Curvello>(stato_.programma, std::move(canali));
    finestra_->ImpostaMotore(motore_.get());
}

Applicazione::~Applicazione()
{
    // The engine talks to the window: it goes first.
    motore_.reset();
    avanzamento_.reset();
    finestra_.reset();
}

std::unique_ptr<Applicazione> Main(QSettings& impostazioni, std::unique_ptr<Dialoghi> dialoghi,
                                   const QStringList& argomenti)
{
    InstallaTraduzioneQt();
    auto programma = std::make_unique<Applicazione>(impostazioni, std::move(dialoghi));
    frmMain& finestra = programma->FinestraPrincipale();
    finestra.MDIForm_Load();
    finestra.setWindowState(Qt::WindowMaximized);
    finestra.show();
    finestra.File().ApriAllAvvio(argomenti);
    return programma;
}
