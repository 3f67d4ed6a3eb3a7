#pragma once

// Error-free transformations and double-word arithmetic for the fit's fast
// path. Every operation here must be rounded on its own: the files that use
// it are compiled without contraction of multiply-adds (-ffp-contract=off).
//
// `Fma` chooses how the exact product is split: with a fused multiply-add,
// or by Veltkamp-Dekker splitting where fma would be a slow library call (and
// always for vector lanes). Both give the same exact result; the split needs
// |a|, |b| < 2^995.

#include <cmath>
#include <type_traits>

namespace estesa {

inline constexpr double U = 0x1p-53;  // unit roundoff

inline double Abs(double a) { return std::abs(a); }

#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define CURVELLO_AVX2
// Four lanes, for the copy built for processors with AVX2 and FMA (GCC's
// vector types take the instructions of the function they end up in). Only
// generic vector operations are used on them, never a target's builtin, so
// the results stay exact however the compiler inlines (or, unoptimised,
// does not inline) the code; the lanes pass only between functions of the
// one file that includes this.
#pragma GCC diagnostic ignored "-Wpsabi"
typedef double Quattro __attribute__((vector_size(32)));
typedef long long QuattroInteri __attribute__((vector_size(32)));

inline Quattro Abs(Quattro a)
{
    constexpr long long Modulo = 0x7fffffffffffffffLL;
    return reinterpret_cast<Quattro>(reinterpret_cast<QuattroInteri>(a) & QuattroInteri{Modulo, Modulo, Modulo, Modulo});
}

#endif

// The pair functions and the accumulator below also take vectors of doubles
// (a lane per point), given Abs for them.

// s + e == a + b exactly.
template <class T>
inline void DueSomma(T a, T b, T& s, T& e)
{
    s = a + b;
    const T bb = s - a;
    e = (a - (s - bb)) + (b - bb);
}

// s + e == a + b exactly when |a| >= |b| (or a == 0).
inline void DueSommaVeloce(double a, double b, double& s, double& e)
{
    s = a + b;
    e = b - (s - a);
}

template <bool ConFma, class T>
inline void DueProdotto(T a, T b, T& p, T& e)
{
    p = a * b;
    if constexpr (ConFma && std::is_same_v<T, double>) {
        e = std::fma(a, b, -p);
    } else {
        constexpr double Spezza = 134217729.0;  // 2^27 + 1
        const T ca = Spezza * a, cb = Spezza * b;
        const T ah = ca - (ca - a), al = a - ah;
        const T bh = cb - (cb - b), bl = b - bh;
        e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
    }
}

// A double-word number h + l with |l| <= ulp(h) / 2.
struct Doppio {
    double h = 0.0;
    double l = 0.0;
};

inline Doppio Neg(Doppio a) { return {-a.h, -a.l}; }

// a + b as a double-word number, when |a| >= |b|.
inline Doppio Normalizza(double a, double b)
{
    Doppio z;
    DueSommaVeloce(a, b, z.h, z.l);
    return z;
}

// Relative error below 3u^2 (Joldes, Muller, Popescu 2017, accurate sum).
inline Doppio Somma(Doppio x, Doppio y)
{
    double sh, sl, th, tl;
    DueSomma(x.h, y.h, sh, sl);
    DueSomma(x.l, y.l, th, tl);
    double c = sl + th;
    double vh, vl;
    DueSommaVeloce(sh, c, vh, vl);
    return Normalizza(vh, tl + vl);
}

// Relative error below 5u^2 with fma (Joldes, Muller, Popescu 2017).
template <bool Fma>
inline Doppio Prodotto(Doppio x, Doppio y)
{
    double ch, cl1;
    DueProdotto<Fma>(x.h, y.h, ch, cl1);
    const double tl0 = x.l * y.l;
    double cl2;
    if constexpr (Fma)
        cl2 = std::fma(x.l, y.h, std::fma(x.h, y.l, tl0));
    else
        cl2 = x.l * y.h + (x.h * y.l + tl0);
    return Normalizza(ch, cl1 + cl2);
}

// Relative error below 15u^2 + 56u^3 (Joldes, Muller, Popescu 2017).
template <bool Fma>
inline Doppio Quoziente(Doppio x, Doppio y)
{
    const double th = x.h / y.h;
    const Doppio r = Prodotto<Fma>(y, Doppio{th, 0.0});
    const double ph = x.h - r.h;
    const double dl = x.l - r.l;
    const double d = ph + dl;
    return Normalizza(th, d / y.h);
}

// The bound used for every double-word operation above, with room to spare.
inline constexpr double EpsDoppio = 32 * U * U;

// A sum kept in four levels of decreasing size. Each addition takes one part
// exactly at level 0, further parts exactly at level 1, and the small rest
// (summed by the caller, who bounds that rounding) at level 2; what falls
// out of level 2 is added plainly to level 3, and `errore` bounds those
// roundings and the ones of the rest's own sum here. Level 3 stays so small
// that charging it each time costs nothing in the bound.
template <class T>
struct AccumulatoreDi {
    T s0{}, s1{}, s2{}, s3{}, errore{};

    template <class... Medi>
    void Aggiungi(T alto, T piccolo, Medi... medi)
    {
        T e, resto;
        DueSomma(s0, alto, s0, e);
        DueSomma(s1, e, s1, resto);
        ((DueSomma(s1, T(medi), s1, e), resto += e, errore += U * Abs(resto)), ...);
        resto += piccolo;
        DueSomma(s2, resto, s2, e);
        s3 += e;
        errore += U * (Abs(resto) + Abs(s3));
    }
    // The levels renormalised into a leading part and two tails; the
    // rounding of the last tail goes into `err`.
    void Normalizza(double& a, double& b, double& c, double& err) const
    {
        double d;
        a = s0;
        b = s1;
        c = s2;
        d = s3;
        DueSomma(c, d, c, d);
        DueSomma(b, c, b, c);
        DueSomma(a, b, a, b);
        DueSomma(b, c, b, c);
        DueSomma(a, b, a, b);
        const double cd = c + d;
        err = errore + U * std::abs(cd);
        c = cd;
    }
};

using Accumulatore = AccumulatoreDi<double>;

} // namespace estesa
