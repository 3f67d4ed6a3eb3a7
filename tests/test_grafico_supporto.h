// A graph window's pixels and a hand that uses it with the mouse; polynomials
// given by their coefficients.
#pragma once

#include "NumeriTesto.h"
#include "Polinomio.h"
#include "SuperficieDisegno.h"
#include "fGrafico.h"

#include <QAction>
#include <QLineEdit>
#include <QToolBar>
#include <QtTest>

#include <cmath>
#include <memory>

using Numeri = QList<double>;

inline std::unique_ptr<Polinomio> Polinomiale(const Numeri& c)
{
    auto p = std::make_unique<Polinomio>();
    p->ImpostaGrado(static_cast<int16_t>(c.size() - 1));
    for (double v : c)
        p->Add(v);
    return p;
}

// The device pixel under a user position.
inline QPoint Pixel(SuperficieDisegno& s, double x, double y)
{
    const QPointF d = s.VersoDispositivo(x, y) * s.Immagine().devicePixelRatio();
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

inline double Numero(const QString& testo) { return ConvertiTesto(testo.toStdString(), Separatori::Italiani()).value_or(std::nan("")); }

// A graph window used by hand: its buttons and its plot clicked with the
// mouse, plot positions in data units.
struct Mano {
    fGrafico* fin = nullptr;
    const StatoGrafico* sg = nullptr;

    void premi(const char* chiave) { QTest::mouseClick(fin->Toolbar1->widgetForAction(fin->Pulsante(QLatin1String(chiave))), Qt::LeftButton); }
    QPoint punto(double x, double y) const { return fin->Picture1->VersoDispositivo(x, y).toPoint(); }
    void muovi(double x, double y) { QTest::mouseMove(fin->Picture1, punto(x, y)); }
    void clicca(double x, double y, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(fin->Picture1, b, {}, punto(x, y)); }
    QPoint pixel(double x, double y) const { return Pixel(*fin->Picture1, x, y); }
    bool colore(double x, double y, QColor c) const { return ColoreIn(fin->Picture1->Immagine(), pixel(x, y), c); }
    // Enabled buttons, left to right, as '1' and '0'.
    QString accesi() const
    {
        QString r;
        for (QAction* a : fin->Toolbar1->actions())
            r += a->isEnabled() ? u'1' : u'0';
        return r;
    }
    // The six difference boxes, "|" between them.
    QString differenze() const { return QStringList{fin->DiffX1->text(), fin->DiffY1->text(), fin->DiffX2->text(), fin->DiffY2->text(), fin->DiffX->text(), fin->DiffY->text()}.join(u'|'); }
};
