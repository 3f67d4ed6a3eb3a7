#include "ImmagineGrafico.h"

#include "fGrafico.h"

QImage ImmagineGrafico(StatoGrafico& grafico, const StatoProgramma& programma, QSize dimensioni)
{
    fGrafico finestra(grafico, programma, nullptr);
    finestra.Form_Load();
    finestra.setAttribute(Qt::WA_DontShowOnScreen);
    finestra.resize(dimensioni);
    finestra.show();  // the first size event draws, as when the window opens
    QImage immagine(dimensioni, QImage::Format_RGB32);
    immagine.fill(finestra.palette().color(QPalette::Window));
    finestra.render(&immagine);
    return immagine;
}
