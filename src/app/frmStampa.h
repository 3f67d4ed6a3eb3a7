#pragma once

#include <QDialog>
#include <QList>

#include <array>
#include <functional>

class Dialoghi;
class QCheckBox;
class QGroupBox;
class QPrinter;
class QPushButton;

// Prints the ticked listings of the four frmStampa offers (pairs, triples,
// coefficients, statistics, in that order) as one job on the printer its
// dialog configured, each from a new page, and reports its own failure.
using ListatiStampa = std::function<void(std::array<bool, 4> scelti)>;

// "Stampa": which listings of the results to print. Modeless; either button
// closes and deletes it, so every opening starts with no box ticked.
class frmStampa : public QDialog {
    Q_OBJECT
public:
    frmStampa(Dialoghi& dialoghi, QPrinter& stampante, ListatiStampa listati, QWidget* proprietario = nullptr);

    QGroupBox* Frame1 = nullptr;
    QList<QCheckBox*> TipoStampa;
    QPushButton* PulsOK = nullptr;
    QPushButton* PulsCancel = nullptr;

public slots:
    // The printer dialog, then the ticked listings; a cancelled dialog prints
    // nothing.
    void PulsOK_Click();
    void PulsCancel_Click();

private:
    Dialoghi& dialoghi_;
    QPrinter& stampante_;
    ListatiStampa listati_;
};
