#pragma once

#include <QDialog>
#include <QList>

#include <functional>

class Dialoghi;
class QCheckBox;
class QGroupBox;
class QPrinter;
class QPushButton;

// The three listings frmStampa offers, each one print job on the printer its
// dialog configured, in the order pairs, triples, coefficients.
struct ListatiStampa {
    std::function<void()> coppie;
    std::function<void()> terne;
    std::function<void()> coeff;
};

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
    // The printer dialog, then each ticked listing; a cancelled dialog prints
    // nothing, a failing job is reported once and ends the printing.
    void PulsOK_Click();
    void PulsCancel_Click();

private:
    Dialoghi& dialoghi_;
    QPrinter& stampante_;
    ListatiStampa listati_;
};
