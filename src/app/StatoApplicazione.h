#pragma once

#include "Esportazione.h"
#include "StatoGrafico.h"
#include "StatoProgramma.h"

#include <QPointer>
#include <QWidget>

#include <memory>

// Everything the program keeps from start-up to exit, one instance.
struct StatoApplicazione {
    StatoProgramma programma;
    StatoGrafico grafico;
    // What the text export writes; large, hence on the heap.
    std::unique_ptr<RegistroCampioni> registro = std::make_unique<RegistroCampioni>();
    // The child windows opened last; a closed window reads as none.
    QPointer<QWidget> Coppie;
    QPointer<QWidget> Tabella;
    QPointer<QWidget> fGrafico;
};

// The fit's limits and switches and the graph defaults.
void ImpostaValoriIniziali(StatoApplicazione& stato);
// New data: the next graph shows all of it.
void AzzeraZoom(StatoGrafico& grafico);
