#include "Curvello.h"

#include "Costanti.h"

#include <boost/multiprecision/cpp_bin_float.hpp>

#include <cfloat>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// 113 bits (34 decimal digits) hold the normal equations of most data sets to
// double accuracy; the wider two serve the few that need more.
using RealeQuad = boost::multiprecision::cpp_bin_float_quad;
using RealeLargo = boost::multiprecision::number<boost::multiprecision::cpp_bin_float<80>>;
using RealeLarghissimo = boost::multiprecision::number<boost::multiprecision::cpp_bin_float<200>>;

constexpr int RigheA = 12;
constexpr int ColonneA = 13;

} // namespace

template <class R>
struct Curvello::Sistema {
    std::array<std::array<R, ColonneA>, RigheA> a{};
    R& operator()(int i, int j) { return a[static_cast<size_t>(i)][static_cast<size_t>(j)]; }
};

struct Curvello::Sistemi {
    Sistema<RealeQuad> quad;
    Sistema<RealeLargo> largo;
    Sistema<RealeLarghissimo> larghissimo;
};

class Curvello::ErroreSilenzioso {
public:
    explicit ErroreSilenzioso(CausaInterruzione c) : causa(c) {}
    CausaInterruzione causa;
};

namespace {

// Closes the progress window however the build of the system ends.
class FinestraAvanzamento {
public:
    explicit FinestraAvanzamento(AscoltatoreAvanzamento* a) : a_(a)
    {
        if (a_) {
            a_->Mostra();
            a_->Avanza(0.0f);
        }
    }
    ~FinestraAvanzamento()
    {
        if (a_)
            a_->Chiudi();
    }
    FinestraAvanzamento(const FinestraAvanzamento&) = delete;
    FinestraAvanzamento& operator=(const FinestraAvanzamento&) = delete;
    void Avanza(float v)
    {
        if (a_)
            a_->Avanza(v);
    }

private:
    AscoltatoreAvanzamento* a_;
};

} // namespace

std::string DescriviInterruzione(CausaInterruzione causa)
{
    switch (causa) {
    case CausaInterruzione::GradoNonConvertibile:
        return "Calcolo interrotto: il grado inserito non è un numero.";
    case CausaInterruzione::RigaNulla:
        return "Calcolo interrotto: una riga del sistema è nulla (tutte le X valgono zero).";
    case CausaInterruzione::UltimoPivotNullo:
        return "Calcolo interrotto: divisione per zero nella sostituzione all'indietro.";
    case CausaInterruzione::FuoriIntervallo:
        return "Calcolo interrotto: un valore supera l'intervallo dei numeri rappresentabili.";
    case CausaInterruzione::Nessuna:
        break;
    }
    return "Calcolo interrotto.";
}

Curvello::Curvello(StatoProgramma& stato, CanaliCalcolo canali)
    : stato_(stato), canali_(std::move(canali)), a_(std::make_unique<Sistemi>())
{
}

Curvello::~Curvello() = default;

std::string Curvello::TestoMessaggio(int numero, const LimitiCalcolo& limiti, int16_t gr, int32_t punti)
{
    switch (numero) {
    case 1:
        return "Non soo state inserite coppie X - Y, inserirle e poi ripremere Calcola";
    case 2:
        return "Inserire un grado per il polinomio approssimante";
    case 3:
        return "Il grado del polinomio approssimante non può essere minore o uguale a zero.";
    case 4:
        return "Il grado del polinomio deve essere un numero intero compreso tra 1 e 10";
    case 5:
        return "Il numero di punti e' > di " + std::to_string(limiti.PuntiMassimi);
    case 6:
        return "Il grado " + std::to_string(gr) + " non puo' essere >= al numero di punti "
            + std::to_string(punti) + " ";
    case 7:
        return "divisione per zero nell'eliminazione gaussiana !!!";
    default:
        return {};
    }
}

void Curvello::rifiuta(RisultatoCalcolo& r, int numero, int16_t gr, int32_t punti)
{
    r.esito = EsitoCalcolo::Rifiutato;
    r.messaggio = numero;
    r.testo = TestoMessaggio(numero, stato_.limiti, gr, punti);
    if (canali_.messaggio)
        canali_.messaggio(r.testo);
}

RisultatoCalcolo Curvello::CalcolaPolinomio(const std::string& testoGrado, const Separatori& sep)
{
    RisultatoCalcolo r;
    stato_.oggcoppiecopia = std::make_unique<MySource>();
    stato_.polinomio = std::make_unique<Polinomio>();

    if (stato_.punti.NumeroElementi() == 0) {
        rifiuta(r, 1);
        return r;
    }
    if (testoGrado.empty()) {
        rifiuta(r, 2);
        return r;
    }
    if (!(ValoreIniziale(testoGrado) > 0.0)) {
        rifiuta(r, 3);
        return r;
    }
    const std::optional<double> grado = ConvertiTesto(testoGrado, sep);
    if (!grado) {
        r.esito = EsitoCalcolo::Interrotto;
        r.causa = CausaInterruzione::GradoNonConvertibile;
        return r;
    }
    if (*grado != std::floor(*grado) || *grado < 1.0 || *grado > stato_.limiti.GradoMassimo) {
        rifiuta(r, 4);
        return r;
    }

    CopiaCoppie();
    const int32_t n = stato_.punti.NumeroElementi();
    gr_ = ConvertiIntero16(*grado);
    stato_.polinomio->ImpostaGrado(gr_);
    if (n > stato_.limiti.PuntiMassimi) {
        rifiuta(r, 5);
        return r;
    }
    if (gr_ >= n) {
        rifiuta(r, 6, gr_, n);
        return r;
    }

    bool risolto = false;
    try {
        const int16_t punti = static_cast<int16_t>(n);
        risolto = CostruisciSistema(gr_, punti);
    } catch (const ErroreSilenzioso& e) {
        r.esito = EsitoCalcolo::Interrotto;
        r.causa = e.causa;
        return r;
    }
    if (!risolto) {
        r.esito = EsitoCalcolo::Rifiutato;
        r.messaggio = 7;
        r.testo = TestoMessaggio(7, stato_.limiti);
        return r;
    }

    // The polynomial's values at the points must be finite too before
    // anything is published.
    Polinomio nuovo = *stato_.polinomio;
    for (int k = 0; k <= gr_; ++k)
        nuovo.Add(c_[static_cast<size_t>(k)]);
    const MySource& copia = *stato_.oggcoppiecopia;
    for (int32_t i = 0; i < copia.NumeroElementi(); ++i) {
        if (!std::isfinite(nuovo.ValorePolinomio(copia.X(i)))) {
            r.esito = EsitoCalcolo::Interrotto;
            r.causa = CausaInterruzione::FuoriIntervallo;
            return r;
        }
    }
    for (int k = 0; k <= gr_; ++k)
        stato_.polinomio->Add(c_[static_cast<size_t>(k)]);
    CalcolaTerne();
    if (canali_.impostaStatoComandi)
        canali_.impostaStatoComandi(3);
    return r;
}

void Curvello::CopiaCoppie()
{
    if (stato_.oggcoppiecopia)
        stato_.oggcoppiecopia->Vuota();
    stato_.oggcoppiecopia = std::make_unique<MySource>();
    const MySource& punti = stato_.punti;
    for (int32_t i = 0; i < punti.NumeroElementi(); ++i)
        stato_.oggcoppiecopia->Add(punti.X(i), punti.Y(i));
}

bool Curvello::CostruisciSistema(const int16_t& gr, const int16_t& punti)
{
    FinestraAvanzamento avanzamento(canali_.avanzamento);

    const int n = punti;
    const int N = gr + 1;
    RiempiSistema(a_->quad, N);
    // The bar advances once per matrix term and point, as the terms are built.
    const double totale = static_cast<double>(N) * N * n;
    for (long contatore = 0; contatore < static_cast<long>(totale); ++contatore)
        avanzamento.Avanza(static_cast<float>(static_cast<double>(contatore) / totale * 100.0));

    std::array<double, 12> c{};
    double pivotMinimo = 0;
    if (EliminazioneGaussiana(a_->quad, static_cast<int16_t>(N), c, pivotMinimo) == Eliminazione::PivotNullo) {
        if (canali_.messaggio)
            canali_.messaggio(TestoMessaggio(7, stato_.limiti));
        return false;
    }
    // Rows are scaled to a largest entry of 1, so the smallest pivot tells how
    // many digits the solve loses; while the type cannot spare them, go wider.
    auto troppoStretto = [&](int bit) { return std::ldexp(1.0, -bit) / pivotMinimo >= 1e-18; };
    if (troppoStretto(std::numeric_limits<RealeQuad>::digits) && RisolviDiNuovo(a_->largo, N, c, pivotMinimo)
        && troppoStretto(std::numeric_limits<RealeLargo>::digits))
        RisolviDiNuovo(a_->larghissimo, N, c, pivotMinimo);
    for (int k = 0; k < N; ++k)
        c_[static_cast<size_t>(k)] = c[static_cast<size_t>(k)];
    return true;
}

template <class R>
bool Curvello::RisolviDiNuovo(Sistema<R>& A, int N, std::array<double, 12>& c, double& pivotMinimo)
{
    RiempiSistema(A, N);
    std::array<double, 12> c2{};
    double pm = 0;
    if (EliminazioneGaussiana(A, static_cast<int16_t>(N), c2, pm) != Eliminazione::Risolta)
        return false;
    c = c2;
    pivotMinimo = pm;
    return true;
}

template <class R>
void Curvello::RiempiSistema(Sistema<R>& A, int N)
{
    const MySource& copia = *stato_.oggcoppiecopia;
    const int n = copia.NumeroElementi();
    static const R massimo(DBL_MAX);
    auto verifica = [](const R& v) {
        if (abs(v) > massimo)
            throw ErroreSilenzioso(CausaInterruzione::FuoriIntervallo);
    };
    std::vector<R> x(static_cast<size_t>(n)), y(static_cast<size_t>(n)), potenza(static_cast<size_t>(n), R(1));
    for (int l = 0; l < n; ++l) {
        if (!std::isfinite(copia.X(l)) || !std::isfinite(copia.Y(l)))
            throw ErroreSilenzioso(CausaInterruzione::FuoriIntervallo);
        x[static_cast<size_t>(l)] = copia.X(l);
        y[static_cast<size_t>(l)] = copia.Y(l);
    }
    // A(i, j) = sum of x^(i+j-2), A(i, N+1) = sum of y * x^(i-1), 0^0 = 1.
    // Terms with the same exponent share one sum, added in point order.
    for (int p = 0; p <= 2 * N - 2; ++p) {
        R somma = 0, termine = 0;
        for (size_t l = 0; l < potenza.size(); ++l) {
            if (p > 0) {
                potenza[l] *= x[l];
                verifica(potenza[l]);
            }
            somma += potenza[l];
            verifica(somma);
            if (p < N) {
                const R prodotto = y[l] * potenza[l];
                verifica(prodotto);
                termine += prodotto;
                verifica(termine);
            }
        }
        for (int i = 1; i <= N; ++i)
            if (const int j = p + 2 - i; j >= 1 && j <= N)
                A(i, j) = somma;
        if (p < N)
            A(p + 1, N + 1) = termine;
    }
}

template <class R>
Curvello::Eliminazione Curvello::EliminazioneGaussiana(Sistema<R>& A, const int16_t& n, std::array<double, 12>& c,
                                                       double& pivotMinimo)
{
    const int N = n;
    if (stato_.limiti.ScalaturaRighe != 0)
        ScalaRighe(A, n);
    for (int k = 1; k <= N - 1; ++k) {
        if (stato_.limiti.PivotParziale != 0)
            PivotParziale(A, n, static_cast<int16_t>(k));
        for (int i = k + 1; i <= N; ++i) {
            if (A(k, k) == 0)
                return Eliminazione::PivotNullo;
            const R m = A(i, k) / A(k, k);
            for (int j = k + 1; j <= N + 1; ++j)
                A(i, j) -= m * A(k, j);
        }
    }

    if (A(N, N) == 0)
        throw ErroreSilenzioso(CausaInterruzione::UltimoPivotNullo);
    std::array<R, 12> cw{};
    cw[static_cast<size_t>(N - 1)] = A(N, N + 1) / A(N, N);
    for (int i = N - 1; i >= 1; --i) {
        R s = 0;
        for (int j = i + 1; j <= N; ++j)
            s += A(i, j) * cw[static_cast<size_t>(j - 1)];
        if (A(i, i) == 0)
            throw ErroreSilenzioso(CausaInterruzione::UltimoPivotNullo);
        cw[static_cast<size_t>(i - 1)] = (A(i, N + 1) - s) / A(i, i);
    }
    pivotMinimo = std::numeric_limits<double>::infinity();
    for (int k = 1; k <= N; ++k)
        pivotMinimo = std::min(pivotMinimo, abs(A(k, k)).template convert_to<double>());
    for (int k = 0; k < N; ++k) {
        c[static_cast<size_t>(k)] = cw[static_cast<size_t>(k)].template convert_to<double>();
        if (!std::isfinite(c[static_cast<size_t>(k)]))
            throw ErroreSilenzioso(CausaInterruzione::FuoriIntervallo);
    }
    return Eliminazione::Risolta;
}

template <class R>
void Curvello::ScalaRighe(Sistema<R>& A, const int16_t& n)
{
    const int N = n;
    for (int i = 1; i <= N; ++i) {
        R s = 0;
        for (int j = 1; j <= N; ++j)
            if (abs(A(i, j)) > s)
                s = abs(A(i, j));
        if (s == 0)
            throw ErroreSilenzioso(CausaInterruzione::RigaNulla);
        for (int j = 1; j <= N + 1; ++j)
            A(i, j) /= s;
    }
}

template <class R>
void Curvello::PivotParziale(Sistema<R>& A, const int16_t& n, int16_t k)
{
    const int N = n;
    if (k >= N)
        return;
    R migliore = abs(A(k, k));
    int p = k;
    for (int r = k + 1; r <= N; ++r) {
        if (abs(A(r, k)) - migliore >= 0) {
            migliore = abs(A(r, k));
            p = r;
        }
    }
    if (p != k)
        for (int j = k; j <= N + 1; ++j)
            std::swap(A(k, j), A(p, j));
}

void Curvello::CalcolaTerne()
{
    stato_.terne->Vuota();
    stato_.terne = std::make_unique<XYPoli>();
    const MySource& copia = *stato_.oggcoppiecopia;
    const Polinomio& poli = *stato_.polinomio;
    for (int32_t i = 0; i < stato_.punti.NumeroElementi(); ++i) {
        const double x = copia.X(i);
        const double y = copia.Y(i);
        const double p = poli.ValorePolinomio(x);
        stato_.terne->Add(x, y, p);
    }
}
