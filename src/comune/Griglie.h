#pragma once

class QString;
class QTableView;

// What every grid of the program shares: a number is never wrapped, and a
// cell too narrow for its text shows the whole text in its tooltip; the user
// can widen every column; Tab moves on to the next control, the arrows move
// inside the grid.
void PreparaGriglia(QTableView* griglia);

// The column width that shows this text whole in one of the grid's cells.
int LarghezzaCella(const QTableView* griglia, const QString& testo);

// The grid's width that shows all its columns as they are now, room for a
// vertical scroll bar included.
int LarghezzaGriglia(const QTableView* griglia);
