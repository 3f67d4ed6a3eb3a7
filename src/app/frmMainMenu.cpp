// The toolbar and the menus: every action of the frame is made here.
#include "frmMain.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <tuple>

namespace {

struct Pulsante {
    const char* chiave;
    const char* suggerimento;
    bool immagine;  // otherwise the key is its caption
};

constexpr Pulsante PulsantiBarra[] = {
    {"New", "Nuova simulazione", true},
    {"Open", "Carica simulazione", true},
    {"Save", "Salva simulazione", true},
    {nullptr, nullptr, false},
    {"Print", "Print", true},
    {nullptr, nullptr, false},
    {"Punti", "Valori iniziali", false},
    {"Calcolo", "Inizio simulazione", false},
    {"Grafico", "Grafico", false},
    {"Tabella", "Tabella", false},
    {"Esempio", "Esempio", false},
};

} // namespace

void frmMain::CreaBarraStrumenti()
{
    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(16, 16));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, tbToolBar);

    for (const Pulsante& p : PulsantiBarra) {
        if (!p.chiave) {
            tbToolBar->addSeparator();
            continue;
        }
        const QString chiave = QString::fromLatin1(p.chiave);
        QAction* a = tbToolBar->addAction(chiave);
        a->setObjectName(chiave);
        a->setData(chiave);
        a->setToolTip(QString::fromLatin1(p.suggerimento));
        if (p.immagine)
            a->setIcon(QIcon(QStringLiteral(":/curvello/barra/%1.png").arg(chiave)));
    }
    connect(tbToolBar, &QToolBar::actionTriggered, this, &frmMain::tbToolBar_ButtonClick);
}

QAction* frmMain::CreaVoce(const QString& nome, const QString& testo, void (frmMain::*gestore)())
{
    auto* a = new QAction(testo, this);
    a->setObjectName(nome);
    connect(a, &QAction::triggered, this, gestore);
    return a;
}

void frmMain::CreaMenu()
{
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* nuovo = CreaVoce(QStringLiteral("mnuFileNew"), QStringLiteral("Nu&ovo"), &frmMain::mnuFileNew_Click);
    nuovo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFile->addAction(nuovo);

    // Never shown: they belong to no menu or toolbar, so neither the mouse nor
    // their shortcut can reach them. They are not made invisible either, as an
    // invisible QAction cannot be enabled and they must hold the command state.
    CreaVoce(QStringLiteral("mnuFileOpen"), QStringLiteral("&Apri..."), &frmMain::mnuFileOpen_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    CreaVoce(QStringLiteral("mnuFileSave"), QStringLiteral("&Salva"), &frmMain::mnuFileSave_Click);
    CreaVoce(QStringLiteral("mnuFileSaveAs"), QStringLiteral("Sal&va con nome..."), &frmMain::mnuFileSaveAs_Click);
    CreaVoce(QStringLiteral("mnuFileEsporta"), QStringLiteral("E&sporta tabella..."), &frmMain::mnuFileEsporta_Click);
    CreaVoce(QStringLiteral("mnuFileEsportaGrafico"), QStringLiteral("Es&porta grafico..."),
             &frmMain::mnuFileEsportaGrafico_Click);
    CreaVoce(QStringLiteral("mnuFilePrint"), QStringLiteral("S&tampa..."), &frmMain::mnuFilePrint_Click);

    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileBar"));
    mnuFile->addAction(CreaVoce(QStringLiteral("mnuFileExit"), QStringLiteral("&Esci"), &frmMain::mnuFileExit_Click));

    QMenu* mnuView = menuBar()->addMenu(QStringLiteral("&Visualizza"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    for (auto [nome, testo, gestore] :
         {std::tuple{"mnuViewToolbar", "Barra degli &strumenti", &frmMain::mnuViewToolbar_Click},
          std::tuple{"mnuViewStatusBar", "&Barra di stato", &frmMain::mnuViewStatusBar_Click}}) {
        QAction* a = CreaVoce(QString::fromLatin1(nome), QString::fromLatin1(testo), gestore);
        a->setCheckable(true);
        a->setChecked(true);
        mnuView->addAction(a);
    }
    mnuView->addSeparator()->setObjectName(QStringLiteral("mnuViewBar"));
    mnuView->addAction(CreaVoce(QStringLiteral("mnuViewOptions"), QStringLiteral("&Opzioni..."), &frmMain::mnuViewOptions_Click));

    mnuWindow_ = menuBar()->addMenu(QStringLiteral("Fi&nestra"));
    mnuWindow_->setObjectName(QStringLiteral("mnuWindow"));
    mnuWindow_->addAction(CreaVoce(QStringLiteral("mnuWindowCascade"), QStringLiteral("&Sovrapponi"), &frmMain::mnuWindowCascade_Click));
    mnuWindow_->addAction(CreaVoce(QStringLiteral("mnuWindowTileHorizontal"), QStringLiteral("Affianca &orizzontalmente"),
                                   &frmMain::mnuWindowTileHorizontal_Click));
    mnuWindow_->addAction(CreaVoce(QStringLiteral("mnuWindowTileVertical"), QStringLiteral("Affianca &verticalmente"),
                                   &frmMain::mnuWindowTileVertical_Click));
    mnuWindow_->addAction(CreaVoce(QStringLiteral("mnuWindowArrangeIcons"), QStringLiteral("&Disponi icone"),
                                   &frmMain::mnuWindowArrangeIcons_Click));
    connect(mnuWindow_, &QMenu::aboutToShow, this, &frmMain::AggiornaElencoFinestre);

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&?"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->addAction(CreaVoce(QStringLiteral("mnuHelpContents"), QStringLiteral("&Sommario"), &frmMain::mnuHelpContents_Click));
    mnuHelp->addAction(CreaVoce(QStringLiteral("mnuHelpSearchForHelpOn"), QStringLiteral("&Cerca argomento..."),
                                &frmMain::mnuHelpSearchForHelpOn_Click));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpBar"));
    mnuHelp->addAction(CreaVoce(QStringLiteral("mnuHelpAbout"), QStringLiteral("&Informazioni su "), &frmMain::mnuHelpAbout_Click));

    // The pairs grid's right-click menu; never in the menu bar.
    mnuCoppieModifica = new QMenu(QStringLiteral("Modiifica"), this);
    mnuCoppieModifica->setObjectName(QStringLiteral("mnuCoppieModifica"));
    mnuCoppieModifica->addAction(CreaVoce(QStringLiteral("mnuCoppieEliminaRiga"), QStringLiteral("Elimina riga"),
                                          &frmMain::mnuCoppieEliminaRiga_Click));
}
