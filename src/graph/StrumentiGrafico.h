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

// The mouse tools of one graph window, fed with the plot's mouse events in
// surface units. Which tool is on lives in the shared graph state; the step
// of the two-click tools (Fase: 0 idle, 1 waiting for the first click, 2 for
// the second) and the picked corners belong to the window.
//
//   tracker     move: cross-hair on the curve at the mouse's X, readouts
//   zoom        step 1 press: first corner; step 2 move: rubber band,
//               press: second corner, then the zoomed drawing
//   difference  step 1 move: red cross-hair on the nearest point, press: keep it;
//               step 2 move: green cross-hair on the curve, press: keep it, done
//   none        move: readouts only
class StrumentiGrafico {
public:
    StrumentiGrafico(StatoGrafico& grafico, const StatoProgramma& programma, SuperficieDisegno& Picture1,
                     const CaselleGrafico& caselle, std::function<void()> disegnaZoom);

    uint8_t Fase = 0;
    double Angolo1X = 0.0;
    double Angolo1Y = 0.0;
    double Angolo2X = 0.0;
    double Angolo2Y = 0.0;

    // Switches off every tool but the one named ("Nessuno", "Collimatore",
    // "CollimatoreDifferenza", "ZoomRettangolo"; any other name switches all
    // off) and goes back to step 0.
    void AzzeraStrumenti(const QString& modo);
    void CambiaCollimatore();
    void CambiaDifferenza();

    void MouseMove(float X, float Y);
    // Only the left button does anything.
    void MouseDown(Qt::MouseButton pulsante, float X, float Y);

private:
    void MostraPosizione(float X, float Y);
    void MuoviCollimatore(float X);
    void MuoviDifferenza(float X);
    void AggiornaDifferenze();
    // P at x; NaN when there is no polynomial yet.
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
