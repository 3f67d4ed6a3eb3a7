#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstddef>
#include <span>
#include <variant>
#include <vector>

class QPainter;

// What a drawing surface drew since its last erase: polylines, circles and
// texts in the surface's logical pixels, in order. Kept beside the pixels so
// that the same picture can be painted again on any device, vector files
// included. A clear drops what came after the last commit.
class ElencoDisegno {
public:
    struct Testo {
        QString testo;
        QRectF area;  // where it stands
        QPointF base;  // the start of its baseline
        QFont carattere;
        double pixel = 0.0;  // the font's size in logical pixels
        QColor colore;
    };

    // How a surface strokes its lines.
    static QPen PennaLinee(const QColor& colore, bool tratteggiata);

    void Spezzata(std::span<const QPointF> vertici, const QColor& colore, bool tratteggiata);
    void Cerchio(QPointF centro, double raggio, const QColor& contorno, const QBrush& riempimento);
    void Scrivi(Testo testo);

    void Consolida();
    void Pulisci();
    void Cancella();

    // The texts drawn since the last erase.
    const std::vector<Testo>& Testi() const { return testi_; }

    // The committed drawing on p, the surface's top-left corner at p's origin,
    // cut to the surface's size.
    void Dipingi(QPainter& p, QSizeF superficie) const;

private:
    struct Linee {
        QColor colore;
        bool tratteggiate;
        size_t inizio;  // the vertices in punti_
        size_t numero;
    };
    struct Disco {
        QPointF centro;
        double raggio;
        QColor contorno;
        QBrush riempimento;
    };
    using Elemento = std::variant<Linee, Disco, size_t>;  // size_t: a text of testi_
    struct Quanti {
        size_t elementi = 0;
        size_t punti = 0;
        size_t testi = 0;
    };

    std::vector<Elemento> elementi_;
    std::vector<QPointF> punti_;
    std::vector<Testo> testi_;
    Quanti consolidati_;
};
