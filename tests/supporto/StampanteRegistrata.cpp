#include "StampanteRegistrata.h"

#include <QImage>

void StampanteRegistrata::ImpostaCarattere(const QString& nome, double punti)
{
    nome_ = nome;
    punti_ = punti;
}

double StampanteRegistrata::LarghezzaTestoTwips(const QString& testo) const
{
    return static_cast<double>(testo.size()) * m_.larghezzaCarattere;
}

void StampanteRegistrata::ScriviTesto(double xTwips, double yTwips, const QString& testo)
{
    voci_ << VoceStampata{lavoriFiniti_ + 1, pagina_, xTwips, yTwips, testo, {}, {}};
}

void StampanteRegistrata::FineDocumento()
{
    ++lavoriFiniti_;
    pagina_ = 1;
}

void StampanteRegistrata::DipingiImmagine(const QImage& immagine, const QRectF& twips)
{
    voci_ << VoceStampata{lavoriFiniti_ + 1, pagina_, twips.x(), twips.y(), {}, immagine.size(), twips.size()};
}
