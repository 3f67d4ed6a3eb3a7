#include "ElencoDisegno.h"

#include "Ritaglio.h"

#include <QFontInfo>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// The polyline, cut to the rectangle when one is given.
void DisegnaLinee(QPainter& p, std::span<const QPointF> v, const QRectF* taglio)
{
    if (!taglio) {
        p.drawPolyline(v.data(), static_cast<int>(v.size()));
        return;
    }
    std::vector<QPointF> tratto;
    auto chiudi = [&] {
        if (tratto.size() >= 2)
            p.drawPolyline(tratto.data(), static_cast<int>(tratto.size()));
        tratto.clear();
    };
    for (size_t i = 1; i < v.size(); ++i) {
        QPointF a = v[i - 1];
        QPointF b = v[i];
        if (!Ritaglia(a, b, *taglio)) {
            chiudi();
            continue;
        }
        if (tratto.empty() || tratto.back() != a) {
            chiudi();
            tratto.push_back(a);
        }
        tratto.push_back(b);
    }
    chiudi();
}

}  // namespace

QPen ElencoDisegno::PennaLinee(const QColor& colore, bool tratteggiata)
{
    return QPen(colore, 1.0, tratteggiata ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

void ElencoDisegno::Spezzata(std::span<const QPointF> vertici, const QColor& colore, bool tratteggiata)
{
    elementi_.emplace_back(Linee{colore, tratteggiata, punti_.size(), vertici.size()});
    punti_.insert(punti_.end(), vertici.begin(), vertici.end());
}

void ElencoDisegno::Cerchio(QPointF centro, double raggio, const QColor& contorno, const QBrush& riempimento)
{
    elementi_.emplace_back(Disco{centro, raggio, contorno, riempimento});
}

void ElencoDisegno::Scrivi(Testo testo)
{
    elementi_.emplace_back(testi_.size());
    testi_.push_back(std::move(testo));
}

void ElencoDisegno::Consolida()
{
    consolidati_ = {elementi_.size(), punti_.size(), testi_.size()};
}

void ElencoDisegno::Pulisci()
{
    elementi_.resize(consolidati_.elementi);
    punti_.resize(consolidati_.punti);
    testi_.resize(consolidati_.testi);
}

void ElencoDisegno::Cancella()
{
    elementi_.clear();
    punti_.clear();
    testi_.clear();
    consolidati_ = {};
}

void ElencoDisegno::Dipingi(QPainter& p, QSizeF superficie) const
{
    const QRectF area(QPointF(0.0, 0.0), superficie);
    const QPaintEngine::Type motore = p.paintEngine() ? p.paintEngine()->type() : QPaintEngine::Raster;
    // Pixels take a line on whole coordinates to their right and below: a
    // vector device gets it there too, so that an axis on the edge stays whole.
    const QPointF mezzo = motore == QPaintEngine::Raster ? QPointF() : QPointF(0.5, 0.5);
    // Qt's SVG generator leaves clipping out: there the lines and circles are cut here.
    const bool svg = motore == QPaintEngine::SVG;
    const QRectF areaLinee = area.translated(-mezzo);
    const double dpi = p.device() ? p.device()->logicalDpiY() : 96.0;
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    for (size_t i = 0; i < consolidati_.elementi; ++i) {
        const Elemento& e = elementi_[i];
        if (const auto* l = std::get_if<Linee>(&e)) {
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(PennaLinee(l->colore, l->tratteggiate));
            p.setBrush(Qt::NoBrush);
            p.translate(mezzo);
            DisegnaLinee(p, std::span<const QPointF>(punti_).subspan(l->inizio, l->numero), svg ? &areaLinee : nullptr);
            p.translate(-mezzo);
        } else if (const auto* d = std::get_if<Disco>(&e)) {
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(QPen(d->contorno, 1.0));
            p.setBrush(d->riempimento);
            const QRectF quadrato(d->centro.x() - d->raggio, d->centro.y() - d->raggio, 2 * d->raggio, 2 * d->raggio);
            if (svg && !area.contains(quadrato)) {
                QPainterPath cerchio;
                cerchio.addEllipse(quadrato);
                QPainterPath dentro;
                dentro.addRect(area);
                p.drawPath(cerchio.intersected(dentro));
            } else {
                p.drawEllipse(d->centro, d->raggio, d->raggio);
            }
        } else {
            const Testo& t = testi_[std::get<size_t>(e)];
            // The size the text had on its surface, on a device of any resolution;
            // the family by its name, so that a vector file names a font that exists.
            QFont carattere = t.carattere;
            carattere.setFamily(QFontInfo(t.carattere).family());
            carattere.setPointSizeF(t.pixel * 72.0 / dpi);
            p.setFont(carattere);
            p.setPen(t.colore);
            p.drawText(t.base, t.testo);
        }
    }
    p.restore();
}
