#pragma once

// One axis of the graph: the data values at the start and at the end of a
// surface's extent (left to right, top to bottom; a start above the end in
// value makes Y grow upwards), the multiplier from data units to the graph's
// nominal surface units (ScalaX, ScalaY) and, once placed on a surface, the
// extent in device pixels. Every drawing, label, tool and print converts
// through it, so there is a single place where coordinates are converted.
//
// The edges may lie anywhere in the double range: an extent that would
// overflow is converted through halves of the values, so any finite data has
// a place on the surface.
class MappaScala {
public:
    MappaScala() = default;
    MappaScala(double inizio, double fine, double scala = 1.0);

    double Inizio() const { return inizio_; }
    double Fine() const { return fine_; }
    double Scala() const { return scala_; }
    // This share of the extent, signed as the edges make it (negative along a
    // Y axis that grows upwards); finite for any finite edges.
    double Parte(double quota) const { return quota * fine_ - quota * inizio_; }

    // The same axis over a device extent of this many pixels.
    MappaScala SuDispositivo(double pixel) const;

    // False when an edge is not finite, the extent is zero or there are no
    // pixels: then every conversion gives NaN, never a division by zero.
    bool Valida() const { return valida_; }
    double VersoDispositivo(double valore) const
    {
        return dimezza_ ? (valore / 2 - inizio_ / 2) * k_ : (valore - inizio_) * k_;
    }
    double VersoValore(double pixel) const;

private:
    double inizio_ = 0.0;
    double fine_ = 1.0;
    double scala_ = 1.0;
    bool valida_ = false;
    bool dimezza_ = false;  // the extent overflows: convert halves
    double k_ = 0.0;        // device pixels per unit (per half unit when halving), NaN when not valid
};
