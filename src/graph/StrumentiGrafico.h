#pragma once

#include "NumeriTesto.h"
#include "StatoGrafico.h"

#include <QString>

#include <cstdint>
#include <functional>

class QLineEdit;
class SuperficieDisegno;
struct StatoProgramma;

// The readout boxes of a graph window, which the tools write.
struct CaselleGrafico {
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* DiffX1 = nullptr;
    QLineEdit* DiffY1 = nullptr;
    QLineEdit* DiffX2 = nullptr;
    QLineEdit* DiffY2 = nullptr;
    QLineEdit* DiffX = nullptr;
    QLineEdit* DiffY = nullptr;
};

// The step of the two-click tools.
enum class FaseStrumento : uint8_t { Inattiva, PrimoClic, SecondoClic };

// The mouse tools of one graph window, fed with the plot's mouse events (or
// the keyboard's stand-ins) in data units. Which tool is on lives in the
// shared graph state; the step of the two-click tools and the picked corners
// belong to the window.
//
//   tracker     move: cross-hair on the curve at the mouse's X, readouts
//   zoom        first click: first corner; then move: rubber band,
//               click: second corner, then the zoomed drawing
//   difference  first click step, move: red cross-hair on the nearest point,
//               click: keep it; second, move: green cross-hair on the
//               curve, click: keep it, done
//   none        move: readouts only
class StrumentiGrafico {
public:
    StrumentiGrafico(StatoGrafico& grafico, const StatoProgramma& programma, SuperficieDisegno& Picture1,
                     const CaselleGrafico& caselle, std::function<void()> disegnaZoom);

    FaseStrumento Fase = FaseStrumento::Inattiva;
    // The zoom's corners, data units.
    double Angolo1X = 0.0;
    double Angolo1Y = 0.0;
    double Angolo2X = 0.0;
    double Angolo2Y = 0.0;

    // Switches off every tool but the one named and goes back to no step.
    void AzzeraStrumenti(ModoStrumento modo);
    void CambiaCollimatore();
    void CambiaDifferenza();

    void MouseMove(double X, double Y);
    // Only the left button does anything.
    void MouseDown(Qt::MouseButton pulsante, double X, double Y);
    // After a keyboard move: where no tool draws a cross-hair (no tool, or a
    // zoom before its first corner) one shows the keyboard's cursor.
    void MostraCursore(double X, double Y);

private:
    void MostraPosizione(double X, double Y);
    void MuoviCollimatore(double X);
    void MuoviDifferenza(double X);
    void AggiornaDifferenze();
    // P at x; NaN when there is no fitted polynomial.
    double P(double x) const;
    // A readout: rounded to 3 decimals; empty when not a number.
    void Scrivi(QLineEdit* casella, double valore) const;
    // A vertical line at x and a horizontal one at y across the whole view.
    void Croce(double x, double y);

    StatoGrafico& g_;
    const StatoProgramma& programma_;
    SuperficieDisegno& Picture1_;
    const CaselleGrafico& c_;
    std::function<void()> disegnaZoom_;
    Separatori sep_;
};
