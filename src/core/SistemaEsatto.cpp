#include "SistemaEsatto.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

using boost::multiprecision::cpp_int;

namespace {

// The largest double is (2^53 - 1) * 2^971.
constexpr long EsponenteMassimo = 971;

const cpp_int& MantissaMassima()
{
    static const cpp_int m = (cpp_int(1) << 53) - 1;
    return m;
}

// m * 2^e with an integer m.
struct Diadico {
    cpp_int m;
    long e = 0;
};

Diadico DaDouble(double v)
{
    if (v == 0.0)
        return {};
    int e = 0;
    const double f = std::frexp(v, &e);
    auto m = static_cast<int64_t>(std::ldexp(f, 53));  // exact, subnormals included
    long esp = e - 53;
    while ((m & 1) == 0) {
        m /= 2;
        ++esp;
    }
    return {cpp_int(m), esp};
}

Diadico Somma(const Diadico& a, const Diadico& b)
{
    if (a.m.is_zero())
        return b;
    if (b.m.is_zero())
        return a;
    const long e = std::min(a.e, b.e);
    return {cpp_int(a.m << static_cast<unsigned>(a.e - e)) + cpp_int(b.m << static_cast<unsigned>(b.e - e)), e};
}

Diadico Prodotto(const Diadico& a, const Diadico& b) { return {a.m * b.m, a.e + b.e}; }

// Sign of a * 2^ea - b * 2^eb for a, b >= 0.
int Confronta(const cpp_int& a, long ea, const cpp_int& b, long eb)
{
    if (a.is_zero() || b.is_zero())
        return (a.is_zero() ? 0 : 1) - (b.is_zero() ? 0 : 1);
    const long la = static_cast<long>(msb(a)) + ea;
    const long lb = static_cast<long>(msb(b)) + eb;
    if (la != lb)
        return la < lb ? -1 : 1;
    if (ea > eb)
        return cpp_int(a << static_cast<unsigned>(ea - eb)).compare(b);
    if (eb > ea)
        return a.compare(cpp_int(b << static_cast<unsigned>(eb - ea)));
    return a.compare(b);
}

bool OltreMassimo(const cpp_int& v, long e)
{
    return Confronta(abs(v), e, MantissaMassima(), EsponenteMassimo) > 0;
}

// num / den * 2^e rounded to the nearest double, ties to even; `fuori` when
// the exact value lies beyond the largest double.
double Arrotonda(const cpp_int& num, const cpp_int& den, long e, bool& fuori)
{
    fuori = false;
    if (num.is_zero())
        return 0.0;
    const bool negativo = (num.sign() < 0) != (den.sign() < 0);
    const cpp_int a = abs(num), b = abs(den);
    // A quotient of 55 or 56 bits: 53 kept, one to round, one more, and the
    // remainder as the sticky bit.
    const long sposta = 55 - (static_cast<long>(msb(a)) - static_cast<long>(msb(b)));
    cpp_int q, r;
    if (sposta >= 0)
        divide_qr(cpp_int(a << static_cast<unsigned>(sposta)), b, q, r);
    else
        divide_qr(a, cpp_int(b << static_cast<unsigned>(-sposta)), q, r);
    const long base = e - sposta;
    const long alto = static_cast<long>(msb(q)) + base;
    if (alto > 1023) {
        fuori = true;
        return 0.0;
    }
    const long basso = std::max(alto - 52, -1074L);  // subnormals keep fewer bits
    const auto togli = static_cast<unsigned>(basso - base);
    cpp_int tenuto = q >> togli;
    const cpp_int resto = q - (tenuto << togli);
    const cpp_int meta = cpp_int(1) << (togli - 1);
    const bool sticky = !r.is_zero();
    if (alto == 1023 && tenuto == MantissaMassima() && (!resto.is_zero() || sticky)) {
        fuori = true;
        return 0.0;
    }
    if (resto > meta || (resto == meta && (sticky || bit_test(tenuto, 0))))
        ++tenuto;
    const double v = std::ldexp(tenuto.convert_to<double>(), static_cast<int>(basso));
    return negativo ? -v : v;
}

// The points as integers over one power of two: v = m * 2^e for every v.
long InteriComuni(std::span<const double> v, std::vector<cpp_int>& interi)
{
    std::vector<Diadico> d(v.size());
    long e = LONG_MAX;
    for (size_t l = 0; l < v.size(); ++l) {
        d[l] = DaDouble(v[l]);
        if (!d[l].m.is_zero())
            e = std::min(e, d[l].e);
    }
    if (e == LONG_MAX)
        e = 0;
    interi.resize(v.size());
    for (size_t l = 0; l < v.size(); ++l)
        interi[l] = d[l].m << static_cast<unsigned>(d[l].m.is_zero() ? 0 : d[l].e - e);
    return e;
}

} // namespace

void CentroEScala(std::span<const double> x, double& centro, double& scala)
{
    const auto [minimo, massimo] = std::minmax_element(x.begin(), x.end());
    centro = *minimo / 2 + *massimo / 2;  // no overflow at the ends of the range
    const double semiampiezza = std::max(*massimo - centro, centro - *minimo);
    int e = 1021;
    if (std::isfinite(semiampiezza)) {
        const double f = std::frexp(semiampiezza, &e);
        if (semiampiezza == 0.0)
            e = 0;
        else if (f == 0.5)
            --e;
    }
    scala = std::ldexp(1.0, std::clamp(e, -1021, 1021));  // 1 / scala stays a double
}

SoluzioneSistema RisolviEsatto(std::span<const double> x, std::span<const double> y, int grado, bool scalaRighe)
{
    SoluzioneSistema s;
    s.grado = static_cast<int16_t>(grado);
    auto fine = [&s](EsitoSistema e) {
        s.esito = e;
        return s;
    };
    const int N = grado + 1;
    const size_t n = x.size();

    // x = X * 2^ex and y = Y * 2^ey, so A(i, j) = S(i + j) * 2^(ex (i + j)) and
    // b(i) = T(i) * 2^(ey + ex i) (0-based) with integer sums S and T.
    std::vector<cpp_int> X, Y;
    const long ex = InteriComuni(x, X);
    const long ey = InteriComuni(y, Y);

    // Powers, products and every partial sum in point order must stay within
    // the double range. For the sums of powers the even final sums decide it:
    // a power beyond it makes an even sum beyond it (itself, or the next one
    // up when |x| > 1), and |partial sum of x^p| <= sqrt(S(p-1) S(p+1)).
    std::vector<cpp_int> S(static_cast<size_t>(2 * N - 1)), T(static_cast<size_t>(N));
    std::vector<cpp_int> potenza(n, cpp_int(1));
    for (int p = 0; p <= 2 * N - 2; ++p) {
        const long ep = ex * p;
        cpp_int& somma = S[static_cast<size_t>(p)];
        for (size_t l = 0; l < n; ++l) {
            if (p > 0)
                potenza[l] *= X[l];
            somma += potenza[l];
            if (p < N) {
                const cpp_int prodotto = Y[l] * potenza[l];
                cpp_int& termine = T[static_cast<size_t>(p)];
                termine += prodotto;
                if (OltreMassimo(prodotto, ey + ep) || OltreMassimo(termine, ey + ep))
                    return fine(EsitoSistema::FuoriIntervallo);
            }
        }
        if (p % 2 == 0 && OltreMassimo(somma, ep))
            return fine(EsitoSistema::FuoriIntervallo);
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
        return fine(EsitoSistema::RigaNulla);
    std::vector<double> distinte(x.begin(), x.end());
    std::sort(distinte.begin(), distinte.end());
    const auto d = std::unique(distinte.begin(), distinte.end()) - distinte.begin();
    if (d <= N - 2)
        return fine(EsitoSistema::PivotNullo);
    if (d == N - 1)
        return fine(EsitoSistema::UltimoPivotNullo);

    // S is positive definite: fraction-free elimination (Bareiss) needs no
    // exchanges. After step k every entry is the Gaussian one times the k-th
    // leading minor, and each division is exact.
    std::vector<std::vector<cpp_int>> B(static_cast<size_t>(N), std::vector<cpp_int>(static_cast<size_t>(N + 1)));
    for (int i = 0; i < N; ++i) {
        for (int j = 0; j < N; ++j)
            B[static_cast<size_t>(i)][static_cast<size_t>(j)] = S[static_cast<size_t>(i + j)];
        B[static_cast<size_t>(i)][static_cast<size_t>(N)] = T[static_cast<size_t>(i)];
    }
    auto b = [&B](int i, int j) -> cpp_int& { return B[static_cast<size_t>(i)][static_cast<size_t>(j)]; };
    cpp_int precedente = 1;
    for (int k = 0; k < N - 1; ++k) {
        for (int i = k + 1; i < N; ++i)
            for (int j = k + 1; j <= N; ++j)
                b(i, j) = (b(k, k) * b(i, j) - b(i, k) * b(k, j)) / precedente;
        precedente = b(k, k);
    }
    const cpp_int det = b(N - 1, N - 1);

    // Back-substitution on numerators over det (Cramer: each is an integer).
    std::vector<cpp_int> W(static_cast<size_t>(N));
    W[static_cast<size_t>(N - 1)] = b(N - 1, N);
    for (int i = N - 2; i >= 0; --i) {
        cpp_int t = det * b(i, N);
        for (int j = i + 1; j < N; ++j)
            t -= b(i, j) * W[static_cast<size_t>(j)];
        W[static_cast<size_t>(i)] = t / b(i, i);
    }

    // C(k) = W(k) / det * 2^(ey - k ex).
    std::vector<Diadico> a(static_cast<size_t>(N));
    for (int k = 0; k < N; ++k) {
        a[static_cast<size_t>(k)] = {W[static_cast<size_t>(k)], ey - ex * k};
        bool fuori = false;
        s.coeff[static_cast<size_t>(k)] = Arrotonda(W[static_cast<size_t>(k)], det, ey - ex * k, fuori);
        if (fuori)
            return fine(EsitoSistema::FuoriIntervallo);
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
        bool fuori = false;
        s.centrata.coeff[static_cast<size_t>(k)] = Arrotonda(ak.m, det, ak.e + static_cast<long>(esponenteScala) * k, fuori);
        if (fuori)
            return fine(EsitoSistema::FuoriIntervallo);
    }
    return fine(EsitoSistema::Risolto);
}
