#pragma once

#include <QImage>
#include <QSize>

struct StatoGrafico;
struct StatoProgramma;

// What a graph window newly opened at this size shows once drawn: toolbar,
// plot, value strips, axes, markers, labels and curve, with the readouts as
// they start. Draws with the graph state given and leaves it as a window
// would. Needs an application object but no display.
QImage ImmagineGrafico(StatoGrafico& grafico, const StatoProgramma& programma, QSize dimensioni);

// The plot of such a window as the graph's print job takes it: the drawing
// committed, then the committed picture.
QImage ImmaginePicture1(StatoGrafico& grafico, const StatoProgramma& programma, QSize dimensioni);

// The plot with its value strips of such a window, as the graph's print takes it.
QImage ImmagineStampaGrafico(StatoGrafico& grafico, const StatoProgramma& programma, QSize dimensioni);
