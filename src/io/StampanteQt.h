#pragma once

#include "Stampante.h"

#include <QFont>
#include <QPainter>

class QPagedPaintDevice;

// The seam on a paged device: a QPrinter (the printer the user chose, or a PDF
// file) or a QPdfWriter. A job starts at its first output. A job left open
// when this is destroyed is abandoned.
class StampanteQt : public Stampante {
public:
    explicit StampanteQt(QPagedPaintDevice& dispositivo);
    ~StampanteQt() override;
    StampanteQt(const StampanteQt&) = delete;
    StampanteQt& operator=(const StampanteQt&) = delete;

protected:
    double LarghezzaStampabileTwips() const override;
    double AltezzaStampabileTwips() const override;
    void ImpostaCarattere(const QString& nome, double punti) override;
    double LarghezzaTestoTwips(const QString& testo) const override;
    double LarghezzaMediaCarattereTwips() const override;
    double AltezzaRigaTwips() const override;

    void ScriviTesto(double xTwips, double yTwips, const QString& testo) override;
    void NuovaPagina() override;
    // Throws ErroreStampa when the job did not complete.
    void FineDocumento() override;
    void DipingiImmagine(const QImage& immagine, const QRectF& twips) override;

private:
    void Avvia();
    double Twips(double pixel) const;
    double Pixel(double twips) const;

    QPagedPaintDevice& dispositivo_;
    QPainter pittore_;
    QFont carattere_;
};
