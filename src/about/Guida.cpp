#include "Guida.h"

#include "Dialoghi.h"

const QString TestoGuidaNonDisponibile = QStringLiteral(
    "Impossibile visualizzare il Sommario della Guida. Nessun file della Guida associato al progetto.");

void MostraGuidaNonDisponibile(Dialoghi& dialoghi, const QString& titolo)
{
    dialoghi.Messaggio(TestoGuidaNonDisponibile, titolo, PulsantiMessaggio::Ok,
                       IconaMessaggio::Informazione);
}
