#pragma once

#include <QRect>

// Window positions and sizes are designed in twips (1/1440 inch); on screen
// they become pixels at the screen's logical DPI (15 twips a pixel at 96 DPI).

// The primary screen's logical DPI; 96 when there is no screen.
double DpiLogicoSchermo();

// Rounded to the nearest pixel and held within what a widget can take.
int PixelDaTwips(double twips, double dpi);
double TwipsDaPixel(double pixel, double dpi);

QRect RettangoloDaTwips(double sinistra, double alto, double larghezza, double altezza, double dpi);
