#include "SuperficieDisegno.h"

#include "Ritaglio.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Drawing far outside the surface is cut first: the painter works in fixed
// point and a curve can shoot off to astronomic heights.
constexpr double MargineTaglio = 4.0;
// Past this many changed regions a clear simply restores the whole picture.
constexpr size_t MassimoRegioni = 64;

bool Finito(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

QImage NuovaImmagine(QSize dispositivo, qreal rapporto, const QColor& colore)
{
    QImage img(dispositivo.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    img.setDevicePixelRatio(rapporto);
    img.fill(colore);
    return img;
}

// Copies one device rectangle between two pictures of the same size and format.
void CopiaRegione(const QImage& da, QImage& a, const QRect& r)
{
    const size_t byte = static_cast<size_t>(r.width()) * 4;
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memcpy(a.scanLine(y) + static_cast<size_t>(r.left()) * 4,
                    da.constScanLine(y) + static_cast<size_t>(r.left()) * 4, byte);
}

}  // namespace

SuperficieDisegno::SuperficieDisegno(QPalette::ColorRole sfondo, QWidget* parent)
    : QWidget(parent), coloreSfondo_(palette().color(QPalette::Active, sfondo))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    AdattaImmagini();
}

void SuperficieDisegno::Scala(const MappaScala& x, const MappaScala& y)
{
    x_ = x;
    y_ = y;
}

QPointF SuperficieDisegno::VersoDispositivo(double x, double y) const
{
    return {MappaX().VersoDispositivo(x), MappaY().VersoDispositivo(y)};
}

QPointF SuperficieDisegno::VersoUtente(QPointF dispositivo) const
{
    return {MappaX().VersoValore(dispositivo.x()), MappaY().VersoValore(dispositivo.y())};
}

void SuperficieDisegno::AdattaImmagini()
{
    const qreal rapporto = devicePixelRatioF();
    const QSize dispositivo = (QSizeF(size()) * rapporto).toSize().expandedTo(QSize(1, 1));
    if (!corrente_.isNull() && corrente_.size() == dispositivo && corrente_.devicePixelRatio() == rapporto)
        return;
    // A resized surface keeps what it shows at the top-left corner.
    auto adatta = [&](const QImage& vecchia) {
        QImage nuova = NuovaImmagine(dispositivo, rapporto, coloreSfondo_);
        if (!vecchia.isNull()) {
            QPainter p(&nuova);
            p.drawImage(QPointF(0, 0), vecchia);
        }
        return nuova;
    };
    corrente_ = adatta(corrente_);
    if (!sfondo_.isNull())
        sfondo_ = adatta(sfondo_);
    sporchi_.clear();
    tuttoSporco_ = true;
    update();
}

void SuperficieDisegno::Sporca(const QRectF& logico)
{
    const QRectF esteso = logico.adjusted(-2.0, -2.0, 2.0, 2.0);
    update(esteso.toAlignedRect());
    if (tuttoSporco_)
        return;
    if (sporchi_.size() >= MassimoRegioni) {
        tuttoSporco_ = true;
        sporchi_.clear();
        return;
    }
    const qreal rapporto = corrente_.devicePixelRatio();
    const QRectF dispositivo(esteso.topLeft() * rapporto, esteso.size() * rapporto);
    const QRect r = dispositivo.toAlignedRect() & corrente_.rect();
    if (!r.isEmpty())
        sporchi_.push_back(r);
}

void SuperficieDisegno::DisegnaSegmenti(const std::vector<std::vector<QPointF>>& tratti,
                                        const QColor& colore)
{
    if (tratti.empty())
        return;
    const bool tratteggiate = Stile == StileLinea::Tratteggiato;
    QPainter p(&corrente_);
    p.setPen(ElencoDisegno::PennaLinee(colore, tratteggiate));
    for (const std::vector<QPointF>& t : tratti) {
        p.drawPolyline(t.data(), static_cast<int>(t.size()));
        elenco_.Spezzata(t, colore, tratteggiate);
        double x0 = t.front().x(), x1 = x0, y0 = t.front().y(), y1 = y0;
        for (const QPointF& q : t) {
            x0 = std::min(x0, q.x());
            x1 = std::max(x1, q.x());
            y0 = std::min(y0, q.y());
            y1 = std::max(y1, q.y());
        }
        Sporca(QRectF(QPointF(x0, y0), QPointF(x1, y1)));
    }
}

void SuperficieDisegno::Spezzata(std::span<const QPointF> vertici)
{
    AdattaImmagini();
    const MappaScala mx = MappaX();
    const MappaScala my = MappaY();
    auto dispositivo = [&](double x, double y) { return QPointF(mx.VersoDispositivo(x), my.VersoDispositivo(y)); };
    const QRectF limite = QRectF(QPointF(0, 0), QSizeF(size())).adjusted(-MargineTaglio, -MargineTaglio,
                                                                         MargineTaglio, MargineTaglio);
    const qreal rapporto = corrente_.devicePixelRatio();
    auto pixel = [rapporto](QPointF q) { return (q * rapporto).toPoint(); };

    std::vector<std::vector<QPointF>> tratti;
    std::vector<QPointF> tratto;
    auto chiudi = [&] {
        if (tratto.size() >= 2)
            tratti.push_back(std::move(tratto));
        tratto.clear();
    };
    QPointF precedente = dispositivo(CorrenteX, CorrenteY);
    bool valido = std::isfinite(CorrenteY) && Finito(precedente);
    for (const QPointF& v : vertici) {
        const QPointF d = dispositivo(v.x(), v.y());
        const bool ok = std::isfinite(v.y()) && Finito(d);
        if (ok && valido) {
            QPointF a = precedente;
            QPointF b = d;
            if (Ritaglia(a, b, limite)) {
                if (tratto.empty() || tratto.back() != a) {
                    chiudi();
                    tratto.push_back(a);
                }
                // Vertices that stay on one device pixel add nothing but work.
                if (tratto.size() >= 2 && pixel(tratto.back()) == pixel(b))
                    tratto.back() = b;
                else
                    tratto.push_back(b);
            } else {
                chiudi();
            }
        } else if (!ok) {
            chiudi();
        }
        precedente = d;
        valido = ok;
        CorrenteX = v.x();
        CorrenteY = v.y();
    }
    chiudi();
    DisegnaSegmenti(tratti, ColoreDisegno);
}

void SuperficieDisegno::LineaA(double x, double y)
{
    const QPointF v(x, y);
    Spezzata(std::span<const QPointF>(&v, 1));
}

void SuperficieDisegno::Linea(double x1, double y1, double x2, double y2)
{
    CorrenteX = x1;
    CorrenteY = y1;
    LineaA(x2, y2);
}

void SuperficieDisegno::Rettangolo(double x1, double y1, double x2, double y2)
{
    CorrenteX = x1;
    CorrenteY = y1;
    const QPointF lati[] = {{x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}};
    Spezzata(lati);
    CorrenteX = x2;
    CorrenteY = y2;
}

void SuperficieDisegno::Cerchio(double x, double y, double quotaLarghezza, const QColor& contorno)
{
    AdattaImmagini();
    const QPointF c = VersoDispositivo(x, y);
    const double r = std::abs(quotaLarghezza) * width();
    CorrenteX = x;
    CorrenteY = y;
    const QRectF area(c.x() - r, c.y() - r, 2 * r, 2 * r);
    if (!Finito(c) || !std::isfinite(r) || !area.intersects(QRectF(rect())))
        return;
    QPainter p(&corrente_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(contorno, 1.0));
    const QBrush riempimento = RiempimentoPieno ? QBrush(ColoreRiempimento) : QBrush(Qt::NoBrush);
    p.setBrush(riempimento);
    p.drawEllipse(c, r, r);
    Sporca(area);
    elenco_.Cerchio(c, r, contorno, riempimento);
}

void SuperficieDisegno::Stampa(const QString& testo, bool dentro)
{
    AdattaImmagini();
    QPointF posizione = VersoDispositivo(CorrenteX, CorrenteY);
    const QFontMetricsF metriche(font());
    const QSizeF dimensione = DimensioneTesto(testo);
    if (dentro && Finito(posizione))
        posizione = QPointF(std::max(0.0, std::min(posizione.x(), width() - dimensione.width())),
                            std::max(0.0, std::min(posizione.y(), height() - dimensione.height())));
    const QRectF area(posizione, dimensione);
    if (Finito(posizione) && area.intersects(QRectF(rect()))) {
        QPainter p(&corrente_);
        p.setFont(font());
        p.setPen(ColoreDisegno);
        const QPointF base(posizione.x(), posizione.y() + metriche.ascent());
        p.drawText(base, testo);
        Sporca(area);
        const QFont f = font();
        const double pixel = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * logicalDpiY() / 72.0;
        elenco_.Scrivi({testo, area, base, f, pixel, ColoreDisegno});
    }
    CorrenteX = x_.Inizio();
    if (Finito(posizione))
        CorrenteY = MappaY().VersoValore(posizione.y() + metriche.height());
}

QSizeF SuperficieDisegno::DimensioneTesto(const QString& testo) const
{
    const QFontMetricsF metriche(font());
    return {metriche.horizontalAdvance(testo), metriche.height()};
}

void SuperficieDisegno::Pulisci()
{
    AdattaImmagini();
    if (tuttoSporco_) {
        if (sfondo_.isNull())
            corrente_.fill(coloreSfondo_);
        else
            corrente_ = sfondo_;
        update();
    } else {
        const qreal rapporto = corrente_.devicePixelRatio();
        for (const QRect& r : sporchi_) {
            const QRectF logico(QPointF(r.topLeft()) / rapporto, QSizeF(r.size()) / rapporto);
            if (sfondo_.isNull()) {
                const QRgb colore = coloreSfondo_.rgb();
                for (int y = r.top(); y <= r.bottom(); ++y) {
                    QRgb* riga = reinterpret_cast<QRgb*>(corrente_.scanLine(y));
                    std::fill(riga + r.left(), riga + r.right() + 1, colore);
                }
            } else {
                CopiaRegione(sfondo_, corrente_, r);
            }
            update(logico.toAlignedRect());
        }
    }
    sporchi_.clear();
    tuttoSporco_ = false;
    elenco_.Pulisci();
}

void SuperficieDisegno::Consolida()
{
    AdattaImmagini();
    sfondo_ = corrente_;
    sporchi_.clear();
    tuttoSporco_ = false;
    elenco_.Consolida();
}

void SuperficieDisegno::Cancella()
{
    AdattaImmagini();
    sfondo_ = QImage();
    corrente_.fill(coloreSfondo_);
    sporchi_.clear();
    tuttoSporco_ = false;
    elenco_.Cancella();
    update();
}

QImage SuperficieDisegno::Immagine()
{
    AdattaImmagini();
    return corrente_;
}

void SuperficieDisegno::Dipingi(QPainter& p) const
{
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(size())), coloreSfondo_);
    elenco_.Dipingi(p, QSizeF(size()));
}

void SuperficieDisegno::paintEvent(QPaintEvent* evento)
{
    AdattaImmagini();
    QPainter p(this);
    p.setClipRegion(evento->region());
    p.drawImage(QPointF(0, 0), corrente_);
    // On screen only, never in the pictures: where the keyboard is.
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1.0, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void SuperficieDisegno::focusInEvent(QFocusEvent* evento)
{
    QWidget::focusInEvent(evento);
    update();
}

void SuperficieDisegno::focusOutEvent(QFocusEvent* evento)
{
    QWidget::focusOutEvent(evento);
    update();
}

void SuperficieDisegno::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    AdattaImmagini();
}

void SuperficieDisegno::mouseMoveEvent(QMouseEvent* evento)
{
    if (!mouse_)
        return;
    cursore_ = evento->position();
    const QPointF u = VersoUtente(cursore_);
    emit MouseMove(evento->buttons(), evento->modifiers(), u.x(), u.y());
}

void SuperficieDisegno::mousePressEvent(QMouseEvent* evento)
{
    if (!mouse_)
        return;
    cursore_ = evento->position();
    const QPointF u = VersoUtente(cursore_);
    emit MouseDown(evento->button(), evento->modifiers(), u.x(), u.y());
}

void SuperficieDisegno::keyPressEvent(QKeyEvent* evento)
{
    if (evento->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) {
        QWidget::keyPressEvent(evento);
        return;
    }
    const int passo = evento->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPointF spostamento;
    switch (evento->key()) {
    case Qt::Key_Left: spostamento = {-1.0 * passo, 0.0}; break;
    case Qt::Key_Right: spostamento = {1.0 * passo, 0.0}; break;
    case Qt::Key_Up: spostamento = {0.0, -1.0 * passo}; break;
    case Qt::Key_Down: spostamento = {0.0, 1.0 * passo}; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: break;
    default: QWidget::keyPressEvent(evento); return;
    }
    if (!mouse_)
        return;
    if (evento->key() == Qt::Key_Escape) {
        emit Esci();
        return;
    }
    // The cursor starts where the mouse was last, or in the middle, and stays on the surface.
    if (!rect().contains(cursore_.toPoint()))
        cursore_ = QPointF(width() / 2, height() / 2);
    cursore_ = QPointF(std::clamp(cursore_.x() + spostamento.x(), 0.0, std::max(0.0, width() - 1.0)),
                       std::clamp(cursore_.y() + spostamento.y(), 0.0, std::max(0.0, height() - 1.0)));
    const QPointF u = VersoUtente(cursore_);
    if (spostamento.isNull()) {
        emit MouseDown(Qt::LeftButton, evento->modifiers(), u.x(), u.y());
    } else {
        emit MouseMove(Qt::NoButton, evento->modifiers(), u.x(), u.y());
        emit CursoreTastiera(u.x(), u.y());
    }
}
