#include "Stampante.h"

#include "ZoneStampa.h"

#include <QImage>

#include <algorithm>
#include <utility>

void Stampante::Font(const QString& nome, double punti)
{
    ImpostaCarattere(nome, punti);
}

void Stampante::ScaleWidth(double unita)
{
    const double twips = x_ * TwipsPerUnita();
    scala_ = unita > 0 ? unita : 0;
    x_ = twips / TwipsPerUnita();
}

double Stampante::TwipsPerUnita() const
{
    const double larghezza = LarghezzaStampabileTwips();
    return scala_ > 0 && larghezza > 0 ? larghezza / scala_ : 1.0;
}

double Stampante::TextWidth(const QString& testo) const
{
    return LarghezzaTestoTwips(testo) / TwipsPerUnita();
}

void Stampante::Apri()
{
    iniziato_ = true;
    if (std::exchange(paginaDaAprire_, false))
        NuovaPagina();
}

void Stampante::Print(const QStringList& voci)
{
    const double zona = 14 * LarghezzaMediaCarattereTwips() / TwipsPerUnita();
    double x = x_;
    for (qsizetype i = 0; i < voci.size(); ++i) {
        if (i > 0)
            x = InizioZonaSuccessiva(x, zona);
        if (!voci[i].isEmpty()) {
            Apri();
            ScriviTesto(x * TwipsPerUnita(), y_, voci[i]);
        }
        x += TextWidth(voci[i]);
    }
    x_ = 0;
    y_ += AltezzaRigaTwips();
}

void Stampante::NewPage()
{
    iniziato_ = true;
    paginaDaAprire_ = false;
    NuovaPagina();
    x_ = 0;
    y_ = 0;
}

void Stampante::EndDoc()
{
    if (unDocumento_)
        paginaDaAprire_ = iniziato_;
    else
        Termina();
    x_ = 0;
    y_ = 0;
}

void Stampante::Termina()
{
    paginaDaAprire_ = false;
    if (std::exchange(iniziato_, false))
        FineDocumento();
}

void Stampante::PaintPicture(const QImage& immagine)
{
    // The picture's own resolution gives its natural size; a picture taken on
    // a scaled screen holds more pixels than its logical size.
    const double rapporto = immagine.devicePixelRatio() > 0 ? immagine.devicePixelRatio() : 1.0;
    auto twips = [rapporto](int punti, int dpm) { return punti / rapporto * 1440.0 / (dpm > 0 ? dpm * 0.0254 : 96.0); };
    const double larghezza = twips(immagine.width(), immagine.dotsPerMeterX());
    const double altezza = twips(immagine.height(), immagine.dotsPerMeterY());
    const double x = x_ * TwipsPerUnita();
    double scala = 1;
    if (larghezza > 0 && altezza > 0) {
        const double inLarghezza = (LarghezzaStampabileTwips() - x) / larghezza;
        scala = std::clamp(std::min(inLarghezza, (AltezzaStampabileTwips() - y_) / altezza), 0.0, 1.0);
    }
    Apri();
    DipingiImmagine(immagine, QRectF(x, y_, larghezza * scala, altezza * scala));
    x_ = 0;
    y_ += altezza * scala;
}
