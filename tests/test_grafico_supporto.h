// Pixels of a drawing surface: where a user position lands and which colours show there.
#pragma once

#include "SuperficieDisegno.h"

#include <QColor>
#include <QImage>
#include <QPoint>

#include <cmath>

// The device pixel under a user position.
inline QPoint Pixel(SuperficieDisegno& s, double x, double y)
{
    const QPointF d = s.Mappa().VersoDispositivo(x, y) * s.Immagine().devicePixelRatio();
    return {static_cast<int>(std::floor(d.x())), static_cast<int>(std::floor(d.y()))};
}

// Whether the colour shows within r pixels of c.
inline bool ColoreIn(const QImage& img, QPoint c, QColor colore, int r = 2)
{
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            if (img.rect().contains(c + QPoint(dx, dy)) && img.pixelColor(c + QPoint(dx, dy)) == colore)
                return true;
    return false;
}

inline bool ColoreVicino(SuperficieDisegno& s, double x, double y, QColor colore, int r = 2)
{
    return ColoreIn(s.Immagine(), Pixel(s, x, y), colore, r);
}
