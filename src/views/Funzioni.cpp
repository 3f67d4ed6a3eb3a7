#include "Funzioni.h"

#include "Coppie.h"
#include "Costanti.h"
#include "Dialoghi.h"
#include "MySource.h"
#include "NumeriTesto.h"
#include "SeparatoriLocale.h"

#include <QTableWidget>

#include <algorithm>
#include <optional>

void Avvisa(Coppie& finestra, const QString& testo)
{
    finestra.dialoghi().Messaggio(testo, QString::fromUtf8(TitoloApplicazione), PulsantiMessaggio::Ok,
                                  IconaMessaggio::Nessuna);
}

void RiempiGriglia(Coppie& finestra, int32_t da)
{
    const MySource& punti = finestra.Punti();
    const Separatori sep = SeparatoriLocale();
    for (int32_t i = da; i < punti.NumeroElementi(); ++i)
        finestra.AggiungiCoppia(QString::fromStdString(FormaGenerale(punti.X(i), sep)),
                                QString::fromStdString(FormaGenerale(punti.Y(i), sep)));
}

std::optional<double> ValoreCella(const QString& testo, const Separatori& sep)
{
    return ConvertiTesto(testo.toStdString(), sep);
}

bool TrasferisciCoppie(Coppie& finestra, const bool& Chiudi)
{
    const bool puoChiudere = Chiudi && finestra.ChiusuraForzata();
    MySource& punti = finestra.Punti();
    punti.Vuota();
    if (finestra.TotaleRighe() < 1)
        return true;

    const Separatori sep = SeparatoriLocale();
    const int righe = finestra.RigheDati();
    const int daLeggere = std::min(righe, static_cast<int>(MySource::Capacita));
    for (int r = 1; r <= daLeggere; ++r) {
        double xy[2] = {0, 0};
        for (int c = 1; c <= 2; ++c) {
            const QString testo = finestra.TestoCella(r, c);
            const std::optional<double> v = testo.isEmpty() ? std::optional<double>(0.0) : ValoreCella(testo, sep);
            if (!v) {
                finestra.DataGrid1->setCurrentCell(r - 1, c - 1);
                Avvisa(finestra, QStringLiteral("La riga %1 contiene un valore non numerico: %2").arg(r).arg(testo));
                return puoChiudere;
            }
            xy[c - 1] = *v;
        }
        punti.Add(xy[0], xy[1]);
    }
    finestra.DataGrid1->setCurrentCell(daLeggere - 1, 1);
    if (righe > daLeggere) {
        Avvisa(finestra, QStringLiteral("La griglia contiene %1 righe: sono state trasferite solo le prime %2 coppie")
                             .arg(righe)
                             .arg(daLeggere));
        return puoChiudere;
    }
    return true;
}
