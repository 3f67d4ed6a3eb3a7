#include "Esportazione.h"

#include "ScritturaSicura.h"
#include "ZoneStampa.h"

#include <QBuffer>
#include <QImage>

#include <vector>

namespace {

// Characters, not bytes: a locale's decimal separator may take several.
int Colonne(const std::string& s)
{
    int n = 0;
    for (char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// A line of the file as the platform's Print # writes items listed with commas.
std::string RigaInZone(const std::vector<std::string>& voci)
{
    std::string riga;
    int colonna = 0;
    for (size_t i = 0; i < voci.size(); ++i) {
        if (i > 0) {
            const int zona = static_cast<int>(InizioZonaSuccessiva(colonna, 14));
            riga.append(static_cast<size_t>(zona - colonna), ' ');
            colonna = zona;
        }
        riga += voci[i];
        colonna += Colonne(voci[i]);
    }
    return riga + "\r\n";
}

} // namespace

std::string TestoTabella(const RegistroCampioni& r, const Separatori& sep)
{
    if (r.N >= RegistroCampioni::Capacita)
        throw ErroreScrittura("Impossibile esportare la tabella: il registro ha solo " +
                              std::to_string(RegistroCampioni::Capacita) + " campioni.");
    std::string testo = RigaInZone({"t", "V(t)", "P(t)", "Qt(t)", "Qs(t)"});
    auto numero = [&sep](double v, int decimali) { return FormaStampa(Arrotonda(v, decimali), sep); };
    for (size_t i = 0; static_cast<int>(i) <= r.N; ++i)
        testo += RigaInZone({numero(static_cast<double>(i) / 10, 1), numero(r.serieV[i], 3),
                             numero(r.serieP[i], 3), numero(r.serieQt[i], 3), numero(r.serieQs[i], 3)});
    return testo;
}

void EsportaTesto(const RegistroCampioni& registro, const QString& percorso, const Separatori& sep)
{
    ScriviFileSicuro(percorso, QByteArray::fromStdString(TestoTabella(registro, sep)));
}

void EsportaBitmap(const QImage& immagine, const QString& percorso)
{
    if (immagine.isNull())
        throw ErroreScrittura("Non c'è nessun grafico da esportare: aprire prima un grafico con \"Grafico\".");
    QByteArray byte;
    QBuffer buffer(&byte);
    buffer.open(QIODevice::WriteOnly);
    if (!immagine.save(&buffer, "BMP"))
        throw ErroreScrittura("Impossibile convertire il grafico in bitmap.");
    ScriviFileSicuro(percorso, byte);
}
