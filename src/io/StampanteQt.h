#pragma once

#include "Stampante.h"

#include <QFont>
#include <QPainter>

class QPrinter;

// The seam on a QPrinter: the printer the user chose, or a PDF file. A job
// starts at its first output. A job left open when this is destroyed is
// abandoned.
class StampanteQt : public Stampante {
public:
    // unDocumento: EndDoc ends a listing, not the document; the next one starts
    // on a new page of the same document, which Termina closes. For a report
    // of several listings in one file.
    explicit StampanteQt(QPrinter& stampante, bool unDocumento = false);
    ~StampanteQt() override;
    StampanteQt(const StampanteQt&) = delete;
    StampanteQt& operator=(const StampanteQt&) = delete;

    // Ends the document; throws ErroreStampa when it did not complete.
    void Termina();

protected:
    double LarghezzaStampabileTwips() const override;
    void ImpostaCarattere(const QString& nome, double punti) override;
    double LarghezzaTestoTwips(const QString& testo) const override;
    double LarghezzaMediaCarattereTwips() const override;
    double AltezzaRigaTwips() const override;

    void ScriviTesto(double xTwips, double yTwips, const QString& testo) override;
    void NuovaPagina() override;
    void FineDocumento() override;
    void DipingiImmagine(const QImage& immagine) override;

private:
    void Avvia();
    double Twips(double pixel) const;
    double Pixel(double twips) const;

    QPrinter& stampante_;
    QPainter pittore_;
    QFont carattere_;
    bool unDocumento_;
    bool paginaDaAprire_ = false;
};
