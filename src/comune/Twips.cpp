#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {
constexpr double TwipsPerPollice = 1440.0;
}

double DpiLogicoSchermo()
{
    const QScreen* schermo = QGuiApplication::primaryScreen();
    const double dpi = schermo ? schermo->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

int PixelDaTwips(double twips, double dpi)
{
    const double pixel = twips * dpi / TwipsPerPollice;
    if (!std::isfinite(pixel))
        return 0;
    const double limite = QWIDGETSIZE_MAX;
    return static_cast<int>(std::lround(std::clamp(pixel, -limite, limite)));
}

double TwipsDaPixel(double pixel, double dpi)
{
    return pixel * TwipsPerPollice / dpi;
}

QRect RettangoloDaTwips(double sinistra, double alto, double larghezza, double altezza, double dpi)
{
    return {PixelDaTwips(sinistra, dpi), PixelDaTwips(alto, dpi), PixelDaTwips(larghezza, dpi),
            PixelDaTwips(altezza, dpi)};
}
