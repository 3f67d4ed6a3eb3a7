#pragma once

#include <cmath>

// Items listed with commas go one to a print zone: the next item starts at the
// first zone boundary at or after the end of the previous one, and always past
// where that one started (an empty item still takes its zone). Zones start at
// 0, every `zona` units; positions and widths share the unit.
inline double InizioZonaSuccessiva(double inizioVoce, double fineVoce, double zona)
{
    // Widths summed in floating point land a hair off a boundary they meet exactly.
    const double tolleranza = zona * 1e-9;
    double inizio = std::ceil((fineVoce - tolleranza) / zona) * zona;
    if (inizio <= inizioVoce + tolleranza)
        inizio = (std::floor((inizioVoce + tolleranza) / zona) + 1.0) * zona;
    return inizio;
}
