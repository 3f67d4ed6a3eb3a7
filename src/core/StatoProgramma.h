#pragma once

#include "MySource.h"
#include "Polinomio.h"
#include "XYPoli.h"

#include <cstdint>
#include <memory>
#include <string>

// Limits and switches of the fit, set once at start-up.
struct LimitiCalcolo {
    int16_t GradoMassimo = 10;
    int16_t PuntiMassimi = 100;
    int16_t ScalaturaRighe = 1;  // 1: scale the rows before eliminating
    int16_t PivotParziale = 1;   // 1: exchange rows for the largest pivot
};

// The program-wide data: one instance lives as long as the program.
struct StatoProgramma {
    MySource punti;                                   // the current point set, never replaced
    std::unique_ptr<XYPoli> terne = std::make_unique<XYPoli>();
    std::unique_ptr<Polinomio> polinomio;             // none until the first fit
    std::unique_ptr<MySource> oggcoppiecopia;         // the fit's snapshot, none until the first fit
    std::string IntestazioneUtente;                   // print header
    LimitiCalcolo limiti;
};
