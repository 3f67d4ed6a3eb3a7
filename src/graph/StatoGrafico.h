#pragma once

#include <cstdint>

// The one graph record shared by every graph window and outliving them: a
// window opened later starts from what the last one left. The float fields are
// single precision on purpose, so that their roundings fall where the drawing
// expects them (label positions, view edges).
struct StatoGrafico {
    // Multipliers from data units to surface units.
    float ScalaX = 1.0f;
    float ScalaY = 1.0f;
    // Nominal extent, in surface units, the multipliers come from.
    float EstensioneX = 100.0f;
    float EstensioneY = 100.0f;
    // Sampling step, in data units, of the curve and of the polynomial's extremes.
    float PassoGrafico = 0.1f;

    // The data window the graph shows.
    double XMin = 0.0;
    double XMax = 0.0;
    double YMin = 0.0;
    double YMax = 0.0;
    // Extremes of the sampled polynomial over [XMin, XMax].
    double PMin = 0.0;
    double PMax = 0.0;

    float AmpiezzaX = 0.0f;
    float AmpiezzaY = 0.0f;
    // Band on each side of the data window; 0 while zoomed.
    float MargineX = 0.0f;
    float MargineY = 0.0f;
    // The visible region, in data units.
    float VistaSinistra = 0.0f;
    float VistaDestra = 0.0f;
    float VistaAlto = 0.0f;
    float VistaBasso = 0.0f;

    int16_t Particolari = 0;  // bit set of the drawing details; 2 = grid
    bool GraficoZoommato = false;

    // The tools; at most one is on after any toolbar command.
    bool CollimatoreAttivo = false;
    bool ZoomRettangoloAttivo = false;
    bool DifferenzaAttiva = false;
};

// The details bit that shows the grid.
inline constexpr int16_t ParticolareGriglia = 2;
