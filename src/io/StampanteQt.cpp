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

StampanteQt::StampanteQt(QPrinter& stampante, bool unDocumento)
    : stampante_(stampante), unDocumento_(unDocumento)
{
}

StampanteQt::~StampanteQt()
{
    if (pittore_.isActive()) {
        stampante_.abort();
        pittore_.end();
    }
}

double StampanteQt::Twips(double pixel) const
{
    return pixel * 1440.0 / stampante_.resolution();
}

double StampanteQt::Pixel(double twips) const
{
    return twips * stampante_.resolution() / 1440.0;
}

double StampanteQt::LarghezzaStampabileTwips() const
{
    return Twips(stampante_.pageRect(QPrinter::DevicePixel).width());
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
    return Twips(QFontMetricsF(carattere_, &stampante_).horizontalAdvance(testo));
}

double StampanteQt::LarghezzaMediaCarattereTwips() const
{
    return Twips(QFontMetricsF(carattere_, &stampante_).averageCharWidth());
}

double StampanteQt::AltezzaRigaTwips() const
{
    return Twips(QFontMetricsF(carattere_, &stampante_).lineSpacing());
}

void StampanteQt::Avvia()
{
    if (!pittore_.isActive()) {
        if (!pittore_.begin(&stampante_)) {
            const QString file = stampante_.outputFileName();
            throw Errore(file.isEmpty()
                             ? QStringLiteral("Impossibile avviare la stampa su \"%1\".").arg(stampante_.printerName())
                             : QStringLiteral("Impossibile creare il file \"%1\".").arg(QDir::toNativeSeparators(file)));
        }
        pittore_.setFont(carattere_);
    } else if (paginaDaAprire_) {
        paginaDaAprire_ = false;
        NuovaPagina();
    }
}

void StampanteQt::ScriviTesto(double xTwips, double yTwips, const QString& testo)
{
    Avvia();
    const double ascesa = QFontMetricsF(carattere_, &stampante_).ascent();
    pittore_.drawText(QPointF(Pixel(xTwips), Pixel(yTwips) + ascesa), testo);
}

void StampanteQt::NuovaPagina()
{
    Avvia();
    if (!stampante_.newPage())
        throw Errore(QStringLiteral("La stampa si è interrotta: la stampante non accetta una nuova pagina."));
}

void StampanteQt::Termina()
{
    paginaDaAprire_ = false;
    if (pittore_.isActive() && (!pittore_.end() || stampante_.printerState() == QPrinter::Error))
        throw Errore(QStringLiteral("La stampa non è stata completata."));
}

void StampanteQt::FineDocumento()
{
    if (unDocumento_)
        paginaDaAprire_ = pittore_.isActive();
    else
        Termina();
}

void StampanteQt::DipingiImmagine(const QImage& immagine)
{
    Avvia();
    // The picture's own resolution gives its natural size on paper; a picture
    // taken on a scaled screen holds more pixels than its logical size.
    const double rapporto = immagine.devicePixelRatio() > 0 ? immagine.devicePixelRatio() : 1.0;
    auto pixel = [this, rapporto](int punti, int dpm) {
        const double dpi = dpm > 0 ? dpm * 0.0254 : 96.0;
        return punti / rapporto * stampante_.resolution() / dpi;
    };
    pittore_.drawImage(QRectF(0, 0, pixel(immagine.width(), immagine.dotsPerMeterX()),
                              pixel(immagine.height(), immagine.dotsPerMeterY())),
                       immagine);
}
