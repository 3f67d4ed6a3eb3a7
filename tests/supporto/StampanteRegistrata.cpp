#include "StampanteRegistrata.h"

#include <QImage>

void StampanteRegistrata::DipingiImmagine(const QImage& immagine, const QRectF& twips)
{
    voci_ << VoceStampata{lavoriFiniti_ + 1, pagina_, twips.x(), twips.y(), {}, immagine.size()};
}
