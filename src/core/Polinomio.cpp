#include "Polinomio.h"

#include <cmath>
#include <stdexcept>

void Polinomio::ImpostaGrado(int16_t grado)
{
    grado_ = grado;
    centrata_ = false;
}

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
    centrata_ = false;
}

void Polinomio::Vuota()
{
    for (int32_t i = 0; i < conteggio_; ++i)
        coeff_[static_cast<size_t>(i)] = 0.0;
    conteggio_ = 0;
    centrata_ = false;
}

void Polinomio::ImpostaFormaCentrata(const FormaCentrata& forma)
{
    int esponente = 0;
    const double mantissa = std::frexp(forma.scala, &esponente);
    const double inversa = 1.0 / forma.scala;
    if (forma.grado != grado_ || forma.grado < 0 || forma.grado >= FormaCentrata::Capacita
        || mantissa != 0.5 || !std::isfinite(inversa) || inversa == 0.0 || !std::isfinite(forma.centro))
        throw std::invalid_argument("Polinomio: forma centrata non valida");
    forma_ = forma;
    scalaInversa_ = inversa;  // exact: the scale is a power of two
    centrata_ = true;
}

double Polinomio::ValorePolinomio(const double& X) const
{
    if (centrata_) {
        const double t = (X - forma_.centro) * scalaInversa_;
        double p = forma_.coeff[static_cast<size_t>(forma_.grado)];
        for (size_t k = static_cast<size_t>(forma_.grado); k >= 1; --k)
            p = p * t + forma_.coeff[k - 1];
        return p;
    }
    double p = Coeff(grado_);
    for (int32_t k = grado_; k >= 1; --k)
        p = p * X + coeff_[static_cast<size_t>(k - 1)];
    return p;
}
