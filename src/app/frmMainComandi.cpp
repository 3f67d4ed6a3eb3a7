// What the toolbar buttons and the menu entries do.
#include "frmMain.h"

#include "Costanti.h"
#include "Curvello.h"
#include "Dialoghi.h"
#include "EseguiPasso.h"
#include "Guida.h"
#include "SeparatoriLocale.h"
#include "frmAbout.h"
#include "frmOptions.h"

#include <QAction>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolBar>

namespace {

const QString TestoNuovo = QStringLiteral(
    "ATTENZIONE! Verranno azzerati tutti i valori e si inizierà una nuova simulazione, continuare?");

} // namespace

void frmMain::tbToolBar_ButtonClick(QAction* pulsante)
{
    if (!pulsante)
        return;
    const QString chiave = pulsante->data().toString();
    if (chiave == QLatin1String("New")) {
        EseguiPasso([this] { mnuFileNew_Click(); });
    } else if (chiave == QLatin1String("Open")) {
        EseguiPasso([this] { mnuFileOpen_Click(); });
    } else if (chiave == QLatin1String("Save")) {
        EseguiPasso([this] { mnuFileSave_Click(); });
    } else if (chiave == QLatin1String("Print")) {
        EseguiPasso([this] { mnuFilePrint_Click(); });
    } else if (chiave == QLatin1String("Punti")) {
        EseguiPasso([this] { MostraCoppie(); });
    } else if (chiave == QLatin1String("Calcolo")) {
        // The fit runs also when the copy failed, on what the points then hold.
        EseguiPasso([this] {
            if (FormAperto(QStringLiteral("Coppie")))
                CopiaGrigliaNeiPunti();
        });
        EseguiPasso([this] { Calcola(); });
    } else if (chiave == QLatin1String("Grafico")) {
        // The graph window joins here.
    } else if (chiave == QLatin1String("Tabella")) {
        // The results table joins here.
    } else if (chiave == QLatin1String("Esempio")) {
        EseguiPasso([this] { stato_.programma.punti.RiempiEsempio(); });
        EseguiPasso([this] { MostraCoppie(); });
    }
}

void frmMain::Calcola()
{
    if (motore_)
        motore_->CalcolaPolinomio(GradoPolinomio->text().toStdString(), SeparatoriLocale());
}

void frmMain::CopiaGrigliaNeiPunti()
{
    // Nothing to copy until the pairs window exists.
}

void frmMain::MostraCoppie()
{
    // Nothing to show until the pairs window exists.
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
}

// Open, save, print and the exports arrive with the data file and printing.
void frmMain::mnuFileOpen_Click() {}
void frmMain::mnuFileSave_Click() { mnuFileSaveAs_Click(); }
void frmMain::mnuFileSaveAs_Click() {}
void frmMain::mnuFileEsporta_Click() {}
void frmMain::mnuFileEsportaGrafico_Click() {}
void frmMain::mnuFilePrint_Click() {}

void frmMain::mnuFileExit_Click()
{
    close();
}

void frmMain::mnuViewToolbar_Click()
{
    auto* voce = findChild<QAction*>(QStringLiteral("mnuViewToolbar"), Qt::FindDirectChildrenOnly);
    tbToolBar->setVisible(voce->isChecked());
}

void frmMain::mnuViewStatusBar_Click()
{
    auto* voce = findChild<QAction*>(QStringLiteral("mnuViewStatusBar"), Qt::FindDirectChildrenOnly);
    statusBar()->setVisible(voce->isChecked());
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
    // Deletes the pairs grid's current row once the pairs window exists.
}
