#pragma once

#include "ElencoDisegno.h"
#include "MappaScala.h"

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QString>
#include <QWidget>

#include <span>
#include <vector>

// A drawing surface of the graph window: a user coordinate system given by
// one map per axis, a committed picture and the current drawing on top of
// it. Clear goes back to the committed picture, commit makes the current
// drawing the committed picture, erase removes both. Positions are user
// coordinates throughout; mouse positions are reported in them too.
//
// The keyboard stands in for the mouse: the arrow keys move a cursor one
// pixel (ten with Shift) and report it as a mouse move, then as a keyboard
// move; Enter reports a left press there; Esc asks to leave the tool.
//
// The pictures are held at the screen's device pixel ratio and lines are not
// antialiased, so lines stay one logical pixel wide and sharp on any screen.
class SuperficieDisegno : public QWidget {
    Q_OBJECT
public:
    enum class StileLinea { Continuo, Tratteggiato };
    // A text drawn, with its place in logical pixels.
    using TestoDisegnato = ElencoDisegno::Testo;

    // sfondo: the palette role whose colour an erased surface shows.
    explicit SuperficieDisegno(QPalette::ColorRole sfondo, QWidget* parent = nullptr);

    void Scala(const MappaScala& x, const MappaScala& y);
    // The user system on the surface's present size.
    MappaScala MappaX() const { return x_.SuDispositivo(width()); }
    MappaScala MappaY() const { return y_.SuDispositivo(height()); }
    QPointF VersoDispositivo(double x, double y) const;
    QPointF VersoUtente(QPointF dispositivo) const;

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
    // A circle whose radius is this share of the surface's width, filled as
    // the fill settings say.
    void Cerchio(double x, double y, double quotaLarghezza, const QColor& contorno);
    // Text with its top-left corner at the current point, then a line end:
    // the current point moves to the left edge, one text line lower. Inside:
    // a text that would pass an edge is moved back onto the surface.
    void Stampa(const QString& testo, bool dentro = false);
    QSizeF DimensioneTesto(const QString& testo) const;

    void Pulisci();
    void Consolida();
    void Cancella();

    // What the surface shows now (brought to its present size first), and its
    // committed picture (null once erased).
    QImage Immagine();
    QImage Sfondo() const { return sfondo_; }
    QColor ColoreSfondo() const { return coloreSfondo_; }
    // The texts of what the surface shows now that fall on it.
    const std::vector<TestoDisegnato>& Testi() const { return elenco_.Testi(); }
    // The committed picture again, drawn anew on p at its origin, at the
    // surface's size: lines, circles and texts stay what they are, so that a
    // vector device keeps them sharp.
    void Dipingi(QPainter& p) const;

    // The plot only answers the mouse and the keys between a drawing and
    // the next erase. It stays enabled, so that it keeps the focus.
    void AbilitaMouse(bool abilita) { mouse_ = abilita; }
    bool MouseAbilitato() const { return mouse_; }

signals:
    void MouseMove(Qt::MouseButtons pulsanti, Qt::KeyboardModifiers tasti, double x, double y);
    void MouseDown(Qt::MouseButton pulsante, Qt::KeyboardModifiers tasti, double x, double y);
    void CursoreTastiera(double x, double y);
    void Esci();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    void AdattaImmagini();
    // Draws device-space segments (already clipped) as runs of connected lines.
    void DisegnaSegmenti(const std::vector<std::vector<QPointF>>& tratti, const QColor& colore);
    // Notes what a drawing changed, in logical pixels, so that a clear restores only that.
    void Sporca(const QRectF& logico);

    MappaScala x_{0.0, 1.0};
    MappaScala y_{0.0, 1.0};
    QColor coloreSfondo_;
    QImage sfondo_;
    QImage corrente_;
    std::vector<QRect> sporchi_;  // device pixels changed since the last clear or commit
    bool tuttoSporco_ = false;
    ElencoDisegno elenco_;  // what the pixels show, as drawn
    bool mouse_ = true;
    QPointF cursore_{-1.0, -1.0};  // the keyboard's cursor, logical pixels; negative: not placed yet
};
