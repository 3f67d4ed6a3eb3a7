#pragma once

#include "StatoApplicazione.h"

#include <QMainWindow>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <string>

class Curvello;
class Dialoghi;
class QAction;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMenu;
class QSettings;
class QToolBar;

// The frame every other window lives in: toolbar, degree strip, status bar,
// menus, the command state and the commands that live in the frame itself.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(StatoApplicazione& stato, QSettings& impostazioni,
            std::unique_ptr<Dialoghi> dialoghi = nullptr);
    ~frmMain() override;

    void ImpostaMotore(Curvello* motore) { motore_ = motore; }
    Dialoghi& dialoghi() { return *dialoghi_; }
    QMdiArea* AreaFigli() const { return mdiArea_; }

    // Restores the stored geometry and print header, sets the start state.
    void MDIForm_Load();
    // Stores geometry and print header unless the window is minimized.
    void MDIForm_Unload();

    // Codes 1 (after New), 2 (start), 3 (after a fit); others change nothing.
    void ImpostaStatoComandi(int16_t codice);
    // Whether a loaded window of the program has exactly this objectName.
    bool FormAperto(const QString& nome) const;
    // Closes every loaded window but this one, child windows first.
    void ChiudiFinestre();

    // The toolbar button with this key, or null.
    QAction* PulsanteBarra(const QString& chiave) const;
    // The File entries that are never shown, in their menu order.
    QList<QAction*> VociFileNascoste() const;

    // M1 to M7: OK only, no icon, the application's title.
    void MostraMessaggioCalcolo(const std::string& testo);

    // Places the degree strip's controls for the given logical DPI.
    void DisponiControlli(double dpi);

    QToolBar* tbToolBar = nullptr;
    QWidget* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* GradoPolinomio = nullptr;
    QMenu* mnuCoppieModifica = nullptr;

public slots:
    void tbToolBar_ButtonClick(QAction* pulsante);
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileEsporta_Click();
    void mnuFileEsportaGrafico_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewOptions_Click();
    void mnuWindowCascade_Click();
    void mnuWindowTileHorizontal_Click();
    void mnuWindowTileVertical_Click();
    void mnuWindowArrangeIcons_Click();
    void mnuHelpContents_Click();
    void mnuHelpSearchForHelpOn_Click();
    void mnuHelpAbout_Click();
    void mnuCoppieEliminaRiga_Click();

protected:
    void closeEvent(QCloseEvent* evento) override;
    // The bars are switched from the View menu only, so the check marks
    // always tell the truth.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void CreaBarraStrumenti();
    void CreaStriscia();
    void CreaMenu();
    void CreaBarraStato();
    QAction* CreaVoce(const QString& nome, const QString& testo, void (frmMain::*gestore)());
    void AggiornaOrologio();
    void AggiornaElencoFinestre();

    void Calcola();
    // The pairs window plugs in here: copy its grid into the point set
    // without closing it, and show it (creating it when needed).
    void CopiaGrigliaNeiPunti();
    void MostraCoppie();

    StatoApplicazione& stato_;
    QSettings& impostazioni_;
    std::unique_ptr<Dialoghi> dialoghi_;
    Curvello* motore_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    QMenu* mnuWindow_ = nullptr;
    QList<QAction*> elencoFinestre_;
    QLabel* pannelloStato_ = nullptr;
    QLabel* pannelloData_ = nullptr;
    QLabel* pannelloOra_ = nullptr;
    QTimer orologio_;
    bool scaricata_ = false;
};
