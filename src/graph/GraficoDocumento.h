#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

class QPaintDevice;
class QPainter;
class QWidget;
class SuperficieDisegno;
struct StatoGrafico;
struct StatoProgramma;

enum class FormatoGrafico { Png, Svg, Pdf };

// The format a file name asks for by its extension, in any case; none for another.
std::optional<FormatoGrafico> FormatoDaNome(const QString& nome);

// The graph of the last fit as a chart for documents: "Grado: " and the degree
// text above the plot with its value strips, drawn in full view as a graph
// window draws them, without the window's toolbar, readouts and frames. Built
// once at a size in pixels, painted as often as wanted. Needs an application
// object but no display; leaves the graph state as a drawing does.
class GraficoDocumento {
public:
    GraficoDocumento(StatoGrafico& grafico, const StatoProgramma& programma, const QString& grado,
                     QSize dimensioni);
    ~GraficoDocumento();

    QSize Dimensioni() const { return dimensioni_; }
    // The chart on p, one unit of p a pixel of the chart, its top-left corner at p's origin.
    void Dipingi(QPainter& p) const;
    // The bytes of a file of that format: PNG at one pixel a pixel; SVG and PDF
    // (one page) with lines, circles and texts as such, one pixel 1/96 inch.
    // Empty when the picture could not be made.
    QByteArray File(FormatoGrafico formato) const;

private:
    // Paints the chart on a device of its own; false when the device refused.
    bool DipingiSu(QPaintDevice& dispositivo) const;

    QSize dimensioni_;
    QString titolo_;
    std::unique_ptr<QWidget> pagina_;  // never shown; holds the surfaces where the chart has them
    SuperficieDisegno* PictTitolo = nullptr;
    SuperficieDisegno* Picture1 = nullptr;
    SuperficieDisegno* PictValX = nullptr;
    SuperficieDisegno* PictValY = nullptr;
};
