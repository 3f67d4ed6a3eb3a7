#pragma once

#include "MappaScala.h"

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <span>
#include <vector>

// A drawing surface of the graph window: a user coordinate system given by
// its four edge values, a committed picture and the current drawing on top of
// it. Clear goes back to the committed picture, commit makes the current
// drawing the committed picture, erase removes both. Positions are user
// coordinates throughout; mouse positions are reported in them too.
//
// The pictures are held at the screen's device pixel ratio and lines are not
// antialiased, so lines stay one logical pixel wide and sharp on any screen.
class SuperficieDisegno : public QWidget {
    Q_OBJECT
public:
    enum class StileLinea { Continuo, Tratteggiato };

    // sfondo: the palette role whose colour an erased surface shows.
    explicit SuperficieDisegno(QPalette::ColorRole sfondo, QWidget* parent = nullptr);

    void Scala(double sinistra, double alto, double destra, double basso);
    // The user system on the surface's present size.
    MappaScala Mappa() const;
    double LarghezzaScala() const { return destra_ - sinistra_; }

    QColor ColoreDisegno = Qt::black;
    QColor ColoreRiempimento = Qt::black;
    bool RiempimentoPieno = false;
    StileLinea Stile = StileLinea::Continuo;
    double CorrenteX = 0.0;
    double CorrenteY = 0.0;

    // A line from a point; its end becomes the current point.
    void Linea(double x1, double y1, double x2, double y2);
    // A line from the current point.
    void LineaA(double x, double y);
    // Lines from the current point through each vertex in turn. A vertex whose
    // Y is not finite is left out and breaks the line: the next one starts afresh.
    void Spezzata(std::span<const QPointF> vertici);
    // The outline of the rectangle with these opposite corners.
    void Rettangolo(double x1, double y1, double x2, double y2);
    // A circle whose radius is measured along X, filled as the fill settings say.
    void Cerchio(double x, double y, double raggio, const QColor& contorno);
    // Text with its top-left corner at the current point, then a line end:
    // the current point moves to the left edge, one text line lower.
    void Stampa(const QString& testo);

    void Pulisci();
    void Consolida();
    void Cancella();

    // What the surface shows now (brought to its present size first), and its
    // committed picture (null once erased).
    QImage Immagine();
    QImage Sfondo() const { return sfondo_; }
    QColor ColoreSfondo() const { return coloreSfondo_; }

    // The plot only answers the mouse between a drawing and the next erase.
    void AbilitaMouse(bool abilita) { setEnabled(abilita); }
    bool MouseAbilitato() const { return isEnabled(); }

signals:
    void MouseMove(Qt::MouseButtons pulsanti, Qt::KeyboardModifiers tasti, float x, float y);
    void MouseDown(Qt::MouseButton pulsante, Qt::KeyboardModifiers tasti, float x, float y);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

private:
    void AdattaImmagini();
    QPen Penna(const QColor& colore) const;
    // Draws device-space segments (already clipped) as runs of connected lines.
    void DisegnaSegmenti(const std::vector<std::vector<QPointF>>& tratti, const QColor& colore);
    // Notes what a drawing changed, in logical pixels, so that a clear restores only that.
    void Sporca(const QRectF& logico);
    QPointF Utente(QPointF dispositivo) const;

    double sinistra_ = 0.0, alto_ = 0.0, destra_ = 1.0, basso_ = 1.0;
    QColor coloreSfondo_;
    QImage sfondo_;
    QImage corrente_;
    std::vector<QRect> sporchi_;  // device pixels changed since the last clear or commit
    bool tuttoSporco_ = false;
};
