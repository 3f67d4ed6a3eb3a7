#pragma once

#include <QList>
#include <QWidget>

class MySource;
class Polinomio;
class QLabel;
class QTableWidget;

// "Tabella": the coefficients of the last fit with their standard errors and
// t, for every point X, Y, the polynomial's value there and the residual, and
// below them how good the fit is. Filled once when it loads, never refreshed,
// so each window keeps the results as they were when it opened. Every number
// cell holds its full double under Qt::UserRole, for copying.
class Tabella : public QWidget {
    Q_OBJECT
public:
    explicit Tabella(QWidget* genitore = nullptr);

    // Places the window (its frame, once in the main window's area) and fills
    // both grids, each column wide enough for its texts. No polynomial, or
    // one without coefficients: no coefficients, no P and no statistics.
    // `adattati` are the points the polynomial was fitted to: the statistics
    // are theirs, at the polynomial's degree; none when not given.
    void Form_Load(const Polinomio* polinomio, const MySource& punti, const MySource* adattati = nullptr);

    QLabel* Label3 = nullptr;
    QLabel* LCoeff = nullptr;
    QTableWidget* DataCoeff = nullptr;
    QLabel* Lterne = nullptr;
    QTableWidget* DataTerna = nullptr;
    // "Bontà dell'adattamento", hidden when there are no statistics: the
    // heading, a name and a value a line, F's degrees of freedom beside it.
    // Each value label holds its full double in the property "valore".
    QLabel* LBonta = nullptr;
    QList<QLabel*> NomiBonta;
    QList<QLabel*> ValoriBonta;
    QLabel* GradiF = nullptr;

private:
    // The controls where the design puts them, the grids widened to their
    // columns, the statistics below them.
    void Disponi();
    void RiempiTabelle(const Polinomio* polinomio, const MySource& punti, const MySource* adattati);
};
