#pragma once

#include "NumeriTesto.h"
#include "StatoGrafico.h"

#include <QStringList>

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

// The value strips' design sizes, twips: the Y strip's width, the X strip's
// height, in the window and in the chart alike.
inline constexpr double LarghezzaValY = 735;
inline constexpr double AltezzaValX = 375;

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

// Margins, view and the surfaces' coordinate systems, then the axes. The
// view's edges stop at the largest double, so that any finite data has one.
void ImpostaScala(ContestoGrafico& c);
void DisegnaAssi(ContestoGrafico& c);

// The decimals of the labels a step apart: at least one, and as many as make
// the last decimal's unit at most a tenth of the step, so that neighbours
// always differ and stand evenly.
int DecimaliEtichette(double passo);
// One value label, X and Y, as the labels and the grid lines use them.
struct PosizioneEtichetta {
    double x;
    double y;
};
// Five positions from the lower X plus a tenth of its range and from the
// lower Y, a quarter of each range apart, each rounded to its axis's decimals
// before the next is formed from it.
std::array<PosizioneEtichetta, 5> PosizioniEtichette(double da, double a, double yDa, double yA);

// The Y labels' texts for a data window from yDa to yA, bottom up.
QStringList EtichetteY(double yDa, double yA, const Separatori& sep);
// The Y strip's width, pixels, that cuts none of these labels: its design
// width, or the widest label's where that is more.
int LarghezzaStrisciaY(const SuperficieDisegno& PictValY, const QStringList& etichette, double dpi);

void DisegnaPunti(ContestoGrafico& c, const XYPoli& terne, double da, double a, double yDa, double yA);
// A marker whose radius is the plot's width over the divisor.
void DisegnaPunto(SuperficieDisegno& Picture1, double x, double y, double divisore);
void DisegnaCurva(ContestoGrafico& c, const Polinomio& pol, double da, double a);
void DisegnaGriglia(ContestoGrafico& c, double da, double a, double yDa, double yA);
void DisegnaParticolari(ContestoGrafico& c, double da, double a, double yDa, double yA);
