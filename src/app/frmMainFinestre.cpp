// The "Fi&nestra" menu: the four arrangements and the list of child windows.
#include "frmMain.h"

#include "DisposizioneFinestre.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

void frmMain::mnuWindowCascade_Click()
{
    Sovrapponi(mdiArea_);
}

void frmMain::mnuWindowTileHorizontal_Click()
{
    AffiancaInRighe(mdiArea_);
}

void frmMain::mnuWindowTileVertical_Click()
{
    AffiancaInColonne(mdiArea_);
}

void frmMain::mnuWindowArrangeIcons_Click()
{
    DisponiIcone(mdiArea_);
}

void frmMain::AggiornaElencoFinestre()
{
    for (QAction* a : elencoFinestre_) {
        mnuWindow_->removeAction(a);
        delete a;
    }
    elencoFinestre_.clear();
    const QList<QMdiSubWindow*> figli = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    if (figli.isEmpty())
        return;
    elencoFinestre_ << mnuWindow_->addSeparator();
    int numero = 0;
    for (QMdiSubWindow* s : figli) {
        ++numero;
        const QString prefisso = numero < 10 ? QStringLiteral("&%1 ").arg(numero)
                                              : QStringLiteral("%1 ").arg(numero);
        QString titolo = s->windowTitle();
        QAction* a = mnuWindow_->addAction(prefisso + titolo.replace(QLatin1Char('&'), QStringLiteral("&&")));
        a->setCheckable(true);
        a->setChecked(s == mdiArea_->activeSubWindow());
        QPointer<QMdiSubWindow> figlio(s);
        connect(a, &QAction::triggered, this, [this, figlio] {
            if (figlio)
                mdiArea_->setActiveSubWindow(figlio);
        });
        elencoFinestre_ << a;
    }
}
