#pragma once

// The goodness of fit as the results table and the printed report list it.

#include "Statistiche.h"

#include <array>
#include <string>

struct VoceBonta {
    const char* nome;
    Statistica valore;  // "Punti" and "Gradi di libertà" are whole numbers, always defined
};

// The names in the order they are listed, each with its value; "F" is last.
inline std::array<VoceBonta, 8> VociBonta(const StatisticheAdattamento& s)
{
    return {{{"Punti", {static_cast<double>(s.punti)}},
             {"Gradi di libertà", {static_cast<double>(s.gradiDiLiberta)}},
             {"R²", s.r2},
             {"R² corretto", s.r2Corretto},
             {"Deviazione standard dei residui", s.s},
             {"Somma dei quadrati dei residui", s.rss},
             {"Somma dei quadrati totale", s.tss},
             {"F", s.f}}};
}

// F's degrees of freedom, written after its value.
inline std::string GradiLibertaF(const StatisticheAdattamento& s)
{
    return "con " + std::to_string(s.grado) + " e " + std::to_string(s.gradiDiLiberta) + " gradi di libertà";
}
