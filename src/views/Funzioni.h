#pragma once

#include "NumeriTesto.h"

#include <cstdint>
#include <optional>

class Coppie;
class QString;

// The grid of the pairs window and the current point set, both ways.

// The pairs window's message: OK only, no icon, the application's title.
void Avvisa(Coppie& finestra, const QString& testo);

// Writes the pairs of the point set from index da on into the grid, after
// its rows, in the user's locale.
void RiempiGriglia(Coppie& finestra, int32_t da = 0);

// A cell's text as a number in the user's conventions, as the transfer reads
// it; nullopt when it is none (the transfer takes an empty cell as 0).
std::optional<double> ValoreCella(const QString& testo, const Separatori& sep);

// Empties the point set and refills it from the grid's rows: an empty cell
// is 0, any other must be a number in the user's locale. A cell that is not
// stops the transfer at its row and a row past the point set's capacity is
// not transferred; either way a message says so. True when every row went
// across, or, with Chiudi, when the window must close anyway.
bool TrasferisciCoppie(Coppie& finestra, const bool& Chiudi);
