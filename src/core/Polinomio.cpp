#include "Polinomio.h"

#include <stdexcept>

double Polinomio::Coeff(int32_t Posizione) const
{
    if (Posizione < 0 || Posizione >= Capacita)
        throw std::out_of_range("Polinomio: indice fuori intervallo");
    return coeff_[static_cast<size_t>(Posizione)];
}

void Polinomio::Add(const double& ValC)
{
    if (conteggio_ >= Capacita)
        throw std::length_error("Polinomio: tutti i 101 coefficienti sono in uso");
    coeff_[static_cast<size_t>(conteggio_)] = ValC;
    ++conteggio_;
}

void Polinomio::Vuota()
{
    for (int32_t i = 0; i < conteggio_; ++i)
        coeff_[static_cast<size_t>(i)] = 0.0;
    conteggio_ = 0;
}

double Polinomio::ValorePolinomio(const double& X) const
{
    double p = Coeff(grado_);
    for (int32_t k = grado_; k >= 1; --k)
        p = p * X + coeff_[static_cast<size_t>(k - 1)];
    return p;
}
