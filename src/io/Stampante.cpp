#include "Stampante.h"

#include "ZoneStampa.h"

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

void Stampante::Print(const QStringList& voci)
{
    const double zona = 14 * LarghezzaMediaCarattereTwips() / TwipsPerUnita();
    double x = x_;
    for (qsizetype i = 0; i < voci.size(); ++i) {
        if (i > 0)
            x = InizioZonaSuccessiva(x, zona);
        if (!voci[i].isEmpty())
            ScriviTesto(x * TwipsPerUnita(), y_, voci[i]);
        x += TextWidth(voci[i]);
    }
    x_ = 0;
    y_ += AltezzaRigaTwips();
}

void Stampante::NewPage()
{
    NuovaPagina();
    x_ = 0;
    y_ = 0;
}

void Stampante::EndDoc()
{
    FineDocumento();
    x_ = 0;
    y_ = 0;
}

void Stampante::PaintPicture(const QImage& immagine)
{
    DipingiImmagine(immagine);
}
