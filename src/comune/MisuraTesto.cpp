#include "MisuraTesto.h"

#include <QString>

MisuraTesto::MisuraTesto(const QFont& carattere, const QPaintDevice* dispositivo)
    : metriche_(carattere, dispositivo)
{
}

qreal MisuraTesto::Larghezza(const QString& testo)
{
    qreal larghezza = 0;
    for (const QChar c : testo) {
        if (c.unicode() >= ascii_.size()) {
            larghezza += metriche_.horizontalAdvance(c);
            continue;
        }
        qreal& avanzamento = ascii_[c.unicode()];
        if (avanzamento == 0)
            avanzamento = metriche_.horizontalAdvance(c);
        larghezza += avanzamento;
    }
    return larghezza;
}
