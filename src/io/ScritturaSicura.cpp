#include "ScritturaSicura.h"

#include "FileDati.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

ErroreScrittura Errore(const QString& percorso, const QString& motivo)
{
    return ErroreScrittura(QStringLiteral("Impossibile salvare il file \"%1\": %2.")
                               .arg(QDir::toNativeSeparators(percorso), motivo)
                               .toStdString());
}

} // namespace

void ScriviFileSicuro(const QString& percorso, const QByteArray& contenuto)
{
    const QFileInfo info(percorso);
    if (info.isDir())
        throw Errore(percorso, QStringLiteral("è una cartella"));
    if (info.exists() && !info.isWritable())
        throw Errore(percorso, QStringLiteral("il file è protetto in scrittura"));
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        throw Errore(percorso, QStringLiteral("la cartella non esiste o è protetta in scrittura"));
    // commit() alone misses a short write of the buffered tail (a full disk):
    // flushing first makes it fail, and the temporary file is dropped.
    if (file.write(contenuto) != contenuto.size() || !file.flush() || !file.commit())
        throw Errore(percorso, QStringLiteral("la scrittura non è stata completata, il file precedente è rimasto com'era"));
}

void SalvaFileDatiSicuro(const StatoProgramma& stato, const QString& percorso)
{
    const std::string testo = TestoFileDati(stato, QDir::toNativeSeparators(percorso).toStdString());
    ScriviFileSicuro(percorso, QByteArray::fromStdString(testo));
}
