// The command state and the frame's view of the loaded windows.
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>

namespace {

enum class Stato { Acceso, Spento, Invariato };

struct Riga {
    const char* nome;
    bool pulsante;  // a toolbar key, otherwise a File entry
    Stato codice1, codice2, codice3;
};

constexpr Stato On = Stato::Acceso, Off = Stato::Spento, Ugu = Stato::Invariato;

// Buttons first, then entries, in this order.
constexpr Riga TabellaStati[] = {
    {"Open", true, On, On, On},
    {"Save", true, Off, Off, On},
    {"Print", true, On, Ugu, Ugu},
    {"Calcolo", true, On, On, On},
    {"Grafico", true, Off, Off, On},
    {"Tabella", true, Off, Off, On},
    {"mnuFileSave", false, Off, Off, On},
    {"mnuFileSaveAs", false, Off, Off, On},
    {"mnuFileEsporta", false, Off, Off, On},
    {"mnuFileEsportaGrafico", false, Off, Off, On},
    {"mnuFilePrint", false, On, Ugu, On},
};

// Forms, not the pop-ups, tooltips and menus that are windows too.
bool FinestraDelProgramma(const QWidget* w)
{
    const Qt::WindowType tipo = w->windowType();
    return tipo == Qt::Window || tipo == Qt::Dialog || tipo == Qt::Sheet || tipo == Qt::Tool;
}

} // namespace

void frmMain::ImpostaStatoComandi(int16_t codice)
{
    if (codice < 1 || codice > 3)
        return;
    for (const Riga& r : TabellaStati) {
        const Stato s = codice == 1 ? r.codice1 : codice == 2 ? r.codice2 : r.codice3;
        if (s == Stato::Invariato)
            continue;
        const QString nome = QString::fromLatin1(r.nome);
        QAction* a = r.pulsante ? PulsanteBarra(nome)
                                : findChild<QAction*>(nome, Qt::FindDirectChildrenOnly);
        if (a)
            a->setEnabled(s == Stato::Acceso);
    }
}

QAction* frmMain::PulsanteBarra(const QString& chiave) const
{
    for (QAction* a : tbToolBar->actions())
        if (!a->isSeparator() && a->data().toString() == chiave)
            return a;
    return nullptr;
}

QList<QAction*> frmMain::VociFileNascoste() const
{
    QList<QAction*> voci;
    for (const char* nome : {"mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "mnuFileEsporta",
                             "mnuFileEsportaGrafico", "mnuFilePrint"})
        voci << findChild<QAction*>(QString::fromLatin1(nome), Qt::FindDirectChildrenOnly);
    return voci;
}

bool frmMain::FormAperto(const QString& nome) const
{
    for (const QMdiSubWindow* s : mdiArea_->subWindowList())
        if (s->widget() && s->widget()->objectName() == nome)
            return true;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (FinestraDelProgramma(w) && w->objectName() == nome)
            return true;
    return false;
}

void frmMain::ChiudiFinestre()
{
    // A window may close others as it closes: hold guarded references.
    QList<QPointer<QWidget>> daChiudere;
    for (QMdiSubWindow* s : mdiArea_->subWindowList(QMdiArea::CreationOrder))
        daChiudere << s;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && FinestraDelProgramma(w) && w->isVisible())
            daChiudere << w;
    for (const QPointer<QWidget>& w : daChiudere)
        if (w)
            w->close();
}
