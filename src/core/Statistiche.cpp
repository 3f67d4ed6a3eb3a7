#include "Statistiche.h"

#include "SistemaIntero.h"
#include "XYPoli.h"

using namespace esatto;

namespace {

Statistica Valore(std::optional<double> v)
{
    if (v)
        return {v, MotivoNonDefinito::Nessuno};
    return {std::nullopt, MotivoNonDefinito::FuoriIntervallo};
}

Statistica NonDefinita(MotivoNonDefinito motivo) { return {std::nullopt, motivo}; }

} // namespace

StatisticheAdattamento CalcolaStatistiche(std::span<const double> x, std::span<const double> y, int grado)
{
    StatisticheAdattamento r;
    SistemaIntero s;
    r.esito = Prepara(x, y, grado, true, s);
    if (r.esito != EsitoSistema::Risolto)
        return r;
    Elimina(s, true);
    const int N = s.N;
    const auto n = static_cast<long>(x.size());
    const long nu = n - N;
    const long ey = s.ey;
    r.punti = static_cast<int>(n);
    r.grado = grado;
    r.gradiDiLiberta = static_cast<int>(nu);

    // With y = Y 2^ey and C(k) = W(k) / det 2^(ey - ex k):
    // RSS = rss 2^2ey / det (y^T y - C^T b, exact at the exact solution),
    // TSS = tss 2^2ey / n, SSR = ssr 2^2ey / (n det).
    Intero sommaY2 = 0;
    for (const Intero& v : s.Y)
        sommaY2 += v * v;
    Intero rss = s.det * sommaY2;
    for (int k = 0; k < N; ++k)
        rss -= s.W[static_cast<size_t>(k)] * s.T[static_cast<size_t>(k)];
    const Intero tss = n * sommaY2 - s.T[0] * s.T[0];
    const Intero ssr = tss * s.det - n * rss;
    const bool senzaGradi = nu == 0, ytutteUguali = tss.is_zero(), residuiNulli = rss.is_zero();

    r.rss = Valore(Arrotonda(rss, s.det, 2 * ey));
    r.tss = Valore(Arrotonda(tss, n, 2 * ey));
    r.ssr = Valore(Arrotonda(ssr, n * s.det, 2 * ey));
    r.r2 = ytutteUguali ? NonDefinita(MotivoNonDefinito::YTutteUguali) : Valore(Arrotonda(ssr, tss * s.det, 0));
    if (senzaGradi) {
        r.r2Corretto = r.s = r.f = NonDefinita(MotivoNonDefinito::NessunGradoDiLiberta);
        r.erroriStandard = r.t = std::vector<Statistica>(static_cast<size_t>(N), r.s);
    } else {
        const Intero base = nu * s.det * tss;
        r.r2Corretto = ytutteUguali ? NonDefinita(MotivoNonDefinito::YTutteUguali)
                                    : Valore(Arrotonda(base - n * (n - 1) * rss, base, 0));
        r.s = Valore(ArrotondaRadice(rss, nu * s.det, ey));
        r.f = ytutteUguali  ? NonDefinita(MotivoNonDefinito::YTutteUguali)
              : residuiNulli ? NonDefinita(MotivoNonDefinito::ResiduiNulli)
                             : Valore(Arrotonda(nu * ssr, grado * n * rss, 0));
        // (X^T X)^-1(k, k) = adj(k, k) / det 2^(-2 ex k); t(k) = W(k) / sqrt(rss adj(k, k) / nu).
        const Intero det2 = nu * s.det * s.det;
        for (int k = 0; k < N; ++k) {
            const Intero aggiunta = AggiuntaDiagonale(s, k);
            const Intero& w = s.W[static_cast<size_t>(k)];
            r.erroriStandard.push_back(Valore(ArrotondaRadice(rss * aggiunta, det2, ey - s.ex * k)));
            if (residuiNulli) {
                r.t.push_back(NonDefinita(MotivoNonDefinito::ResiduiNulli));
                continue;
            }
            Statistica t = Valore(ArrotondaRadice(w * w * nu, rss * aggiunta, 0));
            if (t.valore && w.sign() < 0)
                t.valore = -*t.valore;
            r.t.push_back(t);
        }
    }

    // r(i) = 2^ey (det Y(i) - sum W(k) X(i)^k) / det.
    for (size_t i = 0; i < x.size(); ++i) {
        Intero p = s.W[static_cast<size_t>(N - 1)];
        for (int k = N - 2; k >= 0; --k)
            p = p * s.X[i] + s.W[static_cast<size_t>(k)];
        r.residui.push_back(Valore(Arrotonda(s.det * s.Y[i] - p, s.det, ey)));
    }
    return r;
}

StatisticheAdattamento CalcolaStatistiche(const XYPoli& terne, int grado)
{
    std::vector<double> x, y;
    for (int32_t i = 0; i < terne.NumeroElementi(); ++i) {
        x.push_back(terne.X(i));
        y.push_back(terne.Y(i));
    }
    return CalcolaStatistiche(x, y, grado);
}

std::string DescriviMotivo(MotivoNonDefinito motivo)
{
    switch (motivo) {
    case MotivoNonDefinito::NessunGradoDiLiberta:
        return "Non definito: i punti sono tanti quanti i coefficienti (nessun grado di libertà).";
    case MotivoNonDefinito::YTutteUguali:
        return "Non definito: tutte le Y sono uguali (somma dei quadrati totale nulla).";
    case MotivoNonDefinito::ResiduiNulli:
        return "Non definito: i residui sono tutti nulli, il valore sarebbe infinito.";
    case MotivoNonDefinito::FuoriIntervallo:
        return "Non definito: il valore supera l'intervallo dei numeri rappresentabili.";
    case MotivoNonDefinito::Nessuno:
        break;
    }
    return {};
}
