#include "XYPoli.h"

#include <cmath>
#include <stdexcept>

const XYPoli::Terna& XYPoli::terna(int32_t posizione) const
{
    if (posizione < 0 || posizione >= Capacita)
        throw std::out_of_range("XYPoli: indice fuori intervallo");
    return terne_[static_cast<size_t>(posizione)];
}

double XYPoli::X(int32_t Posizione) const { return terna(Posizione).x; }
double XYPoli::Y(int32_t Posizione) const { return terna(Posizione).y; }
double XYPoli::P(int32_t Posizione) const { return terna(Posizione).p; }

void XYPoli::YsuX(double& x, double& y) const
{
    double migliorX = terne_[0].x;
    double migliorY = terne_[0].y;
    for (int32_t i = 0; i < conteggio_; ++i) {
        const Terna& t = terne_[static_cast<size_t>(i)];
        if (std::abs(migliorX - x) > std::abs(t.x - x)) {
            migliorX = t.x;
            migliorY = t.y;
        }
    }
    x = migliorX;
    y = migliorY;
}

void XYPoli::Add(const double& ValX, const double& ValY, const double& ValP)
{
    if (conteggio_ >= Capacita)
        throw std::length_error("XYPoli: tutte le 301 terne sono in uso");
    terne_[static_cast<size_t>(conteggio_)] = {ValX, ValY, ValP};
    ++conteggio_;
}

void XYPoli::Vuota()
{
    for (int32_t i = 0; i < conteggio_; ++i)
        terne_[static_cast<size_t>(i)] = {};
    conteggio_ = 0;
}
