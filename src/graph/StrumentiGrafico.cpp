#include "StrumentiGrafico.h"

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

void StrumentiGrafico::AzzeraStrumenti(const QString& modo)
{
    if (modo != QLatin1String("Collimatore"))
        g_.CollimatoreAttivo = false;
    if (modo != QLatin1String("CollimatoreDifferenza"))
        g_.DifferenzaAttiva = false;
    if (modo != QLatin1String("ZoomRettangolo"))
        g_.ZoomRettangoloAttivo = false;
    Fase = 0;
}

void StrumentiGrafico::CambiaCollimatore()
{
    g_.CollimatoreAttivo = !g_.CollimatoreAttivo;
}

void StrumentiGrafico::CambiaDifferenza()
{
    g_.DifferenzaAttiva = !g_.DifferenzaAttiva;
}

double StrumentiGrafico::P(double x) const
{
    return programma_.polinomio ? programma_.polinomio->ValorePolinomio(x)
                                : std::numeric_limits<double>::quiet_NaN();
}

void StrumentiGrafico::Scrivi(QLineEdit* casella, double valore) const
{
    casella->setText(std::isfinite(valore)
                         ? QString::fromStdString(FormaGenerale(Arrotonda(valore, 3), sep_))
                         : QString());
}

void StrumentiGrafico::Croce(double x, double y)
{
    Picture1_.Linea(x, g_.ScalaY * g_.VistaBasso, x, g_.ScalaY * g_.VistaAlto);
    Picture1_.Linea(g_.ScalaX * g_.VistaSinistra, y, g_.ScalaX * g_.VistaDestra, y);
}

void StrumentiGrafico::MostraPosizione(float X, float Y)
{
    Scrivi(c_.Text1, static_cast<double>(X) / g_.ScalaX);
    Scrivi(c_.Text2, static_cast<double>(Y) / g_.ScalaY);
}

void StrumentiGrafico::MouseMove(float X, float Y)
{
    if (g_.CollimatoreAttivo) {
        MuoviCollimatore(X);
    } else if (Fase == 2 && g_.ZoomRettangoloAttivo) {
        Picture1_.Pulisci();
        Picture1_.Rettangolo(Angolo1X, Angolo1Y, X, Y);
        MostraPosizione(X, Y);
    } else if (g_.DifferenzaAttiva) {
        MuoviDifferenza(X);
    } else {
        MostraPosizione(X, Y);
    }
}

void StrumentiGrafico::MuoviCollimatore(float X)
{
    Picture1_.Pulisci();
    // The data value is formed in double, so that a readout far from zero
    // keeps its decimals.
    const double x = static_cast<double>(X) / g_.ScalaX;
    const double p = P(x);
    Croce(X, g_.ScalaY * p);
    Scrivi(c_.Text1, x);
    Scrivi(c_.Text2, g_.ScalaY * p / g_.ScalaY);
}

void StrumentiGrafico::MuoviDifferenza(float X)
{
    Picture1_.Pulisci();
    double x = static_cast<double>(X) / g_.ScalaX;
    if (Fase == 1) {
        double y = 0.0;
        if (programma_.terne)
            programma_.terne->YsuX(x, y);
        Scrivi(c_.DiffX1, x);
        Scrivi(c_.DiffY1, g_.ScalaY * y / g_.ScalaY);
        Picture1_.ColoreDisegno = Qt::red;
        Croce(g_.ScalaX * x, g_.ScalaY * y);
    } else if (Fase == 2) {
        const double p = P(x);
        Scrivi(c_.DiffX2, x);
        Scrivi(c_.DiffY2, g_.ScalaY * p / g_.ScalaY);
        Picture1_.ColoreDisegno = Qt::green;
        Croce(X, g_.ScalaY * p);
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

void StrumentiGrafico::MouseDown(Qt::MouseButton pulsante, float X, float Y)
{
    if (pulsante != Qt::LeftButton)
        return;
    if (g_.ZoomRettangoloAttivo) {
        if (Fase == 1) {
            Angolo1X = Angolo2X = X;
            Angolo1Y = Angolo2Y = Y;
            Picture1_.Rettangolo(Angolo1X, Angolo1Y, Angolo2X, Angolo2Y);
            Fase = 2;
        } else if (Fase == 2) {
            Angolo2X = X;
            Angolo2Y = Y;
            Picture1_.Rettangolo(Angolo1X, Angolo1Y, Angolo2X, Angolo2Y);
            Fase = 0;
            g_.ZoomRettangoloAttivo = false;
            disegnaZoom_();
        }
    } else if (g_.DifferenzaAttiva) {
        if (Fase == 1) {
            Picture1_.Consolida();  // the first point's cross-hair stays
            Fase = 2;
        } else if (Fase == 2) {
            Fase = 0;
            Picture1_.Consolida();
            g_.DifferenzaAttiva = false;
            Picture1_.ColoreDisegno = Qt::black;
        }
    }
}
