#pragma once

#include <QWidget>

class MySource;
class Polinomio;
class QLabel;
class QTableWidget;

// "Tabella": the coefficients of the last fit and, for every point, X, Y and
// the polynomial's value there. Filled once when it loads, never refreshed,
// so each window keeps the results as they were when it opened.
class Tabella : public QWidget {
    Q_OBJECT
public:
    explicit Tabella(QWidget* genitore = nullptr);

    // Places the window (its frame, once in the main window's area) and fills
    // both grids, each column wide enough for its texts. No polynomial, or
    // one without coefficients: no coefficients and no P.
    void Form_Load(const Polinomio* polinomio, const MySource& punti);

    QLabel* Label3 = nullptr;
    QLabel* LCoeff = nullptr;
    QTableWidget* DataCoeff = nullptr;
    QLabel* Lterne = nullptr;
    QTableWidget* DataTerna = nullptr;

private:
    // The controls where the design puts them, the grids widened to their columns.
    void Disponi();
    void RiempiTabelle(const Polinomio* polinomio, const MySource& punti);
};
