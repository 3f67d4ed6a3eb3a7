#pragma once

#include "MisuraTesto.h"
#include "NumeriTesto.h"

#include <functional>
#include <optional>

class QString;
class QTableView;
class QTableWidget;

// What every grid of the program shares: a number is never wrapped, and a
// cell too narrow for its text shows the whole text in its tooltip (a cell
// with a tooltip of its own shows that instead); the user can widen every
// column; Tab moves on to the next control, the arrows move inside the grid.
void PreparaGriglia(QTableView* griglia);

// The column widths that show texts whole in the grid's cells. Numbers are a
// handful of characters: measured by MisuraTesto, so that a grid of hundreds
// of rows opens as fast as before.
class MisuraCelle {
public:
    explicit MisuraCelle(const QTableView* griglia);
    int Larghezza(const QString& testo);

private:
    MisuraTesto testo_;
    int margine_;
};

// The grid's width that shows all its columns as they are now, room for a
// vertical scroll bar included.
int LarghezzaGriglia(const QTableView* griglia);

// Reads a number in a cell's text; nullopt when the text is no number.
using NumeroCella = std::function<std::optional<double>(const QString& testo)>;

// The selected cells (their bounding block), or every row up to the last one
// with anything in it when nothing is selected, as lines of tab-separated
// texts, as a spreadsheet takes them. A cell's number goes at full precision
// with the given separators (FormaEsatta): the double it keeps under
// Qt::UserRole, else the number `numero` reads in its text; any other text as
// shown, its tabs and line ends as blanks.
QString TestoCelle(const QTableWidget* griglia, const Separatori& sep, const NumeroCella& numero = {});
// TestoCelle with the user's separators, to the clipboard.
void CopiaCelle(const QTableWidget* griglia, const NumeroCella& numero = {});
// Ctrl+C and "Copia" in the grid's right-click menu: CopiaCelle.
void OffriCopia(QTableWidget* griglia);
