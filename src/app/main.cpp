#include "Module1.h"
#include "Versione.h"
#include "frmAbout.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Curvello"));
    QApplication::setApplicationName(QStringLiteral("Curvello"));
    QApplication::setApplicationVersion(QString::fromLatin1(VersioneProgramma));
    QApplication::setWindowIcon(IconaApplicazione());

    QSettings impostazioni(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("Curvello"), QStringLiteral("Curvello"));
    const auto programma = Main(impostazioni, nullptr, QApplication::arguments().mid(1));
    return app.exec();
}
