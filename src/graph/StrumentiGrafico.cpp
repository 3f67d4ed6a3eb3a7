#include "StrumentiGrafico.h"

#include "FunzioniGrafico.h"
#include "SeparatoriLocale.h"
#include "StatoProgramma.h"
#include "SuperficieDisegno.h"

#include <QLineEdit>

#include <cmath>
#include <limits>

StrumentiGrafico::StrumentiGrafico(StatoGrafico& grafico, const StatoProgramma& programma,
                                   SuperficieDisegno& Picture1, const CaselleGrafico& caselle,
                                   std::function<void()> disegnaZoom)
    : g_(grafico), programma_(programma), Picture1_(Picture1), c_(caselle),
      disegnaZoom_(std::move(disegnaZoom)), sep_(SeparatoriLocale())
{
}

void StrumentiGrafico::AzzeraStrumenti(ModoStrumento modo)
{
    if (g_.Strumento != modo)
        g_.Strumento = ModoStrumento::Nessuno;
    Fase = FaseStrumento::Inattiva;
}

void StrumentiGrafico::CambiaCollimatore()
{
    g_.Strumento = g_.Strumento == ModoStrumento::Collimatore ? ModoStrumento::Nessuno : ModoStrumento::Collimatore;
}

void StrumentiGrafico::CambiaDifferenza()
{
    g_.Strumento = g_.Strumento == ModoStrumento::CollimatoreDifferenza ? ModoStrumento::Nessuno
                                                                        : ModoStrumento::CollimatoreDifferenza;
}

double StrumentiGrafico::P(double x) const
{
    const Polinomio* pol = PolinomioAdattato(programma_.polinomio.get());
    return pol ? pol->ValorePolinomio(x) : std::numeric_limits<double>::quiet_NaN();
}

void StrumentiGrafico::Scrivi(QLineEdit* casella, double valore) const
{
    casella->setText(std::isfinite(valore)
                         ? QString::fromStdString(FormaGenerale(Arrotonda(valore, 3), sep_))
                         : QString());
}

void StrumentiGrafico::Croce(double x, double y)
{
    Picture1_.Linea(x, g_.VistaBasso(), x, g_.VistaAlto());
    Picture1_.Linea(g_.VistaSinistra(), y, g_.VistaDestra(), y);
}

void StrumentiGrafico::MostraPosizione(double X, double Y)
{
    Scrivi(c_.Text1, X);
    Scrivi(c_.Text2, Y);
}

void StrumentiGrafico::MouseMove(double X, double Y)
{
    if (g_.Strumento == ModoStrumento::Collimatore) {
        MuoviCollimatore(X);
    } else if (Fase == FaseStrumento::SecondoClic && g_.Strumento == ModoStrumento::ZoomRettangolo) {
        Picture1_.Pulisci();
        Picture1_.Rettangolo(Angolo1X, Angolo1Y, X, Y);
        MostraPosizione(X, Y);
    } else if (g_.Strumento == ModoStrumento::CollimatoreDifferenza) {
        MuoviDifferenza(X);
    } else {
        MostraPosizione(X, Y);
    }
}

void StrumentiGrafico::MostraCursore(double X, double Y)
{
    if (g_.Strumento == ModoStrumento::Nessuno
        || (g_.Strumento == ModoStrumento::ZoomRettangolo && Fase == FaseStrumento::PrimoClic)) {
        Picture1_.Pulisci();
        Croce(X, Y);
    }
}

void StrumentiGrafico::MuoviCollimatore(double X)
{
    Picture1_.Pulisci();
    const double p = P(X);
    Croce(X, p);
    Scrivi(c_.Text1, X);
    Scrivi(c_.Text2, p);
}

void StrumentiGrafico::MuoviDifferenza(double X)
{
    Picture1_.Pulisci();
    if (Fase == FaseStrumento::PrimoClic) {
        double x = X;
        double y = 0.0;
        if (programma_.terne)
            programma_.terne->YsuX(x, y);
        Scrivi(c_.DiffX1, x);
        Scrivi(c_.DiffY1, y);
        Picture1_.ColoreDisegno = Qt::red;
        Croce(x, y);
    } else if (Fase == FaseStrumento::SecondoClic) {
        const double p = P(X);
        Scrivi(c_.DiffX2, X);
        Scrivi(c_.DiffY2, p);
        Picture1_.ColoreDisegno = Qt::green;
        Croce(X, p);
    }
    AggiornaDifferenze();
}

void StrumentiGrafico::AggiornaDifferenze()
{
    // The boxes can be typed into: a box that does not hold a number leaves
    // its difference empty.
    auto differenza = [this](const QLineEdit* secondo, const QLineEdit* primo, QLineEdit* risultato) {
        const auto b = ConvertiTesto(secondo->text().toStdString(), sep_);
        const auto a = ConvertiTesto(primo->text().toStdString(), sep_);
        const double d = a && b ? *b - *a : std::numeric_limits<double>::quiet_NaN();
        risultato->setText(std::isfinite(d) ? QString::fromStdString(FormaGenerale(d, sep_)) : QString());
    };
    differenza(c_.DiffX2, c_.DiffX1, c_.DiffX);
    differenza(c_.DiffY2, c_.DiffY1, c_.DiffY);
}

void StrumentiGrafico::MouseDown(Qt::MouseButton pulsante, double X, double Y)
{
    if (pulsante != Qt::LeftButton)
        return;
    if (g_.Strumento == ModoStrumento::ZoomRettangolo) {
        if (Fase == FaseStrumento::PrimoClic) {
            Angolo1X = Angolo2X = X;
            Angolo1Y = Angolo2Y = Y;
            Picture1_.Rettangolo(Angolo1X, Angolo1Y, Angolo2X, Angolo2Y);
            Fase = FaseStrumento::SecondoClic;
        } else if (Fase == FaseStrumento::SecondoClic) {
            Angolo2X = X;
            Angolo2Y = Y;
            Picture1_.Rettangolo(Angolo1X, Angolo1Y, Angolo2X, Angolo2Y);
            Fase = FaseStrumento::Inattiva;
            g_.Strumento = ModoStrumento::Nessuno;
            disegnaZoom_();
        }
    } else if (g_.Strumento == ModoStrumento::CollimatoreDifferenza) {
        if (Fase == FaseStrumento::PrimoClic) {
            Picture1_.Consolida();  // the first point's cross-hair stays
            Fase = FaseStrumento::SecondoClic;
        } else if (Fase == FaseStrumento::SecondoClic) {
            Fase = FaseStrumento::Inattiva;
            Picture1_.Consolida();
            g_.Strumento = ModoStrumento::Nessuno;
            Picture1_.ColoreDisegno = Qt::black;
        }
    }
}
