#include "DisposizioneFinestre.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

QList<QMdiSubWindow*> Visibili(QMdiArea* area, bool minimizzate)
{
    QList<QMdiSubWindow*> r;
    for (QMdiSubWindow* s : area->subWindowList(QMdiArea::CreationOrder))
        if (s->isVisible() && s->isMinimized() == minimizzate)
            r << s;
    return r;
}

// The area left to normal windows: the viewport less the icons' rows.
QRect AreaLibera(QMdiArea* area)
{
    QRect r = area->viewport()->rect();
    DisponiIcone(area);
    int alto = r.bottom() + 1;
    for (QMdiSubWindow* s : Visibili(area, true))
        alto = std::min(alto, s->geometry().top());
    r.setBottom(alto - 1);
    return r;
}

void Affianca(QMdiArea* area, bool inRighe)
{
    const QList<QMdiSubWindow*> finestre = Visibili(area, false);
    if (finestre.isEmpty())
        return;
    for (QMdiSubWindow* s : finestre)
        if (s->isMaximized())
            s->showNormal();
    const QRect libera = AreaLibera(area);
    const int n = static_cast<int>(finestre.size());
    const int totale = inRighe ? libera.height() : libera.width();
    for (int i = 0; i < n; ++i) {
        // Spread the remainder so that the pieces fill the area exactly.
        const int inizio = totale * i / n;
        const int fine = totale * (i + 1) / n;
        const QRect r = inRighe
            ? QRect(libera.left(), libera.top() + inizio, libera.width(), fine - inizio)
            : QRect(libera.left() + inizio, libera.top(), fine - inizio, libera.height());
        finestre[i]->setGeometry(r);
    }
}

} // namespace

void Sovrapponi(QMdiArea* area)
{
    const QRect libera = AreaLibera(area);
    QPoint angolo = libera.topLeft();
    for (QMdiSubWindow* s : Visibili(area, false)) {
        if (s->isMaximized())
            s->showNormal();
        const QSize minima = s->minimumSize().expandedTo(s->minimumSizeHint());
        if (!libera.contains(QRect(angolo, minima)))
            angolo = libera.topLeft();  // the steps ran out of room: again from the corner
        // Its own size, cut only where it would stick out of the area.
        const QSize resto(libera.right() + 1 - angolo.x(), libera.bottom() + 1 - angolo.y());
        s->setGeometry(QRect(angolo, s->size().boundedTo(resto).expandedTo(minima)));
        // The window's content starts below the frame's edge and title bar.
        const int passo = s->widget() && s->widget()->y() > 0
            ? s->widget()->y()
            : s->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, s);
        angolo += QPoint(passo, passo);
    }
}

void AffiancaInRighe(QMdiArea* area)
{
    Affianca(area, true);
}

void AffiancaInColonne(QMdiArea* area)
{
    Affianca(area, false);
}

void DisponiIcone(QMdiArea* area)
{
    const QRect r = area->viewport()->rect();
    int x = r.left();
    int y = r.bottom() + 1;
    int altezzaRiga = 0;
    for (QMdiSubWindow* s : Visibili(area, true)) {
        const QSize d = s->size();
        if (x > r.left() && x + d.width() > r.right() + 1) {
            x = r.left();
            y -= altezzaRiga;
            altezzaRiga = 0;
        }
        if (altezzaRiga == 0)
            altezzaRiga = d.height();
        s->move(x, y - altezzaRiga);
        x += d.width();
    }
}
