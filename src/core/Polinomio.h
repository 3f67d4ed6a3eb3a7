#pragma once

#include <array>
#include <cstdint>

// The same polynomial written around the data's centre: P = sum e(k) t^k with
// t = (X - centro) / scala, scala a power of two. Where the data's X values
// are far from zero compared with their spread, Horner's rule over the
// monomial coefficients cancels every digit; in t it keeps double accuracy.
struct FormaCentrata {
    static constexpr int Capacita = 11;
    double centro = 0.0;
    double scala = 1.0;
    int16_t grado = 0;
    std::array<double, Capacita> coeff{};
};

// A fitted polynomial: its degree and the coefficients C(0) ... C(Grado).
// The degree is set independently of how many coefficients were added.
class Polinomio {
public:
    static constexpr int32_t Capacita = 101;

    int16_t Grado() const { return grado_; }
    // Changing the degree or the coefficients drops the centred form, which
    // stood for the old polynomial.
    void ImpostaGrado(int16_t grado);
    double Coeff(int32_t Posizione) const;
    int32_t NumeroElementi() const { return conteggio_; }
    // Throws std::length_error when all 101 slots are in use.
    void Add(const double& ValC);
    void Vuota();
    // The fit hands over the exact polynomial re-expressed in t as well; the
    // scale must be a power of two and the degree Grado. Throws
    // std::invalid_argument otherwise.
    void ImpostaFormaCentrata(const FormaCentrata& forma);
    bool HaFormaCentrata() const { return centrata_; }
    const FormaCentrata& Centrata() const { return forma_; }
    // Horner's rule in t when the centred form is there; otherwise over the
    // monomial coefficients and over Grado, not over the count. Throws
    // std::out_of_range when Grado lies outside the store.
    double ValorePolinomio(const double& X) const;

private:
    std::array<double, Capacita> coeff_{};
    FormaCentrata forma_{};
    double scalaInversa_ = 1.0;
    int16_t conteggio_ = 0;
    int16_t grado_ = 0;
    bool centrata_ = false;
};

// The polynomial when it is a fit, that is when it has coefficients; else
// null. A run that ended early leaves one without: its P and C would be
// zeros, not a fit.
inline const Polinomio* PolinomioAdattato(const Polinomio* pol)
{
    return pol && pol->NumeroElementi() > 0 ? pol : nullptr;
}
