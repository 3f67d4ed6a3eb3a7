#pragma once

#include <QFontMetricsF>

#include <array>

class QString;
class QTableView;

// What every grid of the program shares: a number is never wrapped, and a
// cell too narrow for its text shows the whole text in its tooltip (a cell
// with a tooltip of its own shows that instead); the user can widen every
// column; Tab moves on to the next control, the arrows move inside the grid.
void PreparaGriglia(QTableView* griglia);

// The column widths that show texts whole in the grid's cells. Numbers are a
// handful of characters: their advances are looked up once, not each text
// laid out, so that a grid of hundreds of rows opens as fast as before.
class MisuraCelle {
public:
    explicit MisuraCelle(const QTableView* griglia);
    int Larghezza(const QString& testo);

private:
    QFontMetricsF metriche_;
    int margine_;
    std::array<qreal, 128> ascii_{};  // 0: not looked up yet
};

// The grid's width that shows all its columns as they are now, room for a
// vertical scroll bar included.
int LarghezzaGriglia(const QTableView* griglia);
