#include "Disposizione.h"

#include "Twips.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMdiSubWindow>
#include <QWidget>

QSize DimensioneNecessaria(const QWidget* controllo)
{
    const QSize suggerita = controllo->sizeHint();
    if (qobject_cast<const QLabel*>(controllo) || qobject_cast<const QAbstractButton*>(controllo))
        return suggerita;
    return {controllo->minimumSizeHint().width(), suggerita.height()};
}

QRect PosizionaTwips(QWidget* controllo, double sinistra, double alto, double larghezza,
                     double altezza, double dpi)
{
    QRect r = RettangoloDaTwips(sinistra, alto, larghezza, altezza, dpi);
    r.setSize(r.size().expandedTo(DimensioneNecessaria(controllo)));
    controllo->setGeometry(r);
    return r;
}

QWidget* Cornice(QWidget* finestra)
{
    auto* cornice = qobject_cast<QMdiSubWindow*>(finestra->parentWidget());
    return cornice ? static_cast<QWidget*>(cornice) : finestra;
}
