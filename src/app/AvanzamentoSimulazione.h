#pragma once

#include "Curvello.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

class QLabel;
class QProgressBar;

// "Stato calcolo": the modeless window on screen while the normal equations
// are built.
class AvanzamentoSimulazione : public QWidget, public AscoltatoreAvanzamento {
    Q_OBJECT
public:
    explicit AvanzamentoSimulazione(QWidget* proprietario);

    // Shows the window and lets it paint once; user input waits until the
    // run is over, so no second command can start inside this one.
    void Mostra() override;
    void Avanza(float percentuale) override;
    void Chiudi() override;

    QLabel* Label1 = nullptr;
    QProgressBar* BarraAvanzamentoSimulazione = nullptr;

protected:
    // The run closes the window; the user cannot while it goes on.
    void closeEvent(QCloseEvent* evento) override;

private:
    bool chiudibile_ = false;
    // The bar repaints at once on each change: no faster than a screen frame.
    QElapsedTimer ultimoDisegno_;
    int inAttesa_ = 0;
};

// Opens a fresh progress window for each run and destroys it when the run
// ends, so that it exists only while the equations are built.
class AscoltatoreFinestraAvanzamento : public AscoltatoreAvanzamento {
public:
    explicit AscoltatoreFinestraAvanzamento(QWidget* proprietario);
    ~AscoltatoreFinestraAvanzamento() override;

    void Mostra() override;
    void Avanza(float percentuale) override;
    void Chiudi() override;

private:
    QPointer<QWidget> proprietario_;
    QPointer<AvanzamentoSimulazione> finestra_;
};
