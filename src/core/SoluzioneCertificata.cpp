#include "SoluzioneCertificata.h"

#include "AritmeticaEstesa.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>

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

template <bool Fma, class Corsia>
std::optional<SoluzioneSistema> Certifica(std::span<const double> x, std::span<const double> y, int grado)
{
    const int N = grado + 1;
    const auto n = x.size();
    const auto u = [](int i) { return static_cast<size_t>(i); };

    // Far from both ends of the double range, or not at all.
    double ax = 0.0, ay = 0.0;
    for (size_t l = 0; l < n; ++l) {
        ax = std::max(ax, std::abs(x[l]));
        ay = std::max(ay, std::abs(y[l]));
    }
    if (!(ax > 0.0) || !(ay > 0.0) || N > Massimo || n < static_cast<size_t>(N))
        return std::nullopt;
    int ex = 0, ey = 0, en = 0;
    std::frexp(ax, &ex);
    std::frexp(ay, &ey);
    std::frexp(static_cast<double>(n), &en);
    const int g = std::max(ex, 0);
    if (g * (2 * N - 2) + en > 900 || ey + g * (N - 1) + en > 900 || ey < -900)
        return std::nullopt;

    Somme S;
    CalcolaSomme<Fma, Corsia>(x, y, N, S);

    // Scaling by powers of two to a diagonal near 1.
    std::array<double, Massimo> f{};
    for (int i = 0; i < N; ++i) {
        double trascurato = 0.0;
        const Tripla d = Valore(S.s[u(2 * i)], trascurato);
        if (!(d.a > 0x1p-300))
            return std::nullopt;
        int e = 0;
        std::frexp(d.a, &e);
        f[u(i)] = std::ldexp(1.0, -(e / 2));
    }
    std::array<std::array<Tripla, Massimo>, Massimo> Bt;
    std::array<std::array<double, Massimo>, Massimo> errB{};
    std::array<Tripla, Massimo> gt;
    std::array<double, Massimo> errg{};
    Matrice Bd;
    Vettore gd;
    double frobenius = 0.0, traccia = 0.0, diagonale = 0.0;
    for (int i = 0; i < N; ++i) {
        for (int j = 0; j < N; ++j) {
            const double fij = f[u(i)] * f[u(j)];
            double errS = 0.0;
            Bt[u(i)][u(j)] = Scala(Valore(S.s[u(i + j)], errS), fij);
            errB[u(i)][u(j)] = (S.es[u(i + j)] + errS) * Gonfia * fij + 3 * Eta;
            double errD = 0.0;
            Bd[u(i)][u(j)] = InDoppio(Bt[u(i)][u(j)], errD);
            const double e = errB[u(i)][u(j)] + errD;
            frobenius += e * e;
        }
        double errT = 0.0;
        gt[u(i)] = Scala(Valore(S.t[u(i)], errT), f[u(i)]);
        errg[u(i)] = (S.et[u(i)] + errT) * Gonfia * f[u(i)] + 3 * Eta;
        double errD = 0.0;
        gd[u(i)] = InDoppio(gt[u(i)], errD);
        const double dii = Bd[u(i)][u(i)].h + std::abs(Bd[u(i)][u(i)].l);
        traccia += dii;
        diagonale = std::max(diagonale, dii);
    }
    frobenius = std::sqrt(frobenius) * Gonfia;

    // Solve, then one refinement with the residual in triple-double.
    Matrice L;
    Vettore D;
    if (!FattorizzaLDL<Fma>(Bd, N, L, D))
        return std::nullopt;
    const Vettore y0 = RisolviLDL<Fma>(L, D, N, gd);
    Vettore r1;
    for (int i = 0; i < N; ++i) {
        Accumulatore acc;
        acc.Aggiungi(gt[u(i)].a, gt[u(i)].c, gt[u(i)].b);
        double trascurato = 0.0;
        for (int j = 0; j < N; ++j)
            SottraiProdotto<Fma>(acc, Bt[u(i)][u(j)], y0[u(j)], trascurato);
        r1[u(i)] = InDoppio(Valore(acc, trascurato), trascurato);
    }
    const Vettore dy = RisolviLDL<Fma>(L, D, N, r1);

    // The final residual and its bound: ||rho||_2 <= R.
    double R = 0.0;
    for (int i = 0; i < N; ++i) {
        Accumulatore acc;
        acc.Aggiungi(gt[u(i)].a, gt[u(i)].c, gt[u(i)].b);
        double errore = errg[u(i)];
        for (int j = 0; j < N; ++j) {
            SottraiProdotto<Fma>(acc, Bt[u(i)][u(j)], y0[u(j)], errore);
            SottraiProdotto<Fma>(acc, Bt[u(i)][u(j)], dy[u(j)], errore);
            const double yj = std::abs(y0[u(j)].h) + std::abs(y0[u(j)].l) + std::abs(dy[u(j)].h) + std::abs(dy[u(j)].l);
            errore += errB[u(i)][u(j)] * yj * Gonfia;
        }
        double errAcc = 0.0;
        const Tripla r = Valore(acc, errAcc);
        const double ri = (std::abs(r.a) + std::abs(r.b) + std::abs(r.c) + errAcc + errore) * Gonfia;
        R += ri * ri;
    }
    R = std::sqrt(R) * Gonfia;
    if (!std::isfinite(R))
        return std::nullopt;

    // Each coefficient y0 + dy as s + t (s its double) plus a tiny rest; the
    // smallest lambda_min that keeps it inside its rounding interval.
    SoluzioneSistema sol;
    sol.grado = static_cast<int16_t>(grado);
    double necessario = 0.0;
    Vettore c;
    std::array<double, Massimo> resto{};
    for (int i = 0; i < N; ++i) {
        double s, e1, t, e2, e3;
        DueSomma(y0[u(i)].h, dy[u(i)].h, s, e1);
        DueSomma(y0[u(i)].l, dy[u(i)].l, t, e2);
        DueSomma(e1, t, t, e3);
        const double r = e2 + e3;
        DueSomma(s, t, s, t);
        resto[u(i)] = std::abs(r) * (1 + 2 * U);
        const double dist = DistanzaDalBordo(s, t) - resto[u(i)];
        c[u(i)] = {s * f[u(i)], t * f[u(i)]};
        if (!(dist > 0.0) || !InIntervalloSicuro(c[u(i)].h))
            return std::nullopt;
        sol.coeff[u(i)] = c[u(i)].h;
        necessario = std::max(necessario, R / dist * Gonfia);
    }

    // The centred form from these coefficients by a Taylor shift in
    // double-word, with the same proof: a bound linear in ||y* - y||_2
    // (weights `peso`) plus the shift's own roundings (`arit`).
    CentroEScala(x, sol.centrata.centro, sol.centrata.scala);
    sol.centrata.grado = static_cast<int16_t>(grado);
    const double m = sol.centrata.centro, am = std::abs(m);
    std::array<double, Massimo> peso{}, arit{};
    for (int j = 0; j < N; ++j) {
        peso[u(j)] = f[u(j)];
        arit[u(j)] = resto[u(j)] * f[u(j)] + Eta;
    }
    for (int i = 0; i < N - 1; ++i)
        for (int k = N - 2; k >= i; --k) {
            const Doppio p = Prodotto<Fma>(c[u(k + 1)], Doppio{m, 0.0});
            c[u(k)] = Somma(c[u(k)], p);
            peso[u(k)] += peso[u(k + 1)] * am;
            arit[u(k)] += arit[u(k + 1)] * am + EpsDoppio * (std::abs(p.h) + 2 * std::abs(c[u(k)].h)) + 2 * Eta;
        }
    double potenza = 1.0;
    for (int k = 0; k < N; ++k) {
        const Doppio e = {c[u(k)].h * potenza, c[u(k)].l * potenza};
        if (!InIntervalloSicuro(e.h))
            return std::nullopt;
        const double dist = DistanzaDalBordo(e.h, e.l) - arit[u(k)] * potenza * Gonfia - Eta;
        if (!(dist > 0.0))
            return std::nullopt;
        sol.centrata.coeff[u(k)] = e.h;
        necessario = std::max(necessario, R * peso[u(k)] * potenza / dist * Gonfia);
        potenza *= sol.centrata.scala;
    }

    // Prove lambda_min(B) > necessario with one LDL^T of Bd - tau I.
    const double gamma = (N + 1) * EpsDoppio / (1 - (N + 1) * EpsDoppio);
    const auto perturbazione = [&](double tau) {
        return (frobenius + EpsDoppio * (diagonale + tau) + gamma * traccia * (1 + EpsDoppio) / (1 - gamma)
                + N * N * 0x1p-900)
            * Gonfia;
    };
    const double tau = necessario * (1 + 0x1p-6) + perturbazione(2 * necessario) * (1 + 0x1p-6);
    if (!std::isfinite(tau) || !(tau - perturbazione(tau) > necessario))
        return std::nullopt;
    Matrice C = Bd;
    for (int i = 0; i < N; ++i)
        C[u(i)][u(i)] = Somma(C[u(i)][u(i)], Doppio{-tau, 0.0});
    Matrice L2;
    Vettore D2;
    if (!FattorizzaLDL<Fma>(C, N, L2, D2))
        return std::nullopt;
    return sol;
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
#ifdef CURVELLO_AVX2
    static const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    if (avx2 && via == ViaCertificata::Migliore)
        return CertificaAvx2(x, y, grado);
#else
    (void)via;
#endif
    return Certifica<FmaNativa, double>(x, y, grado);
}
