#pragma once

#include <QFontMetricsF>

#include <array>

class QFont;
class QPaintDevice;
class QString;

// The width of texts that are mostly ASCII, numbers above all, in one font:
// each character's advance is looked up once and added up, not each text laid
// out, which spares the shaping of the whole text where widths are asked
// often. Kerning is left out.
class MisuraTesto {
public:
    // No device: the screen's metrics.
    explicit MisuraTesto(const QFont& carattere, const QPaintDevice* dispositivo = nullptr);
    qreal Larghezza(const QString& testo);

private:
    QFontMetricsF metriche_;
    std::array<qreal, 128> ascii_{};  // 0: not looked up yet
};
