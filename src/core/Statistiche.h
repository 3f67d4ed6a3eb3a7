#pragma once

// How good a least-squares fit is, exact. For n points at degree GR
// (p = GR + 1 coefficients, nu = n - p), with P the exact least-squares
// polynomial of the given doubles (not the rounded coefficients):
// residuals r(i) = y(i) - P(x(i)), RSS = sum r(i)^2, TSS = sum (y(i) - mean y)^2,
// SSR = TSS - RSS, R^2 = 1 - RSS / TSS, adjusted R^2 = 1 - (RSS / nu) / (TSS / (n - 1)),
// s = sqrt(RSS / nu), SE(C(k)) = s sqrt(((X^T X)^-1)(k, k)), t(k) = C(k) / SE(C(k)),
// F = (SSR / GR) / (RSS / nu). Each value is the exact one (square roots of
// exact rationals included) rounded once to the nearest double.

#include "SistemaEsatto.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

class XYPoli;

// Why a statistic has no value. The first that applies is given.
enum class MotivoNonDefinito {
    Nessuno,
    NessunGradoDiLiberta,  // nu = 0: s, standard errors, t, F and adjusted R^2
    YTutteUguali,          // TSS = 0: R^2, adjusted R^2 and F
    ResiduiNulli,          // RSS = 0 with nu > 0: t and F would be infinite
    FuoriIntervallo,       // the exact value lies beyond the largest double
};

struct Statistica {
    std::optional<double> valore;
    MotivoNonDefinito motivo = MotivoNonDefinito::Nessuno;
};

struct StatisticheAdattamento {
    // Anything but Risolto: the fit has no statistics, the fields stay empty.
    EsitoSistema esito = EsitoSistema::Risolto;
    int punti = 0;           // n
    int grado = 0;           // GR, the degrees of freedom of the regression
    int gradiDiLiberta = 0;  // nu
    Statistica rss, tss, ssr, r2, r2Corretto, s, f;
    std::vector<Statistica> erroriStandard, t;  // one per coefficient, C(0) first
    std::vector<Statistica> residui;            // one per point, in the points' order
};

// Computed when asked, from the exact solve's integer machinery (the fit
// itself does not pay for them). Refuses (NonAmmesso) what the solve
// refuses; a singular or out-of-range system gives the solve's outcome. The
// points must be finite.
StatisticheAdattamento CalcolaStatistiche(std::span<const double> x, std::span<const double> y, int grado);
// The same for the fitted points: the triples' X and Y.
StatisticheAdattamento CalcolaStatistiche(const XYPoli& terne, int grado);

// One Italian sentence saying why a value is not defined.
std::string DescriviMotivo(MotivoNonDefinito motivo);
