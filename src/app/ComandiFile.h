#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class Dialoghi;
class QPrinter;
class QUrl;
class Stampante;
class frmMain;
struct StatoApplicazione;

// One tick per listing of the "Stampa" window, in the order of its boxes.
using ScelteListati = std::array<bool, 4>;

// The frame's File commands: open, save, the two exports, print, the print
// preview, and files dropped on the frame or named at start-up. A reader's,
// a writer's or a printer's failure reaches the user one way: its own
// message when it has one, else the command's general one.
class ComandiFile : public QObject {
    Q_OBJECT
public:
    ComandiFile(frmMain& cornice, StatoApplicazione& stato);
    ~ComandiFile() override;

    // New's question, whatever the answer, then the file dialog and the file:
    // declined, the file's points go behind the current ones.
    void Apri();
    // Always asks for a name; the active window is captioned with the path once written.
    void Salva();
    void EsportaTabella();
    void EsportaGrafico();
    // What the active window holds: the pairs, the graph, or from a table the
    // "Stampa" window's choice.
    void Stampa();
    // What Stampa would print from the active window, in a preview; from a
    // table all the listings the "Stampa" window offers.
    void Anteprima();
    // The program's arguments: one file, read as Open reads it without New's
    // question, since nothing has been typed yet.
    void ApriAllAvvio(const QStringList& argomenti);

    // One job each on a new device; a failure is reported.
    void StampaCoppie();
    void StampaTerne();
    void StampaCoeff();
    void StampaStatistiche();
    // The ticked listings as one job, each from a new page.
    void StampaListati(ScelteListati scelti);
    // The designated graph window's plot with its value strips, committed first.
    void StampaGrafico();

    // The printer the last printer dialog or preview configured.
    QPrinter& Printer();
    // What each job draws on; by default the printer above. Tests record instead.
    void ImpostaFabbricaStampante(std::function<std::shared_ptr<Stampante>()> fabbrica);

protected:
    // Files dropped on the frame.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    using Lavoro = std::function<void(Stampante&)>;

    // Runs azione; a failure goes to the message box. Returns whether it succeeded.
    bool Riuscito(const QString& generico, const std::function<void()>& azione);
    void Avviso(const QString& testo);

    // Reads the file: a text table by its extension, else a data file.
    void Leggi(const QString& percorso);
    void ApriTrascinati(const QList<QUrl>& file);
    // The shared file dialog: asks with the name chosen last.
    QString NomeFile(bool salva, const QString& titolo, const QString& filtro);
    void SalvaConNome(const QString& filtro, const std::function<void(const QString&)>& scrivi);

    Lavoro LavoroListati(ScelteListati scelti) const;
    Lavoro LavoroGrafico() const;
    // What Print prints from this window as one job; none when it prints nothing from it.
    Lavoro LavoroPer(const QWidget* figlio) const;
    void StampaLavoro(const std::function<Lavoro()>& prepara);
    std::shared_ptr<Stampante> NuovaStampante();

    frmMain& cornice_;
    StatoApplicazione& stato_;
    QString nomeDialogoFile_;
    // Shared, so that this header needs no complete QPrinter.
    std::shared_ptr<QPrinter> printer_;
    std::function<std::shared_ptr<Stampante>()> fabbricaStampante_;
};
