#pragma once

#include "Dialoghi.h"
#include "StatoApplicazione.h"

#include <QStringList>

#include <memory>

class AscoltatoreFinestraAvanzamento;
class Curvello;

class QSettings;
class frmMain;

// The running program: its state, its main window and the fit engine wired
// to that window's message boxes, progress window and command state.
class Applicazione {
public:
    // dialoghi: null for the real message boxes and file dialogs.
    Applicazione(QSettings& impostazioni, std::unique_ptr<Dialoghi> dialoghi);
    ~Applicazione();
    Applicazione(const Applicazione&) = delete;
    Applicazione& operator=(const Applicazione&) = delete;

    StatoApplicazione& Stato() { return stato_; }
    frmMain& FinestraPrincipale() { return *finestra_; }
    Curvello& Motore() { return *motore_; }

private:
    StatoApplicazione stato_;
    std::unique_ptr<frmMain> finestra_;
    std::unique_ptr<AscoltatoreFinestraAvanzamento> avanzamento_;
    std::unique_ptr<Curvello> motore_;
};

// Start-up: defaults, the main window loaded with the stored settings,
// maximized and shown, then the file the arguments name opened. The caller
// keeps the result while the event loop runs.
std::unique_ptr<Applicazione> Main(QSettings& impostazioni, std::unique_ptr<Dialoghi> dialoghi = nullptr,
                                   const QStringList& argomenti = {});
