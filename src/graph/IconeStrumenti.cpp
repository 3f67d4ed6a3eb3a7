#include "IconeStrumenti.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

using Disegno = void (*)(QPainter&);

// Each picture is drawn on a 16 by 16 grid; the engine scales it.

void Cancella(QPainter& p)
{
    p.setPen(QPen(QColor(70, 70, 70), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setPen(QPen(QColor(200, 30, 30), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.5, 5.5), QPointF(11.5, 11.5));
    p.drawLine(QPointF(11.5, 5.5), QPointF(4.5, 11.5));
}

void Tracciatore(QPainter& p)
{
    p.setPen(QPen(QColor(30, 60, 150), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 8), 4.5, 4.5);
    p.drawLine(QPointF(8, 0.5), QPointF(8, 15.5));
    p.drawLine(QPointF(0.5, 8), QPointF(15.5, 8));
    p.setBrush(QColor(200, 30, 30));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(8, 8), 1.5, 1.5);
}

void Disegna(QPainter& p)
{
    p.setPen(QPen(QColor(70, 70, 70), 1.0));
    p.drawLine(QPointF(1.5, 14.5), QPointF(15, 14.5));
    p.drawLine(QPointF(1.5, 14.5), QPointF(1.5, 1));
    QPainterPath curva(QPointF(2.5, 12.5));
    curva.cubicTo(QPointF(6, 2), QPointF(10, 2), QPointF(14.5, 10));
    p.setPen(QPen(QColor(30, 60, 150), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curva);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    for (const QPointF c : {QPointF(4, 9), QPointF(8, 4.5), QPointF(12.5, 7)})
        p.drawEllipse(c, 1.5, 1.5);
}

void ZoomArea(QPainter& p)
{
    p.setPen(QPen(QColor(70, 70, 70), 1.0, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 10, 8));
    p.setPen(QPen(QColor(30, 60, 150), 1.5));
    p.setBrush(QColor(220, 235, 255));
    p.drawEllipse(QPointF(9, 8), 4, 4);
    p.setPen(QPen(QColor(30, 60, 150), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 11), QPointF(15, 14.5));
}

void AggiungiParticolari(QPainter& p)
{
    p.setPen(QPen(QColor(40, 140, 40), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 3), QPointF(8, 13));
    p.drawLine(QPointF(3, 8), QPointF(13, 8));
}

void Differenza(QPainter& p)
{
    p.setPen(QPen(QColor(200, 30, 30), 1.0));
    p.drawLine(QPointF(4.5, 1), QPointF(4.5, 15));
    p.setPen(QPen(QColor(30, 150, 30), 1.0));
    p.drawLine(QPointF(11.5, 1), QPointF(11.5, 15));
    p.setPen(QPen(QColor(70, 70, 70), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({QPointF(8, 4.5), QPointF(11.5, 11.5), QPointF(4.5, 11.5)}));
}

void Griglia(QPainter& p)
{
    p.setPen(QPen(QColor(70, 70, 70), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(QColor(70, 70, 70), 1.0, Qt::DotLine));
    for (double v : {5.5, 10.5}) {
        p.drawLine(QPointF(v, 1.5), QPointF(v, 14.5));
        p.drawLine(QPointF(1.5, v), QPointF(14.5, v));
    }
}

class IconaDisegnata : public QIconEngine {
public:
    explicit IconaDisegnata(Disegno disegno) : disegno_(disegno) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QImage img(size, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(size.width() / 16.0, size.height() / 16.0);
            disegno_(p);
        }
        if (mode == QIcon::Disabled) {
            // Grey and faded, as the toolkit shows a disabled button.
            for (int y = 0; y < img.height(); ++y) {
                QRgb* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
                for (int x = 0; x < img.width(); ++x) {
                    const int a = qAlpha(riga[x]) / 2;
                    const int g = qGray(riga[x]) / 2;
                    riga[x] = qRgba(g, g, g, a);
                }
            }
        }
        return QPixmap::fromImage(img);
    }

    QIconEngine* clone() const override { return new IconaDisegnata(disegno_); }
    QString key() const override { return QStringLiteral("IconaDisegnata"); }

private:
    Disegno disegno_;
};

}  // namespace

QIcon IconaStrumento(const QString& chiave)
{
    static const std::pair<const char*, Disegno> disegni[] = {
        {"Cancella", Cancella},     {"Tracciatore", Tracciatore},
        {"Disegna", Disegna},       {"ZoomArea", ZoomArea},
        {"AggiungiParticolari", AggiungiParticolari},
        {"Differenza", Differenza}, {"Griglia", Griglia},
    };
    for (const auto& [nome, disegno] : disegni)
        if (chiave == QLatin1String(nome))
            return QIcon(new IconaDisegnata(disegno));
    return {};
}
