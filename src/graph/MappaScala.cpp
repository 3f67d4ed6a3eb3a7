#include "MappaScala.h"

#include <cmath>
#include <limits>

MappaScala::MappaScala(double sinistra, double alto, double destra, double basso, QSizeF dispositivo)
    : sinistra_(sinistra), alto_(alto), destra_(destra), basso_(basso), dispositivo_(dispositivo)
{
    const double l = LarghezzaScala();
    const double a = AltezzaScala();
    const double w = dispositivo_.width();
    const double h = dispositivo_.height();
    valida_ = std::isfinite(sinistra_) && std::isfinite(alto_) && std::isfinite(l) && std::isfinite(a)
              && l != 0.0 && a != 0.0 && std::isfinite(w) && std::isfinite(h) && w > 0.0 && h > 0.0;
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    kx_ = valida_ ? w / l : NaN;
    ky_ = valida_ ? h / a : NaN;
}

double MappaScala::VersoUtenteX(double px) const
{
    return sinistra_ + px / kx_;
}

double MappaScala::VersoUtenteY(double py) const
{
    return alto_ + py / ky_;
}
