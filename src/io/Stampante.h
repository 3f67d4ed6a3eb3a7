#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

#include <stdexcept>

class QImage;

// A print job that cannot start or go on; the message is Italian and meant to
// be shown as is.
class ErroreStampa : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The printer as the listings see it: a current position, a font, lines of
// items in print zones, pages and jobs. Horizontal positions are in the units
// of ScaleWidth (twips until it is set), vertical ones in twips from the top
// of the printable area. An implementation supplies the device: its metrics
// and how text, pages and pictures reach it.
class Stampante {
public:
    virtual ~Stampante() = default;

    void Font(const QString& nome, double punti);
    // The printable width is divided into this many units.
    void ScaleWidth(double unita);

    double CurrentX() const { return x_; }
    void SetCurrentX(double x) { x_ = x; }
    double CurrentY() const { return y_; }
    void SetCurrentY(double twips) { y_ = twips; }

    // In ScaleWidth units.
    double TextWidth(const QString& testo) const;

    // The items from CurrentX, each further one in the next zone of 14 average
    // character widths; then the line ends: x back to 0, y one line down.
    // With no items it leaves an empty line.
    void Print(const QStringList& voci = {});
    void NewPage();
    // Ends the job: what was printed goes to the printer. In one document,
    // ends a listing: the next output starts a new page of the same job.
    void EndDoc();
    // Several listings as one job, so that a file holds them all; Termina
    // ends that job (nothing when nothing was printed).
    void UnDocumento(bool si) { unDocumento_ = si; }
    void Termina();
    // At the current position, at its natural size when it fits the rest of
    // the page, else scaled down to fit, its proportions kept. The current
    // line moves below it.
    void PaintPicture(const QImage& immagine);

protected:
    // The device's side, all in twips.
    virtual double LarghezzaStampabileTwips() const = 0;
    virtual double AltezzaStampabileTwips() const = 0;
    virtual void ImpostaCarattere(const QString& nome, double punti) = 0;
    virtual double LarghezzaTestoTwips(const QString& testo) const = 0;
    virtual double LarghezzaMediaCarattereTwips() const = 0;
    virtual double AltezzaRigaTwips() const = 0;

    virtual void ScriviTesto(double xTwips, double yTwips, const QString& testo) = 0;
    virtual void NuovaPagina() = 0;
    virtual void FineDocumento() = 0;
    virtual void DipingiImmagine(const QImage& immagine, const QRectF& twips) = 0;

private:
    double TwipsPerUnita() const;
    // Before any output: the page a finished listing left to open.
    void Apri();

    double scala_ = 0;  // 0: no scale set, units are twips
    double x_ = 0;
    double y_ = 0;
    bool unDocumento_ = false;
    bool iniziato_ = false;
    bool paginaDaAprire_ = false;
};
