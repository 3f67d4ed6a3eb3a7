#include "StampanteQt.h"

#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>

namespace {

ErroreStampa Errore(const QString& testo)
{
    return ErroreStampa(testo.toStdString());
}

} // namespace

StampanteQt::StampanteQt(QPagedPaintDevice& dispositivo) : dispositivo_(dispositivo)
{
}

StampanteQt::~StampanteQt()
{
    if (pittore_.isActive()) {
        if (auto* stampante = dynamic_cast<QPrinter*>(&dispositivo_))
            stampante->abort();
        pittore_.end();
    }
}

// The device's resolution is its logical DPI: a QPrinter's resolution(), a
// QPdfWriter's too, and its width and height are the printable area's.
double StampanteQt::Twips(double pixel) const
{
    return pixel * 1440.0 / dispositivo_.logicalDpiY();
}

double StampanteQt::Pixel(double twips) const
{
    return twips * dispositivo_.logicalDpiY() / 1440.0;
}

double StampanteQt::LarghezzaStampabileTwips() const
{
    return Twips(dispositivo_.width());
}

double StampanteQt::AltezzaStampabileTwips() const
{
    return Twips(dispositivo_.height());
}

void StampanteQt::ImpostaCarattere(const QString& nome, double punti)
{
    carattere_ = QFont(nome);
    carattere_.setPointSizeF(punti);
    if (pittore_.isActive())
        pittore_.setFont(carattere_);
}

double StampanteQt::LarghezzaTestoTwips(const QString& testo) const
{
    return Twips(QFontMetricsF(carattere_, &dispositivo_).horizontalAdvance(testo));
}

double StampanteQt::LarghezzaMediaCarattereTwips() const
{
    return Twips(QFontMetricsF(carattere_, &dispositivo_).averageCharWidth());
}

double StampanteQt::AltezzaRigaTwips() const
{
    return Twips(QFontMetricsF(carattere_, &dispositivo_).lineSpacing());
}

void StampanteQt::Avvia()
{
    if (pittore_.isActive())
        return;
    if (!pittore_.begin(&dispositivo_)) {
        const auto* stampante = dynamic_cast<const QPrinter*>(&dispositivo_);
        if (!stampante)
            throw Errore(QStringLiteral("Impossibile avviare la stampa."));
        const QString file = stampante->outputFileName();
        throw Errore(file.isEmpty()
                         ? QStringLiteral("Impossibile avviare la stampa su \"%1\".").arg(stampante->printerName())
                         : QStringLiteral("Impossibile creare il file \"%1\".").arg(QDir::toNativeSeparators(file)));
    }
    pittore_.setFont(carattere_);
}

void StampanteQt::ScriviTesto(double xTwips, double yTwips, const QString& testo)
{
    Avvia();
    const double ascesa = QFontMetricsF(carattere_, &dispositivo_).ascent();
    pittore_.drawText(QPointF(Pixel(xTwips), Pixel(yTwips) + ascesa), testo);
}

void StampanteQt::NuovaPagina()
{
    Avvia();
    if (!dispositivo_.newPage())
        throw Errore(QStringLiteral("La stampa si è interrotta: la stampante non accetta una nuova pagina."));
}

void StampanteQt::FineDocumento()
{
    const auto* stampante = dynamic_cast<const QPrinter*>(&dispositivo_);
    if (pittore_.isActive() && (!pittore_.end() || (stampante && stampante->printerState() == QPrinter::Error)))
        throw Errore(QStringLiteral("La stampa non è stata completata."));
}

void StampanteQt::DipingiImmagine(const QImage& immagine, const QRectF& twips)
{
    Avvia();
    // Smooth scaling: a plot scaled down keeps its thin lines and labels legible.
    pittore_.setRenderHint(QPainter::SmoothPixmapTransform);
    pittore_.drawImage(QRectF(Pixel(twips.x()), Pixel(twips.y()), Pixel(twips.width()), Pixel(twips.height())),
                       immagine);
}
