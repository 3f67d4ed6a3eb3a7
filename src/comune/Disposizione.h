#pragma once

#include <QRect>

class QWidget;

// Puts a control where the design says, in twips, but never smaller than its
// text needs: the designed sizes assume a smaller system font than most
// screens have today. Returns the geometry it set.
QRect PosizionaTwips(QWidget* controllo, double sinistra, double alto, double larghezza,
                     double altezza, double dpi);

// The size a control needs to show its whole text (labels and buttons) or at
// least one line of it (everything else).
QSize DimensioneNecessaria(const QWidget* controllo);

// The window as the user sees and moves it: its frame in the main window's
// area when it has one, otherwise the window itself.
QWidget* Cornice(QWidget* finestra);
