#include "GraficoDocumento.h"

#include "FunzioniGrafico.h"
#include "SeparatoriLocale.h"
#include "StatoProgramma.h"
#include "SuperficieDisegno.h"
#include "Twips.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

// Design sizes, twips: the room right of the plot and around the title.
constexpr double MargineDestro = 150;
constexpr double MargineTitolo = 90;

// A vector file's pixel, as on the web.
constexpr int DpiFile = 96;

}  // namespace

std::optional<FormatoGrafico> FormatoDaNome(const QString& nome)
{
    const QString estensione = QFileInfo(nome).suffix().toLower();
    if (estensione == QLatin1String("png"))
        return FormatoGrafico::Png;
    if (estensione == QLatin1String("svg"))
        return FormatoGrafico::Svg;
    if (estensione == QLatin1String("pdf"))
        return FormatoGrafico::Pdf;
    return std::nullopt;
}

GraficoDocumento::GraficoDocumento(StatoGrafico& grafico, const StatoProgramma& programma, const QString& grado,
                                   QSize dimensioni)
    : dimensioni_(dimensioni), titolo_(QStringLiteral("Grado: ") + grado), pagina_(std::make_unique<QWidget>())
{
    pagina_->resize(dimensioni_);
    PictTitolo = new SuperficieDisegno(QPalette::Window, pagina_.get());
    PictValY = new SuperficieDisegno(QPalette::Window, pagina_.get());
    Picture1 = new SuperficieDisegno(QPalette::Base, pagina_.get());
    PictValX = new SuperficieDisegno(QPalette::Window, pagina_.get());
    QFont grassetto = PictTitolo->font();
    grassetto.setBold(true);
    PictTitolo->setFont(grassetto);

    // The full view, as a window's drawing at scale 1:1 makes it.
    const Polinomio* pol = PolinomioAdattato(programma.polinomio.get());
    FinestraCompleta(grafico, *programma.terne, pol);
    grafico.GraficoZoommato = false;

    // The title above the plot, the Y strip as wide as its widest label.
    const Separatori sep = SeparatoriLocale();
    const double dpi = DpiLogicoSchermo();
    auto pixel = [dpi](double twips) { return PixelDaTwips(twips, dpi); };
    const QSizeF testoTitolo = PictTitolo->DimensioneTesto(titolo_);
    const int altoTitolo = static_cast<int>(std::ceil(testoTitolo.height())) + 2 * pixel(MargineTitolo);
    const int largoValY = LarghezzaStrisciaY(*PictValY, EtichetteY(grafico.YMin, grafico.YMax, sep), dpi);
    const int altoValX = pixel(AltezzaValX);
    const int largo = std::max(0, dimensioni_.width() - largoValY - pixel(MargineDestro));
    const int alto = std::max(0, dimensioni_.height() - altoTitolo - altoValX);
    PictTitolo->setGeometry(largoValY, 0, largo, altoTitolo);
    PictValY->setGeometry(0, altoTitolo, largoValY, alto);
    Picture1->setGeometry(largoValY, altoTitolo, largo, alto);
    PictValX->setGeometry(largoValY, altoTitolo + alto, largo, altoValX);

    ContestoGrafico c{grafico, *Picture1, *PictValX, *PictValY, sep};
    ImpostaScala(c);
    DisegnaPunti(c, *programma.terne, grafico.VistaSinistra(), grafico.VistaDestra(), grafico.YMin, grafico.YMax);
    if (pol)
        DisegnaCurva(c, *pol, grafico.VistaSinistra(), grafico.VistaDestra());

    // Centred over the plot, in pixels.
    PictTitolo->Scala(MappaScala(0, largo), MappaScala(0, altoTitolo));
    PictTitolo->CorrenteX = (largo - testoTitolo.width()) / 2;
    PictTitolo->CorrenteY = pixel(MargineTitolo);
    PictTitolo->Stampa(titolo_, true);

    for (SuperficieDisegno* s : {PictTitolo, PictValY, Picture1, PictValX})
        s->Consolida();
}

GraficoDocumento::~GraficoDocumento() = default;

void GraficoDocumento::Dipingi(QPainter& p) const
{
    p.fillRect(QRect(QPoint(0, 0), dimensioni_), pagina_->palette().color(QPalette::Window));
    for (const SuperficieDisegno* s : {PictTitolo, PictValY, Picture1, PictValX}) {
        p.save();
        p.translate(s->pos());
        s->Dipingi(p);
        p.restore();
    }
}

bool GraficoDocumento::DipingiSu(QPaintDevice& dispositivo) const
{
    QPainter p;
    if (!p.begin(&dispositivo))
        return false;
    Dipingi(p);
    return p.end();
}

QByteArray GraficoDocumento::File(FormatoGrafico formato) const
{
    QByteArray byte;
    QBuffer memoria(&byte);
    memoria.open(QIODevice::WriteOnly);
    bool riuscito = false;
    switch (formato) {
    case FormatoGrafico::Png: {
        QImage immagine(dimensioni_, QImage::Format_RGB32);
        riuscito = DipingiSu(immagine) && immagine.save(&memoria, "PNG");
        break;
    }
    case FormatoGrafico::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&memoria);
        svg.setSize(dimensioni_);
        svg.setViewBox(QRect(QPoint(0, 0), dimensioni_));
        svg.setResolution(DpiFile);
        svg.setTitle(titolo_);
        svg.setDescription(QStringLiteral("Curvello"));
        riuscito = DipingiSu(svg);
        // The generator gives the size in rounded millimetres, which a
        // renderer can turn into a pixel more; in pixels it is exact.
        static const QRegularExpression millimetri(QStringLiteral("<svg width=\"[0-9.]+mm\" height=\"[0-9.]+mm\""));
        const QString testo = QString::fromUtf8(byte).replace(
            millimetri, QStringLiteral("<svg width=\"%1px\" height=\"%2px\"").arg(dimensioni_.width()).arg(dimensioni_.height()));
        memoria.close();
        byte = testo.toUtf8();
        break;
    }
    case FormatoGrafico::Pdf: {
        QPdfWriter pdf(&memoria);
        pdf.setResolution(DpiFile);
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(dimensioni_) * 72.0 / DpiFile, QPageSize::Point, QString(),
                                                QPageSize::ExactMatch),
                                      QPageLayout::Portrait, QMarginsF()));
        pdf.setTitle(titolo_);
        pdf.setCreator(QStringLiteral("Curvello"));
        riuscito = DipingiSu(pdf);
        break;
    }
    }
    return riuscito ? byte : QByteArray();
}
