#pragma once

#include <QPointF>
#include <QRectF>

#include <algorithm>

// Cuts the segment a-b to the rectangle (Liang-Barsky); false when nothing is
// left. Inline: the curve cuts every one of up to a million samples.
inline bool Ritaglia(QPointF& a, QPointF& b, const QRectF& r)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF inizio = a;
    if (t1 < 1.0)
        b = QPointF(inizio.x() + t1 * dx, inizio.y() + t1 * dy);
    if (t0 > 0.0)
        a = QPointF(inizio.x() + t0 * dx, inizio.y() + t0 * dy);
    return true;
}
