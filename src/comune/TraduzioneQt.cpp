#include "TraduzioneQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallaTraduzioneQt()
{
    static QTranslator traduttore;
    QCoreApplication::removeTranslator(&traduttore);
    // Qt's own folder, or beside the program where a Windows or macOS
    // package puts it.
    const QString cartelle[] = {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")),
    };
    for (const QString& cartella : cartelle)
        if (traduttore.load(QStringLiteral("qtbase_it"), cartella))
            return QCoreApplication::installTranslator(&traduttore);
    return false;
}
