#include "SistemaIntero.h"

#include "AritmeticaEstesa.h"

#include <algorithm>
#include <bit>
#include <cfenv>
#include <climits>
#include <cmath>
#include <cstdint>

namespace esatto {

namespace {

// The largest double is (2^53 - 1) * 2^971.
constexpr long EsponenteMassimo = 971;

const Intero& MantissaMassima()
{
    static const Intero m = (Intero(1) << 53) - 1;
    return m;
}

// Sign of a * 2^ea - b * 2^eb for a, b >= 0.
int Confronta(const Intero& a, long ea, const Intero& b, long eb)
{
    if (a.is_zero() || b.is_zero())
        return (a.is_zero() ? 0 : 1) - (b.is_zero() ? 0 : 1);
    const long la = static_cast<long>(msb(a)) + ea;
    const long lb = static_cast<long>(msb(b)) + eb;
    if (la != lb)
        return la < lb ? -1 : 1;
    if (ea > eb)
        return Intero(a << static_cast<unsigned>(ea - eb)).compare(b);
    if (eb > ea)
        return a.compare(Intero(b << static_cast<unsigned>(eb - ea)));
    return a.compare(b);
}

// q = a / d for a multiple a of d: GMP has a much faster division for it.
void DividiEsatto(Intero& q, const Intero& a, const Intero& d)
{
#ifdef CURVELLO_GMP
    mpz_divexact(q.backend().data(), a.backend().data(), d.backend().data());
#else
    q = a / d;
#endif
}

// The highest set bit of |v| (v != 0), without a copy.
long BitAlto(const Intero& v)
{
#ifdef CURVELLO_GMP
    return static_cast<long>(mpz_sizeinbase(v.backend().data(), 2)) - 1;
#else
    return static_cast<long>(v.sign() < 0 ? msb(Intero(-v)) : msb(v));
#endif
}

bool OltreMassimo(const Intero& v, long e)
{
    if (v.is_zero())
        return false;
    const long alto = BitAlto(v) + e;
    if (alto != 52 + EsponenteMassimo)
        return alto > 52 + EsponenteMassimo;
    return Confronta(abs(v), e, MantissaMassima(), EsponenteMassimo) > 0;
}

// q * 2^base, 2^54 <= q < 2^64, plus a positive amount below 2^base when
// `sticky`, rounded to nearest, ties to even. Native integers: no allocation.
std::optional<double> ArrotondaCoda(uint64_t q, long base, bool sticky, bool negativo)
{
    const long alto = 63 - std::countl_zero(q) + base;
    if (alto > 1023)
        return std::nullopt;
    const long basso = std::max(alto - 52, -1074L);  // subnormals keep fewer bits
    const long togli = basso - base;
    if (togli > 62)  // below half the smallest subnormal
        return negativo ? -0.0 : 0.0;
    uint64_t tenuto = q >> togli;
    const uint64_t resto = q - (tenuto << togli), meta = uint64_t(1) << (togli - 1);
    if (alto == 1023 && tenuto == (uint64_t(1) << 53) - 1 && (resto != 0 || sticky))
        return std::nullopt;
    if (resto > meta || (resto == meta && (sticky || (tenuto & 1) != 0)))
        ++tenuto;
    // At most 2^53: the conversion and the scaling are exact in any rounding mode.
    const double v = std::ldexp(static_cast<double>(tenuto), static_cast<int>(basso));
    return negativo ? -v : v;
}

// v = m * 2^e with m odd (m = 0 for v = 0).
void MantissaEsponente(double v, int64_t& m, long& e)
{
    m = 0;
    e = 0;
    if (v == 0.0)
        return;
    int esp = 0;
    const double f = std::frexp(v, &esp);
    m = static_cast<int64_t>(std::ldexp(f, 53));  // exact, subnormals included
    e = esp - 53;
    while ((m & 1) == 0) {
        m /= 2;
        ++e;
    }
}

// m * 2^e with an integer m.
struct Diadico {
    Intero m;
    long e = 0;
};

Diadico DaDouble(double v)
{
    int64_t m = 0;
    long e = 0;
    MantissaEsponente(v, m, e);
    return {Intero(m), e};
}

Diadico Somma(const Diadico& a, const Diadico& b)
{
    if (a.m.is_zero())
        return b;
    if (b.m.is_zero())
        return a;
    const long e = std::min(a.e, b.e);
    return {Intero(a.m << static_cast<unsigned>(a.e - e)) + Intero(b.m << static_cast<unsigned>(b.e - e)), e};
}

Diadico Prodotto(const Diadico& a, const Diadico& b) { return {a.m * b.m, a.e + b.e}; }

} // namespace

std::optional<double> Arrotonda(const Intero& num, const Intero& den, long e)
{
    if (num.is_zero())
        return 0.0;
    const bool negativo = (num.sign() < 0) != (den.sign() < 0);
    const Intero a = abs(num), b = abs(den);
    // A quotient of 55 or 56 bits: 53 kept, one to round, one more, and the
    // remainder as the sticky bit.
    const long sposta = 55 - (static_cast<long>(msb(a)) - static_cast<long>(msb(b)));
    Intero q, r;
    if (sposta >= 0)
        divide_qr(Intero(a << static_cast<unsigned>(sposta)), b, q, r);
    else
        divide_qr(a, Intero(b << static_cast<unsigned>(-sposta)), q, r);
    return ArrotondaCoda(q.convert_to<uint64_t>(), e - sposta, !r.is_zero(), negativo);
}

std::optional<double> ArrotondaRadice(const Intero& num, const Intero& den, long e)
{
    if (num.is_zero())
        return 0.0;
    // sqrt(num / den * 4^sposta) of at least 56 bits, its remainder and the
    // division's as the sticky bit.
    const long l = static_cast<long>(msb(num)) - static_cast<long>(msb(den));
    const long sposta = 57 - (l >= 0 ? l / 2 : -((1 - l) / 2));
    Intero q, r, radice, resto;
    if (sposta >= 0)
        divide_qr(Intero(num << static_cast<unsigned>(2 * sposta)), den, q, r);
    else
        divide_qr(num, Intero(den << static_cast<unsigned>(-2 * sposta)), q, r);
    radice = sqrt(q);
    resto = q - radice * radice;
    return ArrotondaCoda(radice.convert_to<uint64_t>(), e - sposta, !r.is_zero() || !resto.is_zero(), false);
}

namespace {

// The points as integers over one power of two: v = m * 2^e for every v.
long InteriComuni(std::span<const double> v, std::vector<Intero>& interi)
{
    std::vector<int64_t> m(v.size());
    std::vector<long> esp(v.size());
    long e = LONG_MAX;
    for (size_t l = 0; l < v.size(); ++l) {
        MantissaEsponente(v[l], m[l], esp[l]);
        if (m[l] != 0)
            e = std::min(e, esp[l]);
    }
    if (e == LONG_MAX)
        e = 0;
    interi.resize(v.size());
    for (size_t l = 0; l < v.size(); ++l) {
        interi[l] = m[l];
        if (m[l] != 0)
            interi[l] <<= static_cast<unsigned>(esp[l] - e);
    }
    return e;
}

} // namespace

EsitoSistema Prepara(std::span<const double> x, std::span<const double> y, int grado, bool scalaRighe,
                     SistemaIntero& s)
{
    if (grado < 1 || grado > GradoMassimoSistema || x.size() != y.size())
        return EsitoSistema::NonAmmesso;
    const int N = s.N = grado + 1;
    const size_t n = x.size();
    s.ex = InteriComuni(x, s.X);
    s.ey = InteriComuni(y, s.Y);

    // Powers, products and every partial sum in point order must stay within
    // the double range. For the sums of powers the even final sums decide it:
    // a power beyond it makes an even sum beyond it (itself, or the next one
    // up when |x| > 1), and |partial sum of x^p| <= sqrt(S(p-1) S(p+1)).
    s.S.assign(static_cast<size_t>(2 * N - 1), Intero(0));
    s.T.assign(static_cast<size_t>(N), Intero(0));
    std::vector<Intero> potenza(n, Intero(1));
    Intero prodotto;
    for (int p = 0; p <= 2 * N - 2; ++p) {
        const long ep = s.ex * p;
        Intero& somma = s.S[static_cast<size_t>(p)];
        for (size_t l = 0; l < n; ++l) {
            if (p > 0)
                potenza[l] *= s.X[l];
            somma += potenza[l];
            if (p < N) {
                prodotto = s.Y[l] * potenza[l];
                Intero& termine = s.T[static_cast<size_t>(p)];
                termine += prodotto;
                if (OltreMassimo(prodotto, s.ey + ep) || OltreMassimo(termine, s.ey + ep))
                    return EsitoSistema::FuoriIntervallo;
            }
        }
        if (p % 2 == 0 && OltreMassimo(somma, ep))
            return EsitoSistema::FuoriIntervallo;
    }

    // The outcome does not depend on the pivot rule or on the scaling. With
    // row exchanges only, step k meets a zero column exactly when column k of
    // A lies in the span of columns 1 .. k-1, whichever rows were chosen;
    // without exchanges the pivots are ratios of leading principal minors,
    // zero exactly then too. A = V^T V (V the Vandermonde matrix of the
    // points), so its first k columns have the rank of V's, min(k, d) for d
    // distinct X: d <= N - 2 meets a zero pivot at step d + 1 (M7), d = N - 1
    // only at A(N, N) (silent). Scaling divides rows by positive numbers; the
    // only row it finds all zero is that of every X being 0 (then x^2 sums to 0).
    if (scalaRighe && std::all_of(x.begin(), x.end(), [](double v) { return v == 0.0; }))
        return EsitoSistema::RigaNulla;
    std::vector<double> distinte(x.begin(), x.end());
    std::sort(distinte.begin(), distinte.end());
    const auto d = std::unique(distinte.begin(), distinte.end()) - distinte.begin();
    if (d <= N - 2)
        return EsitoSistema::PivotNullo;
    if (d == N - 1)
        return EsitoSistema::UltimoPivotNullo;
    return EsitoSistema::Risolto;
}

void Elimina(SistemaIntero& s, bool inversa)
{
    // S is positive definite: fraction-free elimination (Bareiss) needs no
    // exchanges. After step k every entry is the Gaussian one times the k-th
    // leading minor, and each division is exact. The identity's columns stay
    // lower triangular: row i holds entries at columns 0 .. k and i only.
    const int N = s.N;
    const int colonne = inversa ? 2 * N + 1 : N + 1;
    s.B.assign(static_cast<size_t>(N), std::vector<Intero>(static_cast<size_t>(colonne)));
    auto b = [&s](int i, int j) -> Intero& { return s.B[static_cast<size_t>(i)][static_cast<size_t>(j)]; };
    for (int i = 0; i < N; ++i) {
        for (int j = 0; j < N; ++j)
            b(i, j) = s.S[static_cast<size_t>(i + j)];
        b(i, N) = s.T[static_cast<size_t>(i)];
        if (inversa)
            b(i, N + 1 + i) = 1;
    }
    Intero precedente = 1, t;
    const auto passo = [&](int i, int j, int k) {
        t = b(k, k) * b(i, j);
        t -= b(i, k) * b(k, j);
        DividiEsatto(b(i, j), t, precedente);
    };
    for (int k = 0; k < N - 1; ++k) {
        for (int i = k + 1; i < N; ++i) {
            for (int j = k + 1; j <= N; ++j)
                passo(i, j, k);
            if (inversa) {
                for (int c = 0; c <= k; ++c)
                    passo(i, N + 1 + c, k);
                passo(i, N + 1 + i, k);
            }
        }
        precedente = b(k, k);
    }
    s.det = b(N - 1, N - 1);

    // Back-substitution on numerators over det (Cramer: each is an integer).
    s.W.assign(static_cast<size_t>(N), Intero(0));
    s.W[static_cast<size_t>(N - 1)] = b(N - 1, N);
    for (int i = N - 2; i >= 0; --i) {
        t = s.det * b(i, N);
        for (int j = i + 1; j < N; ++j)
            t -= b(i, j) * s.W[static_cast<size_t>(j)];
        DividiEsatto(s.W[static_cast<size_t>(i)], t, b(i, i));
    }
}

Intero AggiuntaDiagonale(const SistemaIntero& s, int k)
{
    // Column k of det S^-1 by the same back-substitution, from the bottom up to row k.
    const int N = s.N;
    auto b = [&s](int i, int j) -> const Intero& { return s.B[static_cast<size_t>(i)][static_cast<size_t>(j)]; };
    const int c = N + 1 + k;
    std::vector<Intero> z(static_cast<size_t>(N));
    z[static_cast<size_t>(N - 1)] = b(N - 1, c);
    Intero t;
    for (int i = N - 2; i >= k; --i) {
        t = s.det * b(i, c);
        for (int j = i + 1; j < N; ++j)
            t -= b(i, j) * z[static_cast<size_t>(j)];
        DividiEsatto(z[static_cast<size_t>(i)], t, b(i, i));
    }
    return z[static_cast<size_t>(k)];
}

} // namespace esatto

using namespace esatto;

namespace {

// The smallest power of two not below v >= 0, as an exponent (0 for v = 0).
long EsponenteSopra(const Diadico& v)
{
    if (v.m.is_zero())
        return 0;
    const auto alto = msb(v.m);
    return static_cast<long>(alto) + v.e + (lsb(v.m) == alto ? 0 : 1);  // a power of two, or above one
}

// The same from doubles when rounding to nearest and every step is exact.
bool CentroEScalaVeloce(double minimo, double massimo, double& centro, long& e)
{
    const double a = minimo / 2, b = massimo / 2;
    if (std::fegetround() != FE_TONEAREST || a * 2 != minimo || b * 2 != massimo)
        return false;
    centro = a + b;  // the halves are exact: one rounding to nearest
    double destra, sinistra, e1, e2;
    estesa::DueSomma(massimo, -centro, destra, e1);
    estesa::DueSomma(centro, -minimo, sinistra, e2);
    if (e1 != 0.0 || e2 != 0.0)
        return false;
    const double semi = std::max(destra, sinistra);
    int esponente = 0;
    const double f = std::frexp(semi, &esponente);
    e = semi == 0.0 ? 0 : f == 0.5 ? esponente - 1 : esponente;
    return true;
}

} // namespace

void CentroEScala(std::span<const double> x, double& centro, double& scala)
{
    centro = 0.0;
    scala = 1.0;
    if (x.empty())
        return;
    const auto [minimo, massimo] = std::minmax_element(x.begin(), x.end());
    long e = 0;
    if (!CentroEScalaVeloce(*minimo, *massimo, centro, e)) {
        const Diadico somma = Somma(DaDouble(*minimo), DaDouble(*massimo));
        centro = Arrotonda(somma.m, 1, somma.e - 1).value_or(0.0);  // never beyond the points
        const Diadico c = DaDouble(centro), a = DaDouble(*minimo), b = DaDouble(*massimo);
        e = std::max(EsponenteSopra(Somma(b, {-c.m, c.e})), EsponenteSopra(Somma(c, {-a.m, a.e})));
    }
    scala = std::ldexp(1.0, static_cast<int>(std::clamp(e, -1021L, 1021L)));  // 1 / scala stays a double
}

SoluzioneSistema RisolviEsatto(std::span<const double> x, std::span<const double> y, int grado, bool scalaRighe)
{
    SoluzioneSistema s;
    s.grado = static_cast<int16_t>(grado);
    s.via = ViaSoluzione::Esatta;
    auto fine = [&s](EsitoSistema e) {
        s.esito = e;
        return s;
    };
    SistemaIntero sistema;
    if (const EsitoSistema e = Prepara(x, y, grado, scalaRighe, sistema); e != EsitoSistema::Risolto)
        return fine(e);
    Elimina(sistema, false);
    const int N = sistema.N;
    const long ex = sistema.ex, ey = sistema.ey;

    // C(k) = W(k) / det * 2^(ey - k ex).
    std::vector<Diadico> a(static_cast<size_t>(N));
    for (int k = 0; k < N; ++k) {
        const Intero& w = sistema.W[static_cast<size_t>(k)];
        a[static_cast<size_t>(k)] = {w, ey - ex * k};
        const auto c = Arrotonda(w, sistema.det, ey - ex * k);
        if (!c)
            return fine(EsitoSistema::FuoriIntervallo);
        s.coeff[static_cast<size_t>(k)] = *c;
    }

    // The same polynomial around the centre (a Taylor shift), then scaled.
    CentroEScala(x, s.centrata.centro, s.centrata.scala);
    s.centrata.grado = static_cast<int16_t>(grado);
    const Diadico centro = DaDouble(s.centrata.centro);
    int esponenteScala = 0;
    std::frexp(s.centrata.scala, &esponenteScala);
    --esponenteScala;
    for (int i = 0; i < N - 1; ++i)
        for (int k = N - 2; k >= i; --k)
            a[static_cast<size_t>(k)] = Somma(a[static_cast<size_t>(k)], Prodotto(a[static_cast<size_t>(k + 1)], centro));
    for (int k = 0; k < N; ++k) {
        const Diadico& ak = a[static_cast<size_t>(k)];
        const auto e = Arrotonda(ak.m, sistema.det, ak.e + static_cast<long>(esponenteScala) * k);
        if (!e)
            return fine(EsitoSistema::FuoriIntervallo);
        s.centrata.coeff[static_cast<size_t>(k)] = *e;
    }
    return fine(EsitoSistema::Risolto);
}
