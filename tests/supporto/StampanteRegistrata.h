#pragma once

#include "Stampante.h"

#include <QList>
#include <QSize>

// What a job put on paper, for tests: x and y in twips from the top left of
// the printable area; jobs and pages count from 1.
struct VoceStampata {
    int lavoro = 1;
    int pagina = 1;
    double x = 0;
    double y = 0;
    QString testo{};   // empty for a picture
    QSize immagine{};  // the picture's size in pixels, empty for text
};

// A printer with fixed, round metrics that keeps everything printed: every
// character is as wide as any other, every line as high.
class StampanteRegistrata : public Stampante {
public:
    struct Metriche {
        double larghezzaStampabile = 10000;  // twips: 100 twips a unit once the scale is 100
        double larghezzaCarattere = 144;     // 12-point Courier
        double altezzaRiga = 240;
        double altezzaStampabile = 15000;
    };

    explicit StampanteRegistrata(Metriche metriche) : m_(metriche) {}

    const QList<VoceStampata>& Voci() const { return voci_; }
    int LavoriFiniti() const { return lavoriFiniti_; }
    QString NomeCarattere() const { return nome_; }
    double PuntiCarattere() const { return punti_; }

protected:
    double LarghezzaStampabileTwips() const override { return m_.larghezzaStampabile; }
    double AltezzaStampabileTwips() const override { return m_.altezzaStampabile; }
    void ImpostaCarattere(const QString& nome, double punti) override { nome_ = nome, punti_ = punti; }
    double LarghezzaTestoTwips(const QString& testo) const override { return double(testo.size()) * m_.larghezzaCarattere; }
    double LarghezzaMediaCarattereTwips() const override { return m_.larghezzaCarattere; }
    double AltezzaRigaTwips() const override { return m_.altezzaRiga; }

    void ScriviTesto(double x, double y, const QString& t) override { voci_ << VoceStampata{lavoriFiniti_ + 1, pagina_, x, y, t}; }
    void NuovaPagina() override { ++pagina_; }
    void FineDocumento() override { ++lavoriFiniti_, pagina_ = 1; }
    void DipingiImmagine(const QImage& immagine, const QRectF& twips) override;

private:
    Metriche m_;
    QList<VoceStampata> voci_;
    int pagina_ = 1;
    int lavoriFiniti_ = 0;
    QString nome_;
    double punti_ = 0;
};
