// The graph tests' data: fits through the real engine, and pixels by user coordinates.
#pragma once

#include "Curvello.h"
#include "SuperficieDisegno.h"

#include <QtTest>

#include <cmath>

// The example (or other points) fitted with this degree.
inline void Calcola(StatoProgramma& s, const char* grado, const QList<QPointF>& punti = {})
{
    if (punti.isEmpty())
        s.punti.RiempiEsempio();
    for (const QPointF& p : punti)
        s.punti.Add(p.x(), p.y());
    QCOMPARE(Curvello(s, CanaliCalcolo{}).CalcolaPolinomio(grado, Separatori::Italiani()).esito,
             EsitoCalcolo::Riuscito);
}

// The device pixel under a user position.
inline QPoint Pixel(SuperficieDisegno& s, double x, double y)
{
    const QPointF d = s.Mappa().VersoDispositivo(x, y) * s.Immagine().devicePixelRatio();
    return {static_cast<int>(std::floor(d.x())), static_cast<int>(std::floor(d.y()))};
}

// Whether the colour shows within r device pixels of c.
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
