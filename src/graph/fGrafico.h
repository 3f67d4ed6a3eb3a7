#pragma once

#include "FunzioniGrafico.h"
#include "MisuraTesto.h"
#include "StatoGrafico.h"
#include "StrumentiGrafico.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>

class Dialoghi;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QToolBar;
class SuperficieDisegno;
struct StatoProgramma;

// The graph window: the points and the fitted polynomial of the last fit, the
// value strips, the X/Y readout and the difference group, and the graph
// toolbar. Several can be open; they share the one graph state. The window
// only reads the program's data.
class fGrafico : public QWidget, public CaselleGrafico {
    Q_OBJECT
public:
    fGrafico(StatoGrafico& grafico, const StatoProgramma& programma, Dialoghi* dialoghi,
             QWidget* parent = nullptr);
    ~fGrafico() override;

    // Placed and laid out, not yet drawn: the first size event once shown
    // draws. Called by the creator once the window has its place, in the
    // frame's area or on its own.
    void Form_Load();

    // For the graph's export: the plot's committed picture as an image (null
    // once erased).
    QImage ImmaginePicture1() const;
    // What the graph's print takes: the plot with its two value strips, as
    // they stand on screen, the plot's current drawing committed first.
    QImage ImmagineStampa();

    void ZoommaGrafico() {}
    void ControlloParticolari();

    void Toolbar1_ButtonClick(QAction* pulsante);
    QAction* Pulsante(const QString& chiave) const;

    bool Caricato() const { return caricato_; }
    StrumentiGrafico& Strumenti() { return *strumenti_; }

    QToolBar* Toolbar1;
    SuperficieDisegno* Picture1;
    SuperficieDisegno* PictValX;
    SuperficieDisegno* PictValY;
    QFrame* Shape1;
    QFrame* Shape2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    // The readout boxes Text1, Text2, DiffX1 ... DiffY come from CaselleGrafico.

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    void CreaControlli();
    void Form_Resize();
    void DisegnaGrafico();
    void DisegnaZoom();
    void Ridisegna();
    void CancellaGrafico();
    // The plot and its strips; the readout and difference boxes beside them,
    // each column as wide as its text needs.
    void DisponiGrafico();
    void AllargaValY(double yDa, double yA);
    void DisponiCaselle();
    std::array<QLineEdit*, 8> Caselle() const;
    // The width a box needs to show its whole text.
    int Necessaria(const QLineEdit& e);
    void CasellaCambiata(size_t i);
    void MostraInizio(QLineEdit& e, int necessaria);
    void Picture1_MouseMove(double X, double Y);
    void Picture1_MouseDown(Qt::MouseButton pulsante, double X, double Y);
    void AbilitaPulsanti(bool tracciatore, bool zoom, bool cancella);
    void ConsolidaSuperfici();
    ContestoGrafico Contesto();
    bool Minimizzata() const;

    StatoGrafico& grafico_;
    const StatoProgramma& programma_;
    Dialoghi* dialoghi_;  // the frame's dialog seam; the graph itself asks nothing yet
    std::unique_ptr<StrumentiGrafico> strumenti_;
    bool caricato_ = false;
    double dpi_ = 96.0;
    double larghezzaGrafico_ = 0.0;  // the plot's size as designed, twips
    double altezzaGrafico_ = 0.0;
    int allargamentoValY_ = 0;  // pixels the Y strip takes from the plot for its labels
    QStringList etichetteValY_;  // the labels that width is for
    int intorno_ = 0;  // what a box puts around its text, pixels
    MisuraTesto misuraCaselle_{QFont()};  // the boxes' font
    std::array<int, 8> necessarie_{};  // what each box needs, in the order of Caselle
};
