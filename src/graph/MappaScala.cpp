#include "MappaScala.h"

#include <cmath>
#include <limits>

MappaScala::MappaScala(double inizio, double fine, double scala) : inizio_(inizio), fine_(fine), scala_(scala)
{
}

MappaScala MappaScala::SuDispositivo(double pixel) const
{
    MappaScala m = *this;
    double estensione = fine_ - inizio_;
    m.dimezza_ = !std::isfinite(estensione);
    if (m.dimezza_)
        estensione = fine_ / 2 - inizio_ / 2;
    m.valida_ = std::isfinite(inizio_) && std::isfinite(fine_) && std::isfinite(estensione) && estensione != 0.0
                && std::isfinite(pixel) && pixel > 0.0;
    m.k_ = m.valida_ ? pixel / estensione : std::numeric_limits<double>::quiet_NaN();
    return m;
}

double MappaScala::VersoValore(double pixel) const
{
    if (!dimezza_)
        return inizio_ + pixel / k_;
    return (inizio_ / 2 + pixel / k_) * 2;
}
