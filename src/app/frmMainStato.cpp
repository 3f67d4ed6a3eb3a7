// The command state and the frame's view of the loaded windows.
#include "frmMain.h"

#include "Coppie.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>

namespace {

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
    const std::span<const DefinizioneComando> tabella = TabellaComandi();
    for (size_t i = 0; i < tabella.size(); ++i) {
        const StatoComando s = tabella[i].stati[codice - 1];
        if (s != StatoComando::Invariato)
            azioni_.at(static_cast<qsizetype>(i))->setEnabled(s == StatoComando::Acceso);
    }
}

QAction* frmMain::PulsanteBarra(const QString& chiave) const
{
    for (QAction* a : tbToolBar->actions())
        if (!a->isSeparator() && a->data().toString() == chiave)
            return a;
    return nullptr;
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
    for (const QPointer<QWidget>& w : daChiudere) {
        auto* s = qobject_cast<QMdiSubWindow*>(w.data());
        if (auto* coppie = s ? qobject_cast<Coppie*>(s->widget()) : nullptr)
            coppie->ChiudiComunque();
        else if (w)
            w->close();
    }
}
