#pragma once

#include "NumeriTesto.h"
#include "SistemaEsatto.h"
#include "StatoProgramma.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

// Watches the building of the normal equations: shown once before the loops,
// advanced once per matrix term and point, closed however the run ends.
class AscoltatoreAvanzamento {
public:
    virtual ~AscoltatoreAvanzamento() = default;
    virtual void Mostra() = 0;
    virtual void Avanza(float percentuale) = 0;
    virtual void Chiudi() = 0;
};

// How a run of the fit talks to the rest of the program.
struct CanaliCalcolo {
    // A message box with only OK, no icon, titled with the application title.
    std::function<void(const std::string& testo)> messaggio;
    AscoltatoreAvanzamento* avanzamento = nullptr;
    std::function<void(int16_t codice)> impostaStatoComandi;
};

enum class EsitoCalcolo {
    Riuscito,    // coefficients and triples published, command state 3
    Rifiutato,   // a message (M1 to M7) was shown
    Interrotto,  // ended without a message and without results
};

// Why a run ended without a message.
enum class CausaInterruzione {
    Nessuna,
    GradoNonConvertibile,  // the degree text starts with a number but is not one
    RigaNulla,             // a row of the matrix is all zeros at scaling
    UltimoPivotNullo,      // A(N, N) is zero at back-substitution
    FuoriIntervallo,       // a power, sum or result beyond the double range
};

struct RisultatoCalcolo {
    EsitoCalcolo esito = EsitoCalcolo::Riuscito;
    int messaggio = 0;  // 1 to 7 when refused
    std::string testo;  // the message shown, when refused
    CausaInterruzione causa = CausaInterruzione::Nessuna;
};

// A one-line Italian explanation of a silent end, for tools that must say why.
std::string DescriviInterruzione(CausaInterruzione causa);

// The least-squares fit: normal equations, Gaussian elimination with row
// scaling and partial pivoting, back-substitution. What the user sees of the
// algorithm (validation, messages, progress, outcomes) is kept; inside, the
// published coefficients are the exact least-squares solution of the given
// doubles rounded to nearest, and every outcome (M7, a silent end) is the one
// exact arithmetic gives: a certified fast path when its rigorous bound proves
// the rounding, an exact rational solve otherwise.
class Curvello {
public:
    Curvello(StatoProgramma& stato, CanaliCalcolo canali);
    Curvello(const Curvello&) = delete;
    Curvello& operator=(const Curvello&) = delete;

    // Validates the degree text against the current point set and, when it
    // passes, replaces the program-wide polynomial, snapshot and triples.
    RisultatoCalcolo CalcolaPolinomio(const std::string& testoGrado, const Separatori& sep);

    int16_t GR() const { return gr_; }
    // C(k) of the last solve; entries a run does not write keep earlier values.
    double C(int k) const { return c_.at(static_cast<size_t>(k)); }

    static std::string TestoMessaggio(int numero, const LimitiCalcolo& limiti, int16_t gr = 0,
                                      int32_t punti = 0);

private:
    void CopiaCoppie();
    // Shows the progress while the system is built and solves it; the M7
    // message shows over the progress window.
    void CostruisciSistema(const int16_t& gr, const int16_t& punti, RisultatoCalcolo& r,
                           SoluzioneSistema& soluzione);
    void CalcolaTerne();
    void rifiuta(RisultatoCalcolo& r, int numero, int16_t gr = 0, int32_t punti = 0);

    StatoProgramma& stato_;
    CanaliCalcolo canali_;
    std::array<double, 12> c_{};
    int16_t gr_ = 0;
};
