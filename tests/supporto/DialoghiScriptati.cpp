#include "DialoghiScriptati.h"

#include <QPrinter>

void DialoghiScriptati::registra(const DomandaDialogo& domanda)
{
    domande_ << domanda;
    if (allaDomanda)
        allaDomanda(domanda);
}

RispostaMessaggio DialoghiScriptati::Messaggio(const QString& testo, const QString& titolo, PulsantiMessaggio pulsanti,
                                               IconaMessaggio icona)
{
    registra({.testo = testo, .titolo = titolo, .pulsanti = pulsanti, .icona = icona});
    if (!risposte_.isEmpty())
        return risposte_.dequeue();
    using P = PulsantiMessaggio;
    return pulsanti == P::Ok ? RispostaMessaggio::Ok : pulsanti == P::SiNo ? RispostaMessaggio::No : RispostaMessaggio::Annulla;
}

QString DialoghiScriptati::nomeFile(const QString& titolo, const QString& filtro, const QString& ultimoNome)
{
    registra({.titolo = titolo, .filtro = filtro, .ultimoNome = ultimoNome});
    return nomi_.isEmpty() ? QString() : nomi_.dequeue();
}

bool DialoghiScriptati::DialogoStampante(QPrinter&, const QString& titolo)
{
    registra({.titolo = titolo});
    return !stampanti_.isEmpty() && stampanti_.dequeue();
}

void DialoghiScriptati::AnteprimaStampa(QPrinter& stampante, const QString& titolo,
                                        const std::function<void(QPrinter&)>& disegna)
{
    registra({.titolo = titolo});
    if (anteprime_.isEmpty())
        return;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setPageLayout(stampante.pageLayout());
    pdf.setOutputFileName(anteprime_.dequeue());
    disegna(pdf);
}
