#pragma once

#include "NumeriTesto.h"
#include "StatoGrafico.h"

#include <array>

class Polinomio;
class SuperficieDisegno;
class XYPoli;

// What a drawing works on: the shared graph state, the three surfaces of the
// window that draws and the user's decimal separator for the labels.
struct ContestoGrafico {
    StatoGrafico& stato;
    SuperficieDisegno& Picture1;
    SuperficieDisegno& PictValX;
    SuperficieDisegno& PictValY;
    Separatori sep;
};

// Largest (smallest) X and measured Y of the triples, each on its own,
// starting from triple 0.
void MassimoTerne(const XYPoli& terne, double& XMax, double& YMax);
void MinimoTerne(const XYPoli& terne, double& XMin, double& YMin);

// The sampling step over [da, a]: passo while that means at most a million
// samples, otherwise the range split in a million.
inline constexpr double CampioniMassimi = 1'000'000.0;
double PassoCampionamento(double da, double a, float passo);

// Samples P at da, da + h, da + 2h, ... (h accumulated) while below a; a step
// that would not move x ends the sampling. Values of P that are not finite
// are skipped; with none left the result is NaN.
void MassimoPolinomio(const Polinomio& pol, double da, double a, float passo, double& massimo);
void MinimoPolinomio(const Polinomio& pol, double da, double a, float passo, double& minimo);

// A range with no width, or with a bound that is not a finite number, is
// widened around its value: by 1 on each side when the value is 0, else by a
// tenth of its magnitude. A range with a width is left alone.
void AllargaIntervallo(double& minimo, double& massimo);

// The data window of the whole data set and the scale factors. Without a
// polynomial only the triples count.
void FinestraCompleta(StatoGrafico& g, const XYPoli& terne, const Polinomio* pol);
// ScalaX and ScalaY from the data window.
void CalcolaScale(StatoGrafico& g);

// Margins, view and the surfaces' coordinate systems, then the axes.
void ImpostaScala(ContestoGrafico& c);
void DisegnaAssi(ContestoGrafico& c);

// One value label, X and Y, as the labels and the grid lines use them.
struct PosizioneEtichetta {
    float x;
    double y;
};
// Five positions from the lower X, the lower Y and a quarter of each range,
// each rounded to one decimal before the next is formed from it.
std::array<PosizioneEtichetta, 5> PosizioniEtichette(double da, double a, double yDa, double yA);
// A label's text for a single-precision value: at most 7 significant digits.
std::string TestoEtichettaX(float valore, const Separatori& sep);

void DisegnaPunti(ContestoGrafico& c, const XYPoli& terne, double da, double a, double yDa, double yA);
void DisegnaPunto(SuperficieDisegno& Picture1, double x, double y, double divisore);
void DisegnaCurva(ContestoGrafico& c, const Polinomio& pol, double da, double a);
void DisegnaGriglia(ContestoGrafico& c, double da, double a, double yDa, double yA);
void DisegnaParticolari(ContestoGrafico& c, double da, double a, double yDa, double yA);
