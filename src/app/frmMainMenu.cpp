// The toolbar and the menus, built from the one table of commands.
#include "frmMain.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <stdexcept>

namespace {

constexpr StatoComando On = StatoComando::Acceso, Off = StatoComando::Spento, Ugu = StatoComando::Invariato;
using P = PostoComando;

} // namespace

std::span<const DefinizioneComando> frmMain::TabellaComandi()
{
    static constexpr DefinizioneComando tabella[] = {
        {.nome = "New", .suggerimento = "Nuova simulazione", .immagine = "New", .gestore = &frmMain::mnuFileNew_Click},
        {.nome = "Open", .tastoStandard = QKeySequence::Open, .suggerimento = "Carica simulazione", .immagine = "Open",
         .file = &ComandiFile::Apri, .stati = {On, On, On}},
        {.nome = "Save", .tastoStandard = QKeySequence::Save, .suggerimento = "Salva simulazione", .immagine = "Save",
         .file = &ComandiFile::Salva, .stati = {Off, Off, On}},
        {.nome = "Print", .tastoStandard = QKeySequence::Print, .suggerimento = "Print", .immagine = "Print",
         .file = &ComandiFile::Stampa, .separatorePrima = true, .stati = {On, Ugu, Ugu}},
        {.nome = "Punti", .tasti = "F5", .suggerimento = "Valori iniziali", .gestore = &frmMain::ComandoPunti, .separatorePrima = true},
        {.nome = "Calcolo", .tasti = "F6", .suggerimento = "Inizio simulazione", .gestore = &frmMain::ComandoCalcolo,
         .stati = {On, On, On}},
        {.nome = "Grafico", .tasti = "F7", .suggerimento = "Grafico", .gestore = &frmMain::ComandoGrafico, .stati = {Off, Off, On}},
        {.nome = "Tabella", .tasti = "F8", .suggerimento = "Tabella", .gestore = &frmMain::ComandoTabella, .stati = {Off, Off, On}},
        {.nome = "Esempio", .tasti = "F9", .suggerimento = "Esempio", .gestore = &frmMain::ComandoEsempio},

        {.nome = "mnuFileNew", .testo = "Nu&ovo", .tasti = "Ctrl+N", .gestore = &frmMain::mnuFileNew_Click,
         .posto = P::MenuFile},
        {.nome = "mnuFileOpen", .testo = "&Apri...", .tasti = "Ctrl+O", .file = &ComandiFile::Apri,
         .posto = P::FileNascosta},
        {.nome = "mnuFileSave", .testo = "&Salva", .file = &ComandiFile::Salva, .posto = P::FileNascosta,
         .stati = {Off, Off, On}},
        {.nome = "mnuFileSaveAs", .testo = "Sal&va con nome...", .file = &ComandiFile::Salva,
         .posto = P::FileNascosta, .stati = {Off, Off, On}},
        {.nome = "mnuFileEsporta", .testo = "E&sporta tabella...", .file = &ComandiFile::EsportaTabella,
         .posto = P::FileNascosta, .stati = {Off, Off, On}},
        {.nome = "mnuFileEsportaGrafico", .testo = "Es&porta grafico...", .file = &ComandiFile::EsportaGrafico,
         .posto = P::FileNascosta, .stati = {Off, Off, On}},
        {.nome = "mnuFilePrint", .testo = "S&tampa...", .file = &ComandiFile::Stampa, .posto = P::FileNascosta,
         .stati = {On, Ugu, On}},
        {.nome = "mnuFileAnteprima", .testo = "Antep&rima di stampa", .file = &ComandiFile::Anteprima,
         .posto = P::MenuFile, .stati = {On, Ugu, On}},
        {.nome = "mnuFileExit", .testo = "&Esci", .gestore = &frmMain::mnuFileExit_Click, .posto = P::MenuFile,
         .separatorePrima = true},

        {.nome = "mnuViewToolbar", .testo = "Barra degli &strumenti", .gestore = &frmMain::mnuViewToolbar_Click,
         .posto = P::MenuVisualizza, .spuntata = true},
        {.nome = "mnuViewStatusBar", .testo = "&Barra di stato", .gestore = &frmMain::mnuViewStatusBar_Click,
         .posto = P::MenuVisualizza, .spuntata = true},
        {.nome = "mnuViewOptions", .testo = "&Opzioni...", .gestore = &frmMain::mnuViewOptions_Click,
         .posto = P::MenuVisualizza, .separatorePrima = true},

        {.nome = "mnuWindowCascade", .testo = "&Sovrapponi", .gestore = &frmMain::mnuWindowCascade_Click,
         .posto = P::MenuFinestra},
        {.nome = "mnuWindowTileHorizontal", .testo = "Affianca &orizzontalmente",
         .gestore = &frmMain::mnuWindowTileHorizontal_Click, .posto = P::MenuFinestra},
        {.nome = "mnuWindowTileVertical", .testo = "Affianca &verticalmente",
         .gestore = &frmMain::mnuWindowTileVertical_Click, .posto = P::MenuFinestra},
        {.nome = "mnuWindowArrangeIcons", .testo = "&Disponi icone", .gestore = &frmMain::mnuWindowArrangeIcons_Click,
         .posto = P::MenuFinestra},

        {.nome = "mnuHelpContents", .testo = "&Sommario", .gestore = &frmMain::mnuHelpContents_Click,
         .posto = P::MenuGuida},
        {.nome = "mnuHelpSearchForHelpOn", .testo = "&Cerca argomento...",
         .gestore = &frmMain::mnuHelpSearchForHelpOn_Click, .posto = P::MenuGuida},
        {.nome = "mnuHelpAbout", .testo = "&Informazioni su ", .gestore = &frmMain::mnuHelpAbout_Click,
         .posto = P::MenuGuida, .separatorePrima = true},

        {.nome = "mnuCoppieEliminaRiga", .testo = "Elimina riga", .gestore = &frmMain::mnuCoppieEliminaRiga_Click,
         .posto = P::MenuCoppie},
        // The keys are the grid's own: shown here, they act only in the grid.
        {.nome = "mnuCoppieCopia", .testo = "Copia", .tastoStandard = QKeySequence::Copy,
         .gestore = &frmMain::mnuCoppieCopia_Click, .posto = P::MenuCoppie, .separatorePrima = true},
        {.nome = "mnuCoppieIncolla", .testo = "Incolla", .tastoStandard = QKeySequence::Paste,
         .gestore = &frmMain::mnuCoppieIncolla_Click, .posto = P::MenuCoppie},
    };
    return tabella;
}

void frmMain::CreaComandi()
{
    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(16, 16));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, tbToolBar);
    connect(tbToolBar, &QToolBar::actionTriggered, this, &frmMain::tbToolBar_ButtonClick);

    auto menu = [this](QMenu* m, const char* nome) {
        m->setObjectName(QString::fromLatin1(nome));
        return m;
    };
    QMenu* mnuFile = menu(menuBar()->addMenu(QStringLiteral("&File")), "mnuFile");
    QMenu* mnuView = menu(menuBar()->addMenu(QStringLiteral("&Visualizza")), "mnuView");
    mnuWindow_ = menu(menuBar()->addMenu(QStringLiteral("Fi&nestra")), "mnuWindow");
    QMenu* mnuHelp = menu(menuBar()->addMenu(QStringLiteral("&?")), "mnuHelp");
    // The pairs grid's right-click menu; never in the menu bar.
    mnuCoppieModifica = menu(new QMenu(QStringLiteral("Modiifica"), this), "mnuCoppieModifica");
    connect(mnuWindow_, &QMenu::aboutToShow, this, &frmMain::AggiornaElencoFinestre);

    for (const DefinizioneComando& c : TabellaComandi()) {
        const QString nome = QString::fromLatin1(c.nome);
        auto* a = new QAction(c.testo ? QString::fromUtf8(c.testo) : nome, this);
        a->setObjectName(nome);
        if (c.tasti)
            a->setShortcut(QKeySequence(QString::fromLatin1(c.tasti), QKeySequence::PortableText));
        if (c.tastoStandard != QKeySequence::UnknownKey)
            a->setShortcuts(c.tastoStandard);
        if (c.suggerimento)
            a->setToolTip(QString::fromUtf8(c.suggerimento));
        if (c.immagine)
            a->setIcon(QIcon(QStringLiteral(":/curvello/barra/%1.png").arg(QString::fromLatin1(c.immagine))));
        a->setCheckable(c.spuntata);
        a->setChecked(c.spuntata);
        azioni_ << a;

        // Hidden File entries belong to no menu or toolbar, so neither the
        // mouse nor their shortcut reaches them. They are not made invisible
        // either: an invisible QAction cannot be enabled, and they must hold
        // the command state.
        QWidget* dove = nullptr;
        switch (c.posto) {
        case PostoComando::Barra:
            a->setData(nome);
            dove = tbToolBar;
            break;
        case PostoComando::MenuFile: dove = mnuFile; break;
        case PostoComando::FileNascosta: break;
        case PostoComando::MenuVisualizza: dove = mnuView; break;
        case PostoComando::MenuFinestra: dove = mnuWindow_; break;
        case PostoComando::MenuGuida: dove = mnuHelp; break;
        case PostoComando::MenuCoppie: dove = mnuCoppieModifica; break;
        }
        if (c.posto != PostoComando::Barra)
            connect(a, &QAction::triggered, this, [this, &c] { EseguiVoce(c); });
        if (!dove)
            continue;
        if (c.separatorePrima) {
            auto* separatore = new QAction(dove);
            separatore->setSeparator(true);
            dove->addAction(separatore);
        }
        dove->addAction(a);
    }
    MostraTastiBarra();
}

void frmMain::MostraTastiBarra()
{
    const std::span<const DefinizioneComando> tabella = TabellaComandi();
    for (size_t i = 0; i < tabella.size(); ++i) {
        if (tabella[i].posto != PostoComando::Barra)
            continue;
        QAction* a = azioni_.at(static_cast<qsizetype>(i));
        // Tab reaches the buttons too: no command needs the mouse or a key to learn first.
        QWidget* pulsante = tbToolBar->widgetForAction(a);
        pulsante->setFocusPolicy(Qt::TabFocus);
        pulsante->setObjectName(a->objectName());
        // An icon-only button is read out by its Italian hint, not by the command's key name.
        if (!a->icon().isNull())
            pulsante->setAccessibleName(a->toolTip());
        // A button without a key of its own shows the key of the menu entry
        // that runs the same command; hidden entries' keys never reach.
        QKeySequence tasto = a->shortcut();
        for (size_t j = 0; tasto.isEmpty() && j < tabella.size(); ++j)
            if (tabella[j].gestore == tabella[i].gestore && tabella[j].file == tabella[i].file
                && tabella[j].posto != PostoComando::Barra
                && tabella[j].posto != PostoComando::FileNascosta)
                tasto = azioni_.at(static_cast<qsizetype>(j))->shortcut();
        if (!tasto.isEmpty())
            a->setToolTip(QStringLiteral("%1 (%2)").arg(a->toolTip(), tasto.toString(QKeySequence::NativeText)));
    }
}

QAction* frmMain::Comando(const QString& nome) const
{
    const std::span<const DefinizioneComando> tabella = TabellaComandi();
    for (size_t i = 0; i < tabella.size(); ++i)
        if (nome == QLatin1String(tabella[i].nome))
            return azioni_.at(static_cast<qsizetype>(i));
    throw std::out_of_range("nessun comando " + nome.toStdString());
}
