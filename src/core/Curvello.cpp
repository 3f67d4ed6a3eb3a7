#include "Curvello.h"

#include "MinimiQuadrati.h"

#include <algorithm>
#include <cmath>
#include <vector>

static_assert(LimitiCalcolo{}.GradoMassimo <= GradoMassimoSistema, "the solve holds every degree the limits allow");

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

Curvello::Curvello(StatoProgramma& stato, CanaliCalcolo canali) : stato_(stato), canali_(std::move(canali)) {}

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
    // A limit raised past what the solve holds still refuses here.
    const double gradoMassimo = std::min<double>(stato_.limiti.GradoMassimo, GradoMassimoSistema);
    if (*grado != std::floor(*grado) || *grado < 1.0 || *grado > gradoMassimo) {
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

    SoluzioneSistema soluzione;
    CostruisciSistema(gr_, static_cast<int16_t>(n), r, soluzione);
    if (r.esito != EsitoCalcolo::Riuscito)
        return r;

    // Every published value must lie within the double range, P at the points too.
    Polinomio nuovo = *stato_.polinomio;
    for (int k = 0; k <= gr_; ++k)
        nuovo.Add(soluzione.coeff[static_cast<size_t>(k)]);
    nuovo.ImpostaFormaCentrata(soluzione.centrata);
    const MySource& copia = *stato_.oggcoppiecopia;
    for (int32_t i = 0; i < copia.NumeroElementi(); ++i) {
        if (!std::isfinite(nuovo.ValorePolinomio(copia.X(i)))) {
            r.esito = EsitoCalcolo::Interrotto;
            r.causa = CausaInterruzione::FuoriIntervallo;
            return r;
        }
    }
    for (int k = 0; k <= gr_; ++k)
        c_[static_cast<size_t>(k)] = soluzione.coeff[static_cast<size_t>(k)];
    *stato_.polinomio = nuovo;
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

void Curvello::CostruisciSistema(const int16_t& gr, const int16_t& punti, RisultatoCalcolo& r,
                                 SoluzioneSistema& soluzione)
{
    FinestraAvanzamento avanzamento(canali_.avanzamento);
    const int n = punti;
    const int N = gr + 1;
    // The bar advances once per matrix term and point.
    const double totale = static_cast<double>(N) * N * n;
    for (long contatore = 0; canali_.avanzamento && contatore < static_cast<long>(totale); ++contatore)
        avanzamento.Avanza(static_cast<float>(static_cast<double>(contatore) / totale * 100.0));

    const MySource& copia = *stato_.oggcoppiecopia;
    std::vector<double> x(static_cast<size_t>(n)), y(static_cast<size_t>(n));
    for (int l = 0; l < n; ++l) {
        x[static_cast<size_t>(l)] = copia.X(l);
        y[static_cast<size_t>(l)] = copia.Y(l);
        if (!std::isfinite(x[static_cast<size_t>(l)]) || !std::isfinite(y[static_cast<size_t>(l)])) {
            r.esito = EsitoCalcolo::Interrotto;
            r.causa = CausaInterruzione::FuoriIntervallo;
            return;
        }
    }
    soluzione = RisolviMinimiQuadrati(x, y, gr, stato_.limiti.ScalaturaRighe != 0);

    switch (soluzione.esito) {
    case EsitoSistema::Risolto:
        return;
    case EsitoSistema::NonAmmesso:  // the degree was checked above
        rifiuta(r, 4);
        return;
    case EsitoSistema::PivotNullo:
        rifiuta(r, 7);
        return;
    case EsitoSistema::RigaNulla:
        r.causa = CausaInterruzione::RigaNulla;
        break;
    case EsitoSistema::UltimoPivotNullo:
        r.causa = CausaInterruzione::UltimoPivotNullo;
        break;
    case EsitoSistema::FuoriIntervallo:
        r.causa = CausaInterruzione::FuoriIntervallo;
        break;
    }
    r.esito = EsitoCalcolo::Interrotto;
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
