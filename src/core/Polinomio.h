#pragma once

#include <array>
#include <cstdint>

// A fitted polynomial: its degree and the coefficients C(0) ... C(Grado).
// The degree is set independently of how many coefficients were added.
class Polinomio {
public:
    static constexpr int32_t Capacita = 101;

    int16_t Grado() const { return grado_; }
    void ImpostaGrado(int16_t grado) { grado_ = grado; }
    double Coeff(int32_t Posizione) const;
    int32_t NumeroElementi() const { return conteggio_; }
    // Throws std::length_error when all 101 slots are in use.
    void Add(const double& ValC);
    void Vuota();
    // Horner's rule over Grado, not over the count; throws std::out_of_range
    // when Grado lies outside the store.
    double ValorePolinomio(const double& X) const;

private:
    std::array<double, Capacita> coeff_{};
    int16_t conteggio_ = 0;
    int16_t grado_ = 0;
};
