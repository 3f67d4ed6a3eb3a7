#pragma once

#include <QPointF>
#include <QSizeF>

// The linear map between a surface's user coordinates and its device
// coordinates (logical pixels, origin at the top-left corner). The user system
// is given by the values at the four edges; a top edge above the bottom one in
// value makes Y grow upwards. Every surface and every tool goes through this
// one class, so there is a single place where coordinates are converted.
class MappaScala {
public:
    MappaScala() = default;
    MappaScala(double sinistra, double alto, double destra, double basso, QSizeF dispositivo);

    double Sinistra() const { return sinistra_; }
    double Alto() const { return alto_; }
    double Destra() const { return destra_; }
    double Basso() const { return basso_; }
    QSizeF Dispositivo() const { return dispositivo_; }

    // Width and height of the user system, signed as the edges make them.
    double LarghezzaScala() const { return destra_ - sinistra_; }
    double AltezzaScala() const { return basso_ - alto_; }

    // False when an edge is not a finite number, an extent is zero or the
    // device has no area: then every conversion gives NaN, never a division by zero.
    bool Valida() const { return valida_; }

    double VersoDispositivoX(double x) const { return (x - sinistra_) * kx_; }
    double VersoDispositivoY(double y) const { return (y - alto_) * ky_; }
    QPointF VersoDispositivo(double x, double y) const
    {
        return {VersoDispositivoX(x), VersoDispositivoY(y)};
    }

    double VersoUtenteX(double px) const;
    double VersoUtenteY(double py) const;
    QPointF VersoUtente(QPointF p) const { return {VersoUtenteX(p.x()), VersoUtenteY(p.y())}; }

    // Device pixels per user unit along X (the circle radius is measured along X).
    double PixelPerUnitaX() const { return kx_ < 0 ? -kx_ : kx_; }

    friend bool operator==(const MappaScala& a, const MappaScala& b)
    {
        return a.sinistra_ == b.sinistra_ && a.alto_ == b.alto_ && a.destra_ == b.destra_
               && a.basso_ == b.basso_ && a.dispositivo_ == b.dispositivo_;
    }

private:
    double sinistra_ = 0.0;
    double alto_ = 0.0;
    double destra_ = 1.0;
    double basso_ = 1.0;
    QSizeF dispositivo_{1.0, 1.0};
    bool valida_ = true;
    double kx_ = 1.0;  // device pixels per user unit, NaN when not valid
    double ky_ = 1.0;
};
