#pragma once

#include <QWidget>

#include <memory>

class Dialoghi;
class MisuraCelle;
class MySource;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QTableWidget;

// The grid's size and column widths (twips) for the window's outer size.
struct MisureGriglia {
    double larghezza = 0;
    double altezza = 0;
    double colonnaFissa = 0;
    double colonnaDati = 0;  // each of the X and Y columns
};
// Never below zero, however small the window.
MisureGriglia MisureGrigliaCoppie(double larghezzaFinestra, double altezzaFinestra);

// "Coppie X - Y": the user types each pair into the X and Y boxes and Enter
// adds it to the grid, as typed. The grid is the window's own copy of the
// points; TrasferisciCoppie (Funzioni) copies it into the point set.
// Grid rows and columns are counted as the user sees them: data rows from 1
// below the header row, X in column 1 and Y in column 2 after the fixed one.
class Coppie : public QWidget {
    Q_OBJECT
public:
    // menuModifica: the frame's right-click menu for the grid.
    Coppie(MySource& punti, Dialoghi& dialoghi, QMenu* menuModifica, QWidget* genitore = nullptr);
    ~Coppie() override;

    // Places the window (its frame, once in the main window's area), clears
    // the state and fills the grid from the point set.
    void Form_Load();

    int TotaleRighe() const { return totaleRighe_; }
    int RigaCorrente() const { return rigaCorrente_; }
    bool InModifica() const { return inModifica_; }

    // Deletes row RigaCorrente; the grid always keeps one data row. Does
    // nothing when that row no longer exists.
    void EliminaRiga();
    // Stores a new pair as the grid's next row (the first one fills the
    // empty data row).
    void AggiungiCoppia(const QString& x, const QString& y);
    QString TestoCella(int riga, int colonna) const;
    // The clipboard's text pasted (Incolla(testo)); an empty clipboard does nothing.
    void Incolla();
    // The pairs of a text, one a line as spreadsheets copy them (LettoreCoppie
    // with RegolaAppunti: the rule of a typed cell), go after the last row as
    // they are written. All or nothing: a line that is not a pair, or more
    // pairs than the grid's 301 rows hold, leaves the grid as it was and a
    // message says so. True when the pairs went in.
    bool Incolla(const QString& testo);
    // The selected cells, or the whole grid, to the clipboard (CopiaCelle):
    // a cell that is a number at full precision, any other as typed.
    void Copia();
    int RigheDati() const;

    MySource& Punti() { return punti_; }
    Dialoghi& dialoghi() { return dialoghi_; }
    // New and the program's end close the window even when its grid cannot
    // be transferred whole.
    bool ChiusuraForzata() const { return chiusuraForzata_; }
    void ChiudiComunque();

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    QTableWidget* DataGrid1 = nullptr;

public slots:
    void Text1_KeyPress(int tasto);
    void Text2_KeyPress(int tasto);
    void DataGrid1_Click();
    void DataGrid1_DblClick();
    void DataGrid1_MouseDown(Qt::MouseButton pulsante, const QPoint& posizioneGlobale);

public:
    // The grid's keys: Enter and F2 correct the current cell, as a double
    // click; Delete removes its row, as "Elimina riga"; the Menu key and
    // Shift+F10 open the row's menu; Copy and Paste (Ctrl+C, Ctrl+V) copy and
    // paste. True when the key was one of them.
    bool DataGrid1_KeyDown(const QKeyEvent& tasto);

protected:
    void resizeEvent(QResizeEvent* evento) override;
    // The grid goes to the point set; a grid that does not go across whole
    // keeps the window open, unless it must close anyway.
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Form_Resize();
    void RiempiGriglia();
    // Enter while correcting: the box's text goes into the grid's current cell.
    void ScriviCorrezione(QLineEdit* casella);
    void ScriviCella(int riga, int colonna, const QString& testo);
    void AccodaRigaVuota();
    // A data column at least as wide as its widest text, as the window gives
    // it, or as the user made it.
    void ImpostaColonna(int colonna, int larghezza);
    void ApriMenu(const QPoint& posizioneGlobale);

    MySource& punti_;
    Dialoghi& dialoghi_;
    QMenu* menuModifica_;
    int altoGriglia_ = 0;  // pixels
    int totaleRighe_ = 0;
    int rigaCorrente_ = 0;
    bool inModifica_ = false;
    bool chiusuraForzata_ = false;
    std::unique_ptr<MisuraCelle> misura_;
    int contenuto_[2] = {0, 0};       // pixels the widest text of each data column needs
    int sceltaUtente_[2] = {0, 0};    // the widths the user dragged, 0 for none
    bool disponendo_ = false;         // the widths change by our hand, not the user's
};
