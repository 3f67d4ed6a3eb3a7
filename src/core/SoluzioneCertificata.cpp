#include "SoluzioneCertificata.h"

#include "AritmeticaEstesa.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <vector>

// Why an accepted answer is the exact one rounded. With A the exact normal
// matrix of the given doubles, D a power-of-two scaling, B = D A D and
// y* = B^-1 D b, the exact coefficients are c* = D y*. For any approximation
// y, with rho = D b - B y the exact residual,
//     |y*_i - y_i| <= ||y* - y||_2 <= ||rho||_2 / lambda_min(B).
// The sums are computed in triple-double with a running bound on every
// rounding, so |rho| is bounded from the computed residual plus the sums'
// errors times |y|. lambda_min(B) is bounded from below by one double-word
// LDL^T of (Bd - tau I), Bd the double-word matrix: if it runs to completion
// with positive pivots, the computed factors give a positive definite matrix
// within gamma_{N+1} trace of it (the classical backward error of Cholesky,
// for any arithmetic whose operations have relative error below eps), so
//     lambda_min(B) >= tau - ||B - Bd||_F - eps (max Bd_ii + tau)
//                       - gamma_{N+1} trace(Bd) (1 + eps) / (1 - gamma_{N+1}).
// The answer is accepted only when every coefficient, and every coefficient
// of the centred form, keeps its whole interval inside the open interval of
// reals that round to one double; tau is the smallest value that proves it.
// The bounds' own arithmetic is inflated by 2^-30, and every operation that
// may underflow is charged 2^-960 more. Anything outside the ranges where
// this holds (values near 2^+-900, a zero, a tie, a failed factorisation)
// answers nullopt.

namespace {

using namespace estesa;

constexpr int Massimo = FormaCentrata::Capacita;
constexpr int Potenze = 2 * Massimo - 1;
constexpr double Eta = 0x1p-960;  // normal, so that no bound turns subnormal (slow)
constexpr double Gonfia = 1 + 0x1p-30;

struct Tripla {
    double a = 0.0, b = 0.0, c = 0.0;
};

using Vettore = std::array<Doppio, Massimo>;
using Matrice = std::array<Vettore, Massimo>;


// Sums of x^p and y x^k over the points, each point's power carried in
// triple-double with a bound on its own roundings (es, et).
struct Somme {
    std::array<Accumulatore, Potenze> s;
    std::array<Accumulatore, Massimo> t;
    std::array<double, Potenze> es{};
    std::array<double, Massimo> et{};
};

// T is a double or a vector of doubles, one point per lane; the lanes' sums
// are added together exactly at the end. Padding lanes have all powers 0.
template <bool Fma, class T>
inline void CalcolaSomme(std::span<const double> x, std::span<const double> y, int N, Somme& S)
{
    constexpr size_t Corsie = sizeof(T) / sizeof(double);
    const int P = 2 * N - 1;
    std::array<AccumulatoreDi<T>, Potenze> s;
    std::array<AccumulatoreDi<T>, Massimo> t;
    std::array<T, Potenze> es{};
    std::array<T, Massimo> et{};
    for (size_t l0 = 0; l0 < x.size(); l0 += Corsie) {
        double cx[Corsie], cy[Corsie], cu[Corsie];
        for (size_t c = 0; c < Corsie; ++c) {
            const bool punto = l0 + c < x.size();
            cx[c] = punto ? x[l0 + c] : 0.0;
            cy[c] = punto ? y[l0 + c] : 0.0;
            cu[c] = punto ? 1.0 : 0.0;
        }
        T xl, yl, h, m{}, lo{}, beta{};
        std::memcpy(&xl, cx, sizeof(T));
        std::memcpy(&yl, cy, sizeof(T));
        std::memcpy(&h, cu, sizeof(T));
        const T ax = Abs(xl), ay = Abs(yl);
        for (int k = 0; k < P; ++k) {
            if (k > 0) {
                T h2, e0, m1, e1, m2, e2;
                DueProdotto<Fma>(h, xl, h2, e0);
                DueProdotto<Fma>(m, xl, m1, e1);
                const T l1 = lo * xl;
                DueSomma(e0, m1, m2, e2);
                const T s1 = e1 + e2;
                lo = s1 + l1;
                DueSomma(h2, m2, h, m);
                beta = ax * beta + U * (Abs(l1) + Abs(s1) + Abs(lo)) + 3 * Eta;
            }
            s[static_cast<size_t>(k)].Aggiungi(h, lo, m);
            es[static_cast<size_t>(k)] += beta;
            if (k < N) {
                T a, b, c, d;
                DueProdotto<Fma>(h, yl, a, b);
                DueProdotto<Fma>(m, yl, c, d);
                const T f = lo * yl;
                const T piccoli = d + f;
                t[static_cast<size_t>(k)].Aggiungi(a, piccoli, b, c);
                et[static_cast<size_t>(k)] += ay * beta + U * (Abs(f) + Abs(piccoli)) + 3 * Eta;
            }
        }
    }
    const auto riduci = [](const auto& corsie, Accumulatore& a) {
        double c0[Corsie], c1[Corsie], c2[Corsie], c3[Corsie], ce[Corsie];
        std::memcpy(c0, &corsie.s0, sizeof(T));
        std::memcpy(c1, &corsie.s1, sizeof(T));
        std::memcpy(c2, &corsie.s2, sizeof(T));
        std::memcpy(c3, &corsie.s3, sizeof(T));
        std::memcpy(ce, &corsie.errore, sizeof(T));
        for (size_t c = 0; c < Corsie; ++c) {
            const double piccolo = c2[c] + c3[c];
            a.Aggiungi(c0[c], piccolo, c1[c]);
            a.errore += ce[c] + U * std::abs(piccolo);
        }
    };
    const auto somma = [](const T& v) {
        double c[Corsie];
        std::memcpy(c, &v, sizeof(T));
        double r = 0.0;
        for (size_t i = 0; i < Corsie; ++i)
            r += c[i];
        return r * Gonfia;
    };
    for (int k = 0; k < P; ++k) {
        riduci(s[static_cast<size_t>(k)], S.s[static_cast<size_t>(k)]);
        S.es[static_cast<size_t>(k)] = somma(es[static_cast<size_t>(k)]);
    }
    for (int k = 0; k < N; ++k) {
        riduci(t[static_cast<size_t>(k)], S.t[static_cast<size_t>(k)]);
        S.et[static_cast<size_t>(k)] = somma(et[static_cast<size_t>(k)]);
    }
}

Tripla Valore(const Accumulatore& a, double& errore)
{
    Tripla t;
    a.Normalizza(t.a, t.b, t.c, errore);
    return t;
}

Tripla Scala(Tripla t, double f) { return {t.a * f, t.b * f, t.c * f}; }

// The double-word nearest a triple-double, and a bound on the difference.
Doppio InDoppio(const Tripla& t, double& errore)
{
    double h, l;
    DueSomma(t.a, t.b, h, l);
    const double l2 = l + t.c;
    errore = U * std::abs(l2) + Eta;
    Doppio d;
    DueSomma(h, l2, d.h, d.l);
    return d;
}

// LDL^T of a symmetric double-word matrix (its lower triangle); false as soon
// as a pivot is not positive.
template <bool Fma>
bool FattorizzaLDL(const Matrice& C, int N, Matrice& L, Vettore& D)
{
    Matrice W;
    for (int j = 0; j < N; ++j) {
        for (int i = j; i < N; ++i) {
            Doppio w = C[static_cast<size_t>(i)][static_cast<size_t>(j)];
            for (int k = 0; k < j; ++k)
                w = Somma(w, Neg(Prodotto<Fma>(W[static_cast<size_t>(i)][static_cast<size_t>(k)],
                                               L[static_cast<size_t>(j)][static_cast<size_t>(k)])));
            if (i == j) {
                if (!(w.h > 0.0))
                    return false;
                D[static_cast<size_t>(j)] = w;
            } else {
                W[static_cast<size_t>(i)][static_cast<size_t>(j)] = w;
                L[static_cast<size_t>(i)][static_cast<size_t>(j)] = Quoziente<Fma>(w, D[static_cast<size_t>(j)]);
            }
        }
    }
    return true;
}

template <bool Fma>
Vettore RisolviLDL(const Matrice& L, const Vettore& D, int N, const Vettore& b)
{
    Vettore z;
    for (int i = 0; i < N; ++i) {
        Doppio s = b[static_cast<size_t>(i)];
        for (int k = 0; k < i; ++k)
            s = Somma(s, Neg(Prodotto<Fma>(L[static_cast<size_t>(i)][static_cast<size_t>(k)], z[static_cast<size_t>(k)])));
        z[static_cast<size_t>(i)] = s;
    }
    for (int i = 0; i < N; ++i)
        z[static_cast<size_t>(i)] = Quoziente<Fma>(z[static_cast<size_t>(i)], D[static_cast<size_t>(i)]);
    for (int i = N - 1; i >= 0; --i) {
        Doppio s = z[static_cast<size_t>(i)];
        for (int k = i + 1; k < N; ++k)
            s = Somma(s, Neg(Prodotto<Fma>(L[static_cast<size_t>(k)][static_cast<size_t>(i)], z[static_cast<size_t>(k)])));
        z[static_cast<size_t>(i)] = s;
    }
    return z;
}

// Subtracts t * w from the accumulator; `errore` gains a bound on the
// roundings of the products too small to split exactly.
template <bool Fma>
inline void SottraiProdotto(Accumulatore& acc, const Tripla& t, Doppio w, double& errore)
{
    double p1, e1, p2, e2, p3, e3;
    DueProdotto<Fma>(t.a, w.h, p1, e1);
    DueProdotto<Fma>(t.a, w.l, p2, e2);
    DueProdotto<Fma>(t.b, w.h, p3, e3);
    const double q1 = t.b * w.l, q2 = t.c * w.h, q3 = t.c * w.l;
    const double piccoli = ((q1 + q2) + q3) + (e2 + e3);
    acc.Aggiungi(-p1, -piccoli, -e1, -p2, -p3);
    errore += 6 * U * (std::abs(q1) + std::abs(q2) + std::abs(q3) + std::abs(e2) + std::abs(e3)) + 6 * Eta;
}

// How far s + t (s the double nearest it) lies from the nearest point where
// rounding to nearest would change; zero when it cannot be told.
double DistanzaDalBordo(double s, double t)
{
    if (s == 0.0 || !std::isfinite(s))
        return 0.0;
    const double as = std::abs(s), at = s > 0 ? t : -t;
    const double sopra = std::nextafter(as, INFINITY) - as;
    const double sotto = as - std::nextafter(as, 0.0);
    const double d = std::min(sopra / 2 - at, sotto / 2 + at) * (1 - 0x1p-50);
    return d > 0.0 ? d : 0.0;
}

bool InIntervalloSicuro(double v)
{
    const double a = std::abs(v);
    return a >= 0x1p-1000 && a <= 0x1p1000;
}

// Stage 1: far from both ends of the double range, or not at all.
bool IntervalloSicuro(std::span<const double> t, std::span<const double> y, int N)
{
    const auto n = t.size();
    double at = 0.0, ay = 0.0;
    for (size_t l = 0; l < n; ++l) {
        at = std::max(at, std::abs(t[l]));
        ay = std::max(ay, std::abs(y[l]));
    }
    if (!(at > 0.0) || !(ay > 0.0))
        return false;
    int et = 0, ey = 0, en = 0;
    std::frexp(at, &et);
    std::frexp(ay, &ey);
    std::frexp(static_cast<double>(n), &en);
    const int g = std::max(et, 0);
    return g * (2 * N - 2) + en <= 900 && ey + g * (N - 1) + en <= 900 && ey >= -900;
}

// The scaled system B = D A D, g = D b in triple-double with bounds on their
// errors, its double-word copy, and what the eigenvalue proof needs of it.
struct SistemaScalato {
    int N = 0;
    std::array<double, Massimo> f{};
    std::array<std::array<Tripla, Massimo>, Massimo> Bt;
    std::array<std::array<double, Massimo>, Massimo> errB{};
    std::array<Tripla, Massimo> gt;
    std::array<double, Massimo> errg{};
    Matrice Bd;
    Vettore gd;
    double frobenius = 0.0, traccia = 0.0, diagonale = 0.0;
};

// Stage 2: the sums, and scaling by powers of two to a diagonal near 1.
template <bool Fma, class Corsia>
bool CostruisciScalato(std::span<const double> t, std::span<const double> y, SistemaScalato& B)
{
    const int N = B.N;
    const auto u = [](int i) { return static_cast<size_t>(i); };
    Somme S;
    CalcolaSomme<Fma, Corsia>(t, y, N, S);
    for (int i = 0; i < N; ++i) {
        double trascurato = 0.0;
        const Tripla d = Valore(S.s[u(2 * i)], trascurato);
        if (!(d.a > 0x1p-300))
            return false;
        int e = 0;
        std::frexp(d.a, &e);
        B.f[u(i)] = std::ldexp(1.0, -(e / 2));
    }
    for (int i = 0; i < N; ++i) {
        for (int j = 0; j < N; ++j) {
            const double fij = B.f[u(i)] * B.f[u(j)];
            double errS = 0.0;
            B.Bt[u(i)][u(j)] = Scala(Valore(S.s[u(i + j)], errS), fij);
            B.errB[u(i)][u(j)] = (S.es[u(i + j)] + errS) * Gonfia * fij + 3 * Eta;
            double errD = 0.0;
            B.Bd[u(i)][u(j)] = InDoppio(B.Bt[u(i)][u(j)], errD);
            const double e = B.errB[u(i)][u(j)] + errD;
            B.frobenius += e * e;
        }
        double errT = 0.0;
        B.gt[u(i)] = Scala(Valore(S.t[u(i)], errT), B.f[u(i)]);
        B.errg[u(i)] = (S.et[u(i)] + errT) * Gonfia * B.f[u(i)] + 3 * Eta;
        double errD = 0.0;
        B.gd[u(i)] = InDoppio(B.gt[u(i)], errD);
        const double dii = B.Bd[u(i)][u(i)].h + std::abs(B.Bd[u(i)][u(i)].l);
        B.traccia += dii;
        B.diagonale = std::max(B.diagonale, dii);
    }
    B.frobenius = std::sqrt(B.frobenius) * Gonfia;
    return true;
}

// Stage 3: solve, then one refinement with the residual in triple-double.
template <bool Fma>
bool RisolviERaffina(const SistemaScalato& B, Vettore& y0, Vettore& dy)
{
    const int N = B.N;
    const auto u = [](int i) { return static_cast<size_t>(i); };
    Matrice L;
    Vettore D;
    if (!FattorizzaLDL<Fma>(B.Bd, N, L, D))
        return false;
    y0 = RisolviLDL<Fma>(L, D, N, B.gd);
    Vettore r1;
    for (int i = 0; i < N; ++i) {
        Accumulatore acc;
        acc.Aggiungi(B.gt[u(i)].a, B.gt[u(i)].c, B.gt[u(i)].b);
        double trascurato = 0.0;
        for (int j = 0; j < N; ++j)
            SottraiProdotto<Fma>(acc, B.Bt[u(i)][u(j)], y0[u(j)], trascurato);
        r1[u(i)] = InDoppio(Valore(acc, trascurato), trascurato);
    }
    dy = RisolviLDL<Fma>(L, D, N, r1);
    return true;
}

// Stage 4: the final residual and its bound, ||rho||_2 <= R (infinite when
// it cannot be bounded).
template <bool Fma>
double Residuo(const SistemaScalato& B, const Vettore& y0, const Vettore& dy)
{
    const int N = B.N;
    const auto u = [](int i) { return static_cast<size_t>(i); };
    double R = 0.0;
    for (int i = 0; i < N; ++i) {
        Accumulatore acc;
        acc.Aggiungi(B.gt[u(i)].a, B.gt[u(i)].c, B.gt[u(i)].b);
        double errore = B.errg[u(i)];
        for (int j = 0; j < N; ++j) {
            SottraiProdotto<Fma>(acc, B.Bt[u(i)][u(j)], y0[u(j)], errore);
            SottraiProdotto<Fma>(acc, B.Bt[u(i)][u(j)], dy[u(j)], errore);
            const double yj = std::abs(y0[u(j)].h) + std::abs(y0[u(j)].l) + std::abs(dy[u(j)].h) + std::abs(dy[u(j)].l);
            errore += B.errB[u(i)][u(j)] * yj * Gonfia;
        }
        double errAcc = 0.0;
        const Tripla r = Valore(acc, errAcc);
        const double ri = (std::abs(r.a) + std::abs(r.b) + std::abs(r.c) + errAcc + errore) * Gonfia;
        R += ri * ri;
    }
    R = std::sqrt(R) * Gonfia;
    return std::isfinite(R) ? R : INFINITY;
}

// Coefficients in double-word with their error bound, linear in
// ||y* - y||_2: |exact_k - c_k| <= peso_k ||y* - y||_2 + arit_k.
struct Coefficienti {
    Vettore c;
    std::array<double, Massimo> peso{}, arit{};
};

// The solved coefficients y0 + dy unscaled, each as s + t (s its double)
// plus a tiny rest charged to `arit`.
Coefficienti Unisci(const SistemaScalato& B, const Vettore& y0, const Vettore& dy)
{
    const auto u = [](int i) { return static_cast<size_t>(i); };
    Coefficienti k;
    for (int i = 0; i < B.N; ++i) {
        double s, e1, t, e2, e3;
        DueSomma(y0[u(i)].h, dy[u(i)].h, s, e1);
        DueSomma(y0[u(i)].l, dy[u(i)].l, t, e2);
        DueSomma(e1, t, t, e3);
        const double r = e2 + e3;
        DueSomma(s, t, s, t);
        k.c[u(i)] = {s * B.f[u(i)], t * B.f[u(i)]};
        k.peso[u(i)] = B.f[u(i)];
        k.arit[u(i)] = std::abs(r) * (1 + 2 * U) * B.f[u(i)] + Eta;
    }
    return k;
}

// Stage 5 (centred form): the same polynomial in v where u = v + d (a Taylor
// shift in double-word), its own roundings added to `arit`.
template <bool Fma>
Coefficienti Trasla(Coefficienti k, int N, double d)
{
    if (d == 0.0)
        return k;
    const auto u = [](int i) { return static_cast<size_t>(i); };
    const double ad = std::abs(d);
    for (int i = 0; i < N - 1; ++i)
        for (int j = N - 2; j >= i; --j) {
            const Doppio p = Prodotto<Fma>(k.c[u(j + 1)], Doppio{d, 0.0});
            k.c[u(j)] = Somma(k.c[u(j)], p);
            k.peso[u(j)] += k.peso[u(j + 1)] * ad;
            k.arit[u(j)] += k.arit[u(j + 1)] * ad + EpsDoppio * (std::abs(p.h) + 2 * std::abs(k.c[u(j)].h)) + 2 * Eta;
        }
    return k;
}

// Stage 6: the coefficients times scala^k, each kept only when its interval
// lies inside one rounding interval of a double; `necessario` rises to the
// smallest lambda_min(B) that proves every one.
bool ProvaArrotondamento(const Coefficienti& k, int N, double scala, double R, std::array<double, Massimo>& uscita,
                         double& necessario)
{
    const auto u = [](int i) { return static_cast<size_t>(i); };
    double potenza = 1.0;
    for (int i = 0; i < N; ++i) {
        const Doppio e = {k.c[u(i)].h * potenza, k.c[u(i)].l * potenza};
        if (!InIntervalloSicuro(e.h))
            return false;
        const double dist = DistanzaDalBordo(e.h, e.l) - k.arit[u(i)] * potenza * Gonfia - Eta;
        const double serve = R * k.peso[u(i)] * potenza / dist * Gonfia;
        if (!(dist > 0.0) || !(serve < INFINITY))
            return false;
        uscita[u(i)] = e.h;
        necessario = std::max(necessario, serve);
        potenza *= scala;
    }
    return true;
}

// Stage 7: prove lambda_min(B) > necessario with one LDL^T of Bd - tau I.
template <bool Fma>
bool ProvaAutovalore(const SistemaScalato& B, double necessario)
{
    const int N = B.N;
    const double gamma = (N + 1) * EpsDoppio / (1 - (N + 1) * EpsDoppio);
    const auto perturbazione = [&](double tau) {
        return (B.frobenius + EpsDoppio * (B.diagonale + tau) + gamma * B.traccia * (1 + EpsDoppio) / (1 - gamma)
                + N * N * 0x1p-900)
            * Gonfia;
    };
    const double tau = necessario * (1 + 0x1p-6) + perturbazione(2 * necessario) * (1 + 0x1p-6);
    if (!std::isfinite(tau) || !(tau - perturbazione(tau) > necessario))
        return false;
    Matrice C = B.Bd;
    for (int i = 0; i < N; ++i)
        C[static_cast<size_t>(i)][static_cast<size_t>(i)] = Somma(C[static_cast<size_t>(i)][static_cast<size_t>(i)], Doppio{-tau, 0.0});
    Matrice L;
    Vettore D;
    return FattorizzaLDL<Fma>(C, N, L, D);
}

// The system solved in t = X - spostamento (every difference exact), the
// coefficients mapped back to X and to the centred form.
template <bool Fma, class Corsia>
std::optional<SoluzioneSistema> CertificaIn(std::span<const double> t, std::span<const double> y, int grado,
                                            double spostamento, SoluzioneSistema sol)
{
    const int N = grado + 1;
    if (!IntervalloSicuro(t, y, N))
        return std::nullopt;
    SistemaScalato B;
    B.N = N;
    if (!CostruisciScalato<Fma, Corsia>(t, y, B))
        return std::nullopt;
    Vettore y0, dy;
    if (!RisolviERaffina<Fma>(B, y0, dy))
        return std::nullopt;
    const double R = Residuo<Fma>(B, y0, dy);
    if (!(R < INFINITY))
        return std::nullopt;
    const Coefficienti inT = Unisci(B, y0, dy);
    double necessario = 0.0;
    if (!ProvaArrotondamento(Trasla<Fma>(inT, N, -spostamento), N, 1.0, R, sol.coeff, necessario)
        || !ProvaArrotondamento(Trasla<Fma>(inT, N, sol.centrata.centro - spostamento), N, sol.centrata.scala, R,
                                sol.centrata.coeff, necessario)
        || !ProvaAutovalore<Fma>(B, necessario))
        return std::nullopt;
    sol.via = ViaSoluzione::Certificata;
    return sol;
}

// Far from zero (years) t = X minus the centre of the X range is well
// conditioned where X is not; it is tried whenever every difference is exact
// (Sterbenz: always when the X lie within a factor two of the centre).
template <bool Fma, class Corsia>
std::optional<SoluzioneSistema> Certifica(std::span<const double> x, std::span<const double> y, int grado)
{
    const auto n = x.size();
    SoluzioneSistema sol;
    sol.grado = sol.centrata.grado = static_cast<int16_t>(grado);
    CentroEScala(x, sol.centrata.centro, sol.centrata.scala);
    const double centro = sol.centrata.centro;
    std::vector<double> t;
    bool esatte = centro != 0.0;
    if (esatte) {
        t.resize(n);
        for (size_t l = 0; l < n && esatte; ++l) {
            double e;
            DueSomma(x[l], -centro, t[l], e);
            esatte = e == 0.0;
        }
    }
    // Data near zero tries X first, as it always did; data far from it
    // (the centre beyond twice the half-range) t first. One body for every
    // try keeps the AVX2 copy (everything inlined) small.
    const bool lontani = std::abs(centro) > 2 * sol.centrata.scala;
    for (int prova = 0; prova < (esatte ? 2 : 1); ++prova) {
        const bool inT = esatte && (prova == 0) == lontani;
        if (auto s = CertificaIn<Fma, Corsia>(inT ? std::span<const double>(t) : x, y, grado, inT ? centro : 0.0, sol))
            return s;
    }
    return std::nullopt;
}

#ifdef CURVELLO_AVX2
__attribute__((target("avx2,fma"), flatten)) std::optional<SoluzioneSistema>
CertificaAvx2(std::span<const double> x, std::span<const double> y, int grado)
{
    return Certifica<true, Quattro>(x, y, grado);
}
#endif

#if defined(__FMA__) || defined(__aarch64__) || defined(_M_ARM64)
constexpr bool FmaNativa = true;
#else
constexpr bool FmaNativa = false;
#endif

} // namespace

std::optional<SoluzioneSistema> RisolviCertificato(std::span<const double> x, std::span<const double> y, int grado,
                                                   ViaCertificata via)
{
    // Every try below relies on these.
    if (grado < 1 || grado > GradoMassimoSistema || y.size() != x.size() || x.size() < static_cast<size_t>(grado + 1))
        return std::nullopt;
#ifdef CURVELLO_AVX2
    static const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    if (avx2 && via == ViaCertificata::Migliore)
        return CertificaAvx2(x, y, grado);
#else
    (void)via;
#endif
    return Certifica<FmaNativa, double>(x, y, grado);
}
