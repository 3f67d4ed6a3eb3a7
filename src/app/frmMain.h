#pragma once

#include "ComandiPrincipali.h"
#include "StatoApplicazione.h"

#include <QMainWindow>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

class Coppie;
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
    // Open, Save, the exports, printing, the preview and dropped files.
    ComandiFile& File() { return *file_; }
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

    // Every command of the frame, in the order it is built and switched.
    static std::span<const DefinizioneComando> TabellaComandi();
    // The action of the command with this objectName; throws
    // std::out_of_range for a name that is no command.
    QAction* Comando(const QString& nome) const;
    // The toolbar button with this key, or null.
    QAction* PulsanteBarra(const QString& chiave) const;

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
    // New's question; answered OK, every window closes and the points go.
    void mnuFileNew_Click();
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
    void mnuCoppieCopia_Click();
    void mnuCoppieIncolla_Click();

protected:
    void closeEvent(QCloseEvent* evento) override;
    // The bars are switched from the View menu only, so the check marks
    // always tell the truth.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void CreaComandi();
    // Toolbar buttons in the Tab chain, their tooltips ending with their key.
    void MostraTastiBarra();
    void CreaStriscia();
    void CreaBarraStato();
    // A command of the table, the frame's own or a File command.
    void Esegui(const DefinizioneComando& comando);
    // A menu command: a failure ends it with a message and the program goes on.
    void EseguiVoce(const DefinizioneComando& comando);
    void AggiornaOrologio();
    void AggiornaElencoFinestre();

    // The toolbar's commands; each runs its steps through EseguiPasso.
    void ComandoPunti();
    void ComandoCalcolo();
    void ComandoGrafico();
    void ComandoTabella();
    void ComandoEsempio();

    void Calcola();
    // The pairs window: shown, created when needed; its grid copied into the
    // point set without closing it.
    Coppie& MostraCoppie();
    void CopiaGrigliaNeiPunti();
    // A new results window: created in the area and made the designated one,
    // shown, titled "Grado: " and the degree text; each a step of its own.
    void MostraRisultato(const std::function<QWidget*()>& crea, QPointer<QWidget>& designata);
    // The graph window joins here: MostraRisultato with a new fGrafico and
    // the program-wide graph reference.
    void ApriGrafico();

    StatoApplicazione& stato_;
    QSettings& impostazioni_;
    std::unique_ptr<Dialoghi> dialoghi_;
    Curvello* motore_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    QList<QAction*> azioni_;  // one for each row of TabellaComandi()
    QMenu* mnuWindow_ = nullptr;
    QList<QAction*> elencoFinestre_;
    QLabel* pannelloStato_ = nullptr;
    QLabel* pannelloData_ = nullptr;
    QLabel* pannelloOra_ = nullptr;
    QTimer orologio_;
    bool scaricata_ = false;
    std::unique_ptr<ComandiFile> file_;
};
