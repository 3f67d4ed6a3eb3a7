// What the toolbar buttons and the menu entries do.
#include "frmMain.h"

#include "Coppie.h"
#include "Costanti.h"
#include "Curvello.h"
#include "Dialoghi.h"
#include "Disposizione.h"
#include "EseguiPasso.h"
#include "Funzioni.h"
#include "Guida.h"
#include "SeparatoriLocale.h"
#include "Tabella.h"
#include "fGrafico.h"
#include "frmAbout.h"
#include "frmOptions.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>

#include <stdexcept>

namespace {

const QString TestoNuovo = QStringLiteral(
    "ATTENZIONE! Verranno azzerati tutti i valori e si inizierà una nuova simulazione, continuare?");


QString TestoErroreComando(const char* testo)
{
    return QStringLiteral("Si è verificato un errore imprevisto durante il comando \"%1\": il comando è stato "
                          "interrotto.")
        .arg(QString::fromUtf8(testo).remove(QLatin1Char('&')).trimmed());
}

QWidget& Esistente(const QPointer<QWidget>& finestra)
{
    if (!finestra)
        throw std::runtime_error("finestra non creata");
    return *finestra;
}

} // namespace

void frmMain::tbToolBar_ButtonClick(QAction* pulsante)
{
    if (!pulsante)
        return;
    const QString chiave = pulsante->data().toString();
    for (const DefinizioneComando& c : TabellaComandi())
        if (c.posto == PostoComando::Barra && chiave == QLatin1String(c.nome)) {
            EseguiPasso([this, &c] { Esegui(c); });
            return;
        }
}

void frmMain::Esegui(const DefinizioneComando& comando)
{
    if (comando.file)
        (file_.get()->*comando.file)();
    else
        (this->*comando.gestore)();
}

void frmMain::EseguiVoce(const DefinizioneComando& comando)
{
    try {
        Esegui(comando);
    } catch (const std::exception&) {
        dialoghi_->Messaggio(TestoErroreComando(comando.testo), QString::fromUtf8(TitoloApplicazione),
                             PulsantiMessaggio::Ok, IconaMessaggio::Nessuna);
    }
}

void frmMain::ComandoPunti()
{
    EseguiPasso([this] { MostraCoppie(); });
}

void frmMain::ComandoCalcolo()
{
    // The fit runs also when the copy failed, on what the points then hold.
    EseguiPasso([this] {
        if (FormAperto(QStringLiteral("Coppie")))
            CopiaGrigliaNeiPunti();
    });
    EseguiPasso([this] { Calcola(); });
}

void frmMain::ComandoGrafico()
{
    ApriGrafico();
}

void frmMain::ApriGrafico()
{
    MostraRisultato(
        [this] {
            auto* grafico = new fGrafico(stato_.grafico, stato_.programma, dialoghi_.get());
            mdiArea_->addSubWindow(grafico);
            grafico->Form_Load();
            return grafico;
        },
        stato_.fGrafico);
}

void frmMain::ComandoTabella()
{
    MostraRisultato(
        [this] {
            auto* tabella = new Tabella;
            mdiArea_->addSubWindow(tabella);
            tabella->Form_Load(stato_.programma.polinomio.get(), stato_.programma.punti,
                              stato_.programma.oggcoppiecopia.get());
            return tabella;
        },
        stato_.Tabella);
}

void frmMain::ComandoEsempio()
{
    EseguiPasso([this] { stato_.programma.punti.RiempiEsempio(); });
    EseguiPasso([this] { MostraCoppie(); });
}

void frmMain::MostraRisultato(const std::function<QWidget*()>& crea, QPointer<QWidget>& designata)
{
    QPointer<QWidget> nuova;
    EseguiPasso([&] {
        nuova = crea();
        designata = nuova;
    });
    EseguiPasso([&] { Cornice(&Esistente(nuova))->show(); });
    EseguiPasso([&] { Esistente(nuova).setWindowTitle(QStringLiteral("Grado: ") + GradoPolinomio->text()); });
}

void frmMain::Calcola()
{
    if (motore_)
        motore_->CalcolaPolinomio(GradoPolinomio->text().toStdString(), SeparatoriLocale());
}

Coppie& frmMain::MostraCoppie()
{
    auto* coppie = qobject_cast<Coppie*>(stato_.Coppie.data());
    if (!coppie) {
        coppie = new Coppie(stato_.programma.punti, *dialoghi_, mnuCoppieModifica);
        mdiArea_->addSubWindow(coppie);
        stato_.Coppie = coppie;
        coppie->Form_Load();
    }
    QWidget* cornice = Cornice(coppie);
    cornice->show();
    if (auto* s = qobject_cast<QMdiSubWindow*>(cornice))
        mdiArea_->setActiveSubWindow(s);
    return *coppie;
}

void frmMain::CopiaGrigliaNeiPunti()
{
    auto* coppie = qobject_cast<Coppie*>(stato_.Coppie.data());
    if (!coppie)
        throw std::runtime_error("finestra delle coppie non trovata");
    TrasferisciCoppie(*coppie, false);
}

void frmMain::mnuFileNew_Click()
{
    const RispostaMessaggio r = dialoghi_->Messaggio(TestoNuovo, QString::fromUtf8(TitoloApplicazione),
                                                     PulsantiMessaggio::OkAnnulla,
                                                     IconaMessaggio::Esclamazione);
    if (r != RispostaMessaggio::Ok)
        return;
    ChiudiFinestre();
    ImpostaStatoComandi(1);
    stato_.programma.punti.Vuota();
    AzzeraZoom(stato_.grafico);
}

void frmMain::mnuFileExit_Click()
{
    close();
}

void frmMain::mnuViewToolbar_Click()
{
    tbToolBar->setVisible(Comando(QStringLiteral("mnuViewToolbar"))->isChecked());
}

void frmMain::mnuViewStatusBar_Click()
{
    statusBar()->setVisible(Comando(QStringLiteral("mnuViewStatusBar"))->isChecked());
}

void frmMain::mnuViewOptions_Click()
{
    frmOptions dialogo(stato_.programma.IntestazioneUtente, this);
    dialogo.exec();
}

void frmMain::mnuHelpContents_Click()
{
    MostraGuidaNonDisponibile(*dialoghi_, windowTitle());
}

void frmMain::mnuHelpSearchForHelpOn_Click()
{
    MostraGuidaNonDisponibile(*dialoghi_, windowTitle());
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout dialogo(this);
    dialogo.exec();
}

void frmMain::mnuCoppieEliminaRiga_Click()
{
    MostraCoppie().EliminaRiga();
}

void frmMain::mnuCoppieCopia_Click()
{
    MostraCoppie().Copia();
}

void frmMain::mnuCoppieIncolla_Click()
{
    MostraCoppie().Incolla();
}
