#include "DialoghiScriptati.h"

#include <QPrinter>

void DialoghiScriptati::registra(const DomandaDialogo& domanda)
{
    domande_ << domanda;
    if (allaDomanda)
        allaDomanda(domanda);
}

RispostaMessaggio DialoghiScriptati::Messaggio(const QString& testo, const QString& titolo,
                                               PulsantiMessaggio pulsanti, IconaMessaggio icona)
{
    DomandaDialogo d;
    d.tipo = DomandaDialogo::Tipo::Messaggio;
    d.testo = testo;
    d.titolo = titolo;
    d.pulsanti = pulsanti;
    d.icona = icona;
    registra(d);
    if (!risposte_.isEmpty())
        return risposte_.dequeue();
    switch (pulsanti) {
    case PulsantiMessaggio::Ok:
        return RispostaMessaggio::Ok;
    case PulsantiMessaggio::SiNo:
        return RispostaMessaggio::No;
    default:
        return RispostaMessaggio::Annulla;
    }
}

QString DialoghiScriptati::NomeFileSalva(const QString& titolo, const QString& filtro,
                                         const QString& ultimoNome)
{
    registra({DomandaDialogo::Tipo::Salva, {}, titolo, PulsantiMessaggio::Ok,
              IconaMessaggio::Nessuna, filtro, ultimoNome});
    return nomi_.isEmpty() ? QString() : nomi_.dequeue();
}

QString DialoghiScriptati::NomeFileApri(const QString& titolo, const QString& filtro,
                                        const QString& ultimoNome)
{
    registra({DomandaDialogo::Tipo::Apri, {}, titolo, PulsantiMessaggio::Ok,
              IconaMessaggio::Nessuna, filtro, ultimoNome});
    return nomi_.isEmpty() ? QString() : nomi_.dequeue();
}

bool DialoghiScriptati::DialogoStampante(QPrinter&, const QString& titolo)
{
    registra({DomandaDialogo::Tipo::Stampante, {}, titolo, PulsantiMessaggio::Ok,
              IconaMessaggio::Nessuna, {}, {}});
    return !stampanti_.isEmpty() && stampanti_.dequeue();
}

void DialoghiScriptati::AnteprimaStampa(QPrinter& stampante, const QString& titolo,
                                        const std::function<void(QPrinter&)>& disegna)
{
    registra({DomandaDialogo::Tipo::Anteprima, {}, titolo, PulsantiMessaggio::Ok,
              IconaMessaggio::Nessuna, {}, {}});
    if (anteprime_.isEmpty())
        return;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setPageLayout(stampante.pageLayout());
    pdf.setOutputFileName(anteprime_.dequeue());
    disegna(pdf);
}
