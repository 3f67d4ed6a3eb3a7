#pragma once

#include <QString>

#include <functional>

class QPrinter;

enum class PulsantiMessaggio { Ok, OkAnnulla, SiNo, SiNoAnnulla };
enum class IconaMessaggio { Nessuna, Informazione, Esclamazione, Critica, Domanda };
enum class RispostaMessaggio { Ok, Annulla, Si, No };

// Every modal question the program asks goes through here, so that tests can
// answer instead of a person.
class Dialoghi {
public:
    virtual ~Dialoghi() = default;

    virtual RispostaMessaggio Messaggio(const QString& testo, const QString& titolo,
                                        PulsantiMessaggio pulsanti, IconaMessaggio icona) = 0;

    // filtro: "Descrizione|modello|Descrizione|modello". Empty result: cancelled.
    virtual QString NomeFileSalva(const QString& titolo, const QString& filtro,
                                  const QString& ultimoNome) = 0;
    virtual QString NomeFileApri(const QString& titolo, const QString& filtro,
                                 const QString& ultimoNome) = 0;

    // The printer the user picks is configured into stampante. False: cancelled.
    virtual bool DialogoStampante(QPrinter& stampante, const QString& titolo) = 0;

    // The pages disegna draws on the printer it is given, shown on stampante's
    // paper; the user may print them from there, which draws them again on
    // stampante. disegna reports its own failures and never throws.
    virtual void AnteprimaStampa(QPrinter& stampante, const QString& titolo,
                                 const std::function<void(QPrinter&)>& disegna) = 0;
};
