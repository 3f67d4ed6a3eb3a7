#include "ImpostazioniFinestra.h"

#include "SeparatoriLocale.h"
#include "Twips.h"

#include <QSettings>

#include <cfloat>
#include <cmath>

namespace {

const QString Gruppo = QStringLiteral("Settings");

// Window systems keep coordinates in 16 bits.
constexpr double PixelMassimi = 32767;

float Leggi(QSettings& s, const QString& chiave, float predefinito, const QLocale& locale,
            double dpi, bool dimensione)
{
    if (!s.contains(chiave))
        return predefinito;
    const std::optional<float> v = LeggiSingolo(s.value(chiave).toString(), locale);
    if (!v)
        return predefinito;
    const double pixel = *v * dpi / 1440.0;
    if (std::abs(pixel) > PixelMassimi || (dimensione && pixel < 1))
        return predefinito;
    return *v;
}

} // namespace

QString TestoSingolo(float valore, const QLocale& locale)
{
    QLocale l(locale);
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(static_cast<double>(valore), 'G', FLT_DIG + 1);
}

std::optional<float> LeggiSingolo(const QString& testo, const QLocale& locale)
{
    const std::optional<double> v = ConvertiTesto(testo.toStdString(), SeparatoriLocale(locale));
    if (!v || !std::isfinite(*v) || std::abs(*v) > FLT_MAX)
        return std::nullopt;
    return static_cast<float>(*v);
}

ImpostazioniPrincipali LeggiImpostazioni(QSettings& s, const QLocale& locale, double dpi)
{
    ImpostazioniPrincipali r;
    s.beginGroup(Gruppo);
    r.MainLeft = Leggi(s, QStringLiteral("MainLeft"), r.MainLeft, locale, dpi, false);
    r.MainTop = Leggi(s, QStringLiteral("MainTop"), r.MainTop, locale, dpi, false);
    r.MainWidth = Leggi(s, QStringLiteral("MainWidth"), r.MainWidth, locale, dpi, true);
    r.MainHeight = Leggi(s, QStringLiteral("MainHeight"), r.MainHeight, locale, dpi, true);
    r.IntestazioneUtente = s.value(QStringLiteral("IntestazioneUtente"), QString()).toString();
    s.endGroup();
    return r;
}

void ScriviImpostazioni(QSettings& s, const ImpostazioniPrincipali& v, const QLocale& locale)
{
    s.beginGroup(Gruppo);
    s.setValue(QStringLiteral("MainLeft"), TestoSingolo(v.MainLeft, locale));
    s.setValue(QStringLiteral("MainTop"), TestoSingolo(v.MainTop, locale));
    s.setValue(QStringLiteral("MainWidth"), TestoSingolo(v.MainWidth, locale));
    s.setValue(QStringLiteral("MainHeight"), TestoSingolo(v.MainHeight, locale));
    s.setValue(QStringLiteral("IntestazioneUtente"), v.IntestazioneUtente);
    s.endGroup();
    s.sync();
}
