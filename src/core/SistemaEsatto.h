#pragma once

#include "Polinomio.h"

#include <array>
#include <cstdint>
#include <span>

// How a solve of the normal equations ends, as exact arithmetic decides it.
enum class EsitoSistema {
    Risolto,
    PivotNullo,        // a zero pivot during the elimination (the run shows M7)
    RigaNulla,         // a row of coefficients all zero at scaling
    UltimoPivotNullo,  // A(N, N) zero at back-substitution
    FuoriIntervallo,   // a power, product, sum or published value beyond the largest double
};

struct SoluzioneSistema {
    EsitoSistema esito = EsitoSistema::Risolto;
    int16_t grado = 0;
    // C(0) ... C(grado): the exact least-squares solution rounded to nearest.
    std::array<double, FormaCentrata::Capacita> coeff{};
    // The same exact polynomial in t = (X - centro) / scala, rounded to nearest.
    FormaCentrata centrata;
};

// The centre and the power-of-two half-range that the centred form uses.
void CentroEScala(std::span<const double> x, double& centro, double& scala);

// The normal equations of the points, of degree `grado` (1 to 10), solved in
// exact rational arithmetic, with every outcome the one that the algorithm
// (row scaling when `scalaRighe`, partial pivoting or none) meets in exact
// arithmetic. Every double is an integer times a power of two: the sums are
// built on integers and eliminated fraction-free (Bareiss), so no rational is
// ever reduced. The points must be finite.
SoluzioneSistema RisolviEsatto(std::span<const double> x, std::span<const double> y, int grado,
                               bool scalaRighe = true);
