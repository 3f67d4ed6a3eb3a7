#pragma once

#include "StatoGrafico.h"
#include "StatoProgramma.h"

#include <QPointer>
#include <QWidget>

// Everything the program keeps from start-up to exit, one instance.
struct StatoApplicazione {
    StatoProgramma programma;
    StatoGrafico grafico;
    // The child windows opened last; a closed window reads as none.
    QPointer<QWidget> Coppie;
    QPointer<QWidget> Tabella;
    QPointer<QWidget> fGrafico;
};

// The fit's limits and switches and the graph defaults.
void ImpostaValoriIniziali(StatoApplicazione& stato);
