#pragma once

// The exact solve's integer machinery, shared by the solve and the fit's
// statistics. Every double is an integer times a power of two, so the normal
// equations are built on integers and eliminated fraction-free (Bareiss): no
// rational is ever reduced, and every published value is rounded once.
// GMP's integers, when the build found them, are several times faster on
// the large numbers of full-mantissa data; the same code runs on Boost's own.

#include "SistemaEsatto.h"

#ifdef CURVELLO_GMP
#include <boost/multiprecision/gmp.hpp>
#else
#include <boost/multiprecision/cpp_int.hpp>
#endif

#include <optional>
#include <span>
#include <vector>

namespace esatto {

#ifdef CURVELLO_GMP
using Intero = boost::multiprecision::mpz_int;
#else
using Intero = boost::multiprecision::cpp_int;
#endif

// num / den * 2^e rounded to the nearest double, ties to even (den != 0);
// nullopt when the exact value lies beyond the largest double.
std::optional<double> Arrotonda(const Intero& num, const Intero& den, long e);
// sqrt(num / den) * 2^e rounded to the nearest double (num / den >= 0).
std::optional<double> ArrotondaRadice(const Intero& num, const Intero& den, long e);

// The normal equations of the points on integers: x = X 2^ex, y = Y 2^ey,
// A(i, j) = S(i + j) 2^(ex (i + j)) and b(i) = T(i) 2^(ey + ex i) (0-based).
struct SistemaIntero {
    int N = 0;
    long ex = 0, ey = 0;
    std::vector<Intero> X, Y, S, T;
    // After Elimina: B the fraction-free upper triangle of [S | T | I], det = det S,
    // W with C(k) = W(k) / det 2^(ey - ex k).
    std::vector<std::vector<Intero>> B;
    Intero det;
    std::vector<Intero> W;
};

// Builds the sums and decides the outcome that exact arithmetic meets under
// the algorithm's own scaling and pivoting; Risolto when the system is regular.
EsitoSistema Prepara(std::span<const double> x, std::span<const double> y, int grado, bool scalaRighe,
                     SistemaIntero& s);
// Eliminates and back-substitutes; with `inversa` the identity rides along
// for AggiuntaDiagonale.
void Elimina(SistemaIntero& s, bool inversa);
// det (S^-1)(k, k): an integer, the adjugate's diagonal entry (needs `inversa`).
Intero AggiuntaDiagonale(const SistemaIntero& s, int k);

} // namespace esatto
