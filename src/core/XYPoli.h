#pragma once

#include <array>
#include <cstdint>

// The result triples of a fit: each fitted point's X, its measured Y and the
// polynomial's value P at that X, in the point set's order.
class XYPoli {
public:
    static constexpr int32_t Capacita = 301;

    double X(int32_t Posizione) const;
    double Y(int32_t Posizione) const;
    // Nearest-X lookup: x becomes the nearest triple's X, y its measured Y.
    // On equal distances the lowest index wins.
    void YsuX(double& x, double& y) const;
    double P(int32_t Posizione) const;
    int32_t NumeroElementi() const { return conteggio_; }
    // Throws std::length_error when all 301 slots are in use.
    void Add(const double& ValX, const double& ValY, const double& ValP);
    void Vuota();

private:
    struct Terna {
        double x = 0.0;
        double y = 0.0;
        double p = 0.0;
    };
    const Terna& terna(int32_t posizione) const;

    std::array<Terna, Capacita> terne_{};
    int16_t conteggio_ = 0;
};
