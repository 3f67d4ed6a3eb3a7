#pragma once

#include "MappaScala.h"

#include <cstdint>

// The graph tools; at most one is on at a time.
enum class ModoStrumento : uint8_t { Nessuno, Collimatore, CollimatoreDifferenza, ZoomRettangolo };

// The one graph record shared by every graph window and outliving them: a
// window opened later starts from what the last one left.
struct StatoGrafico {
    // The visible region, one map per axis, in data units: X from the left
    // edge to the right one, Y from the top edge down to the bottom one. Each
    // carries its axis's multiplier to the nominal surface units.
    MappaScala AsseX{0.0, 0.0};
    MappaScala AsseY{0.0, 0.0};
    // Nominal extent, in surface units, the multipliers come from.
    double EstensioneX = 100.0;
    double EstensioneY = 100.0;
    // Sampling step, in data units, of the curve and of the polynomial's
    // extremes. Single precision on purpose: 0.1f lies just above 0.1, so the
    // steps never land on a whole unit and a curve ends at its last sample
    // below the right edge, not on it.
    float PassoGrafico = 0.1f;

    // The data window the graph shows.
    double XMin = 0.0;
    double XMax = 0.0;
    double YMin = 0.0;
    double YMax = 0.0;
    // Extremes of the sampled polynomial over [XMin, XMax].
    double PMin = 0.0;
    double PMax = 0.0;

    double AmpiezzaX = 0.0;
    double AmpiezzaY = 0.0;
    // Band on each side of the data window; 0 while zoomed.
    double MargineX = 0.0;
    double MargineY = 0.0;

    int16_t Particolari = 0;  // bit set of the drawing details; 2 = grid
    bool GraficoZoommato = false;
    ModoStrumento Strumento = ModoStrumento::Nessuno;

    double ScalaX() const { return AsseX.Scala(); }
    double ScalaY() const { return AsseY.Scala(); }
    double VistaSinistra() const { return AsseX.Inizio(); }
    double VistaDestra() const { return AsseX.Fine(); }
    double VistaAlto() const { return AsseY.Inizio(); }
    double VistaBasso() const { return AsseY.Fine(); }
};

// The details bit that shows the grid.
inline constexpr int16_t ParticolareGriglia = 2;
