#pragma once

#include "NumeriTesto.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string>

class QImage;

// The time table the text export writes: four series sampled every 0.1 time
// units, samples 0 to N. Nothing fills it yet, so it stays at N = 0 and zeros.
struct RegistroCampioni {
    static constexpr int Capacita = 3001;
    std::array<double, Capacita> serieV{};
    std::array<double, Capacita> serieP{};
    std::array<double, Capacita> serieQt{};
    std::array<double, Capacita> serieQs{};
    int16_t N = 0;
};

// The table as text: the heading t, V(t), P(t), Qt(t), Qs(t), then one line a
// sample with t to 1 decimal and the series to 3 (halves to even), each number
// as printed, five items in zones of 14 characters; CR LF line ends. Throws
// ErroreScrittura when N lies beyond the samples held.
std::string TestoTabella(const RegistroCampioni& registro, const Separatori& sep);

// Writes that text to a file (see ScriviFileSicuro); throws ErroreScrittura.
void EsportaTesto(const RegistroCampioni& registro, const QString& percorso, const Separatori& sep);

// Saves the graph's picture as a Windows bitmap. A null picture means no graph
// was opened: refused with its own message. Throws ErroreScrittura.
void EsportaBitmap(const QImage& immagine, const QString& percorso);
