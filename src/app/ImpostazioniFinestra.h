#pragma once

#include <QLocale>
#include <QString>

#include <optional>

class QSettings;

// What the main window keeps between runs: its geometry in twips and the
// print header.
struct ImpostazioniPrincipali {
    float MainLeft = 1000;
    float MainTop = 1000;
    float MainWidth = 6500;
    float MainHeight = 6500;
    QString IntestazioneUtente;
};

// Group "Settings". A missing value, one that is not a number and one that
// no screen could show (at the given DPI) each fall back to its own default.
ImpostazioniPrincipali LeggiImpostazioni(QSettings& impostazioni, const QLocale& locale, double dpi);
// Writes the five keys in order: left, top, width, height, header.
void ScriviImpostazioni(QSettings& impostazioni, const ImpostazioniPrincipali& valori,
                        const QLocale& locale);

// A single-precision number as the settings hold it: the locale's decimal
// separator, no grouping, no fraction for whole values.
QString TestoSingolo(float valore, const QLocale& locale);
std::optional<float> LeggiSingolo(const QString& testo, const QLocale& locale);
