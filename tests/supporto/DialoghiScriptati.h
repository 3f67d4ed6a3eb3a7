#pragma once

#include "Dialoghi.h"

#include <QList>
#include <QQueue>

#include <functional>

// A question as a test sees it.
struct DomandaDialogo {
    QString testo{};
    QString titolo{};
    PulsantiMessaggio pulsanti = PulsantiMessaggio::Ok;
    IconaMessaggio icona = IconaMessaggio::Nessuna;
    QString filtro{};
    QString ultimoNome{};
};

// Answers from queues and records every question. With nothing queued it gives
// the harmless answer: OK for an OK-only box, otherwise Annulla (No for Si/No),
// no file name, printer dialog cancelled, a preview closed unseen.
class DialoghiScriptati : public Dialoghi {
public:
    void AccodaRisposta(RispostaMessaggio risposta) { risposte_.enqueue(risposta); }
    void AccodaNomeFile(const QString& nome) { nomi_.enqueue(nome); }
    void AccodaStampante(bool accettato) { stampanti_.enqueue(accettato); }
    // The next preview's pages go to this PDF file, on the printer's paper.
    void AccodaAnteprima(const QString& pdf) { anteprime_.enqueue(pdf); }

    const QList<DomandaDialogo>& Domande() const { return domande_; }
    void Dimentica() { domande_.clear(); }

    // Runs while a question is "on screen", before it is answered.
    std::function<void(const DomandaDialogo&)> allaDomanda;

    RispostaMessaggio Messaggio(const QString& testo, const QString& titolo, PulsantiMessaggio pulsanti,
                                IconaMessaggio icona) override;
    QString NomeFileSalva(const QString& titolo, const QString& filtro, const QString& ultimoNome) override
    {
        return nomeFile(titolo, filtro, ultimoNome);
    }
    QString NomeFileApri(const QString& titolo, const QString& filtro, const QString& ultimoNome) override
    {
        return nomeFile(titolo, filtro, ultimoNome);
    }
    bool DialogoStampante(QPrinter& stampante, const QString& titolo) override;
    void AnteprimaStampa(QPrinter& stampante, const QString& titolo, const std::function<void(QPrinter&)>& disegna) override;

private:
    void registra(const DomandaDialogo& domanda);
    QString nomeFile(const QString& titolo, const QString& filtro, const QString& ultimoNome);

    QList<DomandaDialogo> domande_;
    QQueue<RispostaMessaggio> risposte_;
    QQueue<QString> nomi_;
    QQueue<bool> stampanti_;
    QQueue<QString> anteprime_;
};
