#pragma once

#include "Polinomio.h"

#include <array>
#include <cstdint>
#include <span>

// The highest degree the solvers' arrays hold: every solve refuses more.
inline constexpr int GradoMassimoSistema = 10;
static_assert(GradoMassimoSistema + 1 == FormaCentrata::Capacita, "one coefficient per degree and C(0)");

// How a solve of the normal equations ends, as exact arithmetic decides it.
enum class EsitoSistema {
    Risolto,
    NonAmmesso,        // degree outside 1 .. GradoMassimoSistema, or X and Y of different lengths
    PivotNullo,        // a zero pivot during the elimination (the run shows M7)
    RigaNulla,         // a row of coefficients all zero at scaling
    UltimoPivotNullo,  // A(N, N) zero at back-substitution
    FuoriIntervallo,   // a power, product, sum or published value beyond the largest double
};

// Which solver gave the answer.
enum class ViaSoluzione { Nessuna, Certificata, Esatta };

struct SoluzioneSistema {
    EsitoSistema esito = EsitoSistema::Risolto;
    ViaSoluzione via = ViaSoluzione::Nessuna;
    int16_t grado = 0;
    // C(0) ... C(grado): the exact least-squares solution rounded to nearest.
    std::array<double, GradoMassimoSistema + 1> coeff{};
    // The same exact polynomial in t = (X - centro) / scala, rounded to nearest.
    FormaCentrata centrata;
};

// The centre (the midpoint of the X range rounded to nearest) and the
// smallest power of two not below the half-range, that the centred form uses.
// Computed exactly: the same under any rounding mode.
void CentroEScala(std::span<const double> x, double& centro, double& scala);

// The normal equations of the points, of degree `grado` (1 to 10), solved in
// exact rational arithmetic, with every outcome the one that the algorithm
// (row scaling when `scalaRighe`, partial pivoting or none) meets in exact
// arithmetic. Every double is an integer times a power of two: the sums are
// built on integers and eliminated fraction-free (Bareiss), so no rational is
// ever reduced. The points must be finite. Integer work only: the answer is
// the same under any rounding mode.
SoluzioneSistema RisolviEsatto(std::span<const double> x, std::span<const double> y, int grado,
                               bool scalaRighe = true);
