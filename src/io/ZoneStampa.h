#pragma once

#include <cmath>

// Items listed with commas go one to a print zone: the next item starts at the
// first zone boundary at or after the end of the previous one. Zones start at
// 0, every `zona` units; positions and widths share the unit.
inline double InizioZonaSuccessiva(double fineVoce, double zona)
{
    if (!(zona > 0))
        return fineVoce;  // a font without widths: no zones to go to
    // Widths summed in floating point land a hair off a boundary they meet exactly.
    return std::ceil(fineVoce / zona - 1e-9) * zona;
}
