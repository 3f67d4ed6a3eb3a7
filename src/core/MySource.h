#pragma once

#include <array>
#include <cstdint>

// The ordered X-Y pairs a polynomial is fitted to. A fixed store: slots at or
// above the count keep whatever they last held.
class MySource {
public:
    static constexpr int32_t Capacita = 301;

    double Elemento() const { return 0.0; }
    double X(int32_t Posizione) const;
    double Y(int32_t Posizione) const;
    void RiempiEsempio();
    int32_t NumeroElementi() const { return conteggio_; }
    // Throws std::length_error when all 301 slots are in use.
    void Add(const double& ValX, const double& ValY);
    void Vuota();

private:
    struct Coppia {
        double x = 0.0;
        double y = 0.0;
    };
    const Coppia& coppia(int32_t posizione) const;

    std::array<Coppia, Capacita> coppie_{};
    int32_t conteggio_ = 0;
};
