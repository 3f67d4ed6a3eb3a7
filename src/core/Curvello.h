#pragma once

#include "NumeriTesto.h"
#include "StatoProgramma.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
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
// scaling and partial pivoting, back-substitution. The equations are built and
// solved in a 113-bit binary float, and again in a wider one when the pivots
// show that 113 bits cannot hold the answer to double accuracy: in doubles, an
// ill-conditioned but ordinary data set gives coefficients with no correct digit.
class Curvello {
public:
    Curvello(StatoProgramma& stato, CanaliCalcolo canali);
    ~Curvello();
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
    template <class R> struct Sistema;
    struct Sistemi;
    class ErroreSilenzioso;
    enum class Eliminazione { Risolta, PivotNullo };

    void CopiaCoppie();
    // False when the elimination met a zero pivot (M7 already shown).
    bool CostruisciSistema(const int16_t& gr, const int16_t& punti);
    template <class R>
    bool RisolviDiNuovo(Sistema<R>& A, int N, std::array<double, 12>& c, double& pivotMinimo);
    template <class R> void RiempiSistema(Sistema<R>& A, int N);
    template <class R>
    Eliminazione EliminazioneGaussiana(Sistema<R>& A, const int16_t& n, std::array<double, 12>& c,
                                       double& pivotMinimo);
    template <class R> void ScalaRighe(Sistema<R>& A, const int16_t& n);
    template <class R> void PivotParziale(Sistema<R>& A, const int16_t& n, int16_t k);
    void CalcolaTerne();
    void rifiuta(RisultatoCalcolo& r, int numero, int16_t gr = 0, int32_t punti = 0);

    StatoProgramma& stato_;
    CanaliCalcolo canali_;
    std::unique_ptr<Sistemi> a_;  // A: rows 0..11, columns 0..12, kept between runs
    std::array<double, 12> c_{};
    int16_t gr_ = 0;
};
