#pragma once

#include "MySource.h"
#include "NumeriTesto.h"
#include "Polinomio.h"
#include "StatoProgramma.h"
#include "XYPoli.h"

#include <QByteArray>

#include <string>

class QImage;
class QString;
class Stampante;

// What the printed listings read.
struct ContenutoStampa {
    const MySource& punti;
    const XYPoli& terne;
    const Polinomio* polinomio;  // none before the first fit and after a run that left no coefficients
    std::string testoGrado;      // the degree box's text, printed as the degree before any fit
    std::string intestazione;    // the print header, on top of every page
    Separatori sep;
};

// The program's data, its print header and the degree box's text; a
// polynomial without coefficients is no fit.
ContenutoStampa ContenutoDa(const StatoProgramma& stato, std::string testoGrado, Separatori sep);

// Each listing is one job: Courier 12, a width of 100 units, the header
// centred on every page, lines from x = 6, a new page when a row would start
// below 14160 twips, and EndDoc at the end. Printer failures come out as
// ErroreStampa.
void StampaCoppie(Stampante& stampante, const ContenutoStampa& contenuto);
// With no polynomial: the points, with no P.
void StampaTerne(Stampante& stampante, const ContenutoStampa& contenuto);
// With no polynomial only the formula line is printed.
void StampaCoeff(Stampante& stampante, const ContenutoStampa& contenuto);
// The statistics of the fit of the triples' points at the polynomial's
// degree: the degree line, the coefficients with their standard errors and t,
// then the goodness of fit, to 7 significant digits in the print zones, and
// why a value reads "n.d.". With no polynomial only the degree line.
void StampaStatistiche(Stampante& stampante, const ContenutoStampa& contenuto);
// The graph's picture at the top left of a page of its own job, scaled down
// to the page when larger.
void StampaGrafico(Stampante& stampante, const QImage& immagine);

// The printed report as the bytes of one PDF file on A4: the pairs, the
// triples, the coefficients, the statistics and, when there is one, the graph
// under the header, each from a new page, laid out as the print jobs lay them
// out on paper. Drawn in memory: the caller writes it and checks the write (a
// PDF engine writing to a file does not report a full disk). Throws ErroreStampa.
QByteArray RapportoPdf(const ContenutoStampa& contenuto, const QImage& grafico);
