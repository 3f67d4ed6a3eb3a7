#include "ImmagineGrafico.h"

#include "fGrafico.h"

#include <memory>

namespace {

// A graph window of this size, drawn as when it opens, never on screen.
std::unique_ptr<fGrafico> FinestraAperta(StatoGrafico& grafico, const StatoProgramma& programma, QSize dimensioni)
{
    auto finestra = std::make_unique<fGrafico>(grafico, programma, nullptr);
    finestra->Form_Load();
    finestra->setAttribute(Qt::WA_DontShowOnScreen);
    finestra->resize(dimensioni);
    finestra->show();  // the first size event draws, as when the window opens
    return finestra;
}

} // namespace

QImage ImmagineGrafico(StatoGrafico& grafico, const StatoProgramma& programma, QSize dimensioni)
{
    const auto finestra = FinestraAperta(grafico, programma, dimensioni);
    QImage immagine(dimensioni, QImage::Format_RGB32);
    immagine.fill(finestra->palette().color(QPalette::Window));
    finestra->render(&immagine);
    return immagine;
}

QImage ImmaginePicture1(StatoGrafico& grafico, const StatoProgramma& programma, QSize dimensioni)
{
    const auto finestra = FinestraAperta(grafico, programma, dimensioni);
    finestra->ConsolidaPicture1();
    return finestra->ImmaginePicture1();
}

QImage ImmagineStampaGrafico(StatoGrafico& grafico, const StatoProgramma& programma, QSize dimensioni)
{
    return FinestraAperta(grafico, programma, dimensioni)->ImmagineStampa();
}
