#pragma once

#include "ComandiPrincipali.h"
#include "StatoApplicazione.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
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
class QPrinter;
class QSettings;
class QToolBar;
class Stampante;

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

    // Every command of the frame, in the order it is built and switched.
    static std::span<const DefinizioneComando> TabellaComandi();
    // The action of the command with this objectName; throws
    // std::out_of_range for a name that is no command.
    QAction* Comando(const QString& nome) const;
    // The toolbar button with this key, or null.
    QAction* PulsanteBarra(const QString& chiave) const;
    // The File entries that are never shown, in their menu order.
    QList<QAction*> VociFileNascoste() const;

    // M1 to M7: OK only, no icon, the application's title.
    void MostraMessaggioCalcolo(const std::string& testo);

    // Places the degree strip's controls for the given logical DPI.
    void DisponiControlli(double dpi);

    // One print job each, on the printer the last printer dialog configured.
    void StampaCoppie();
    void StampaTerne();
    void StampaCoeff();
    void StampaStatistiche();
    // The chosen listings (pairs, triples, coefficients, statistics) as one
    // job, each from a new page: a file receives them all.
    void StampaListati(std::array<bool, 4> scelti);
    // The designated graph window's plot with its value strips, committed first.
    void StampaGrafico();
    QPrinter& Printer();
    // What each job draws on; by default the printer above. Tests record instead.
    void ImpostaFabbricaStampante(std::function<std::shared_ptr<Stampante>()> fabbrica);

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
    void CreaComandi();
    // Toolbar buttons in the Tab chain, their tooltips ending with their key.
    void MostraTastiBarra();
    // New data: the next graph shows all of it.
    void AzzeraZoom();
    void CreaStriscia();
    void CreaBarraStato();
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

    // The File commands' shared dialog: asks with the name chosen last.
    QString NomeFile(bool salva, const QString& titolo, const QString& filtro);
    // Save As and the exports: a name, then the write; the window active when
    // the name was asked is captioned with the path once the write succeeded.
    void SalvaConNome(const QString& filtro, const std::function<void(const QString&)>& scrivi);
    std::shared_ptr<Stampante> NuovaStampante();

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
    QString nomeDialogoFile_;
    // Shared, so that this header needs no complete QPrinter.
    std::shared_ptr<QPrinter> printer_;
    std::function<std::shared_ptr<Stampante>()> fabbricaStampante_;
};
