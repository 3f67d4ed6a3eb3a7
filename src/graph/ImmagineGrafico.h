#pragma once

#include <QImage>
#include <QSize>

struct StatoGrafico;
struct StatoProgramma;

// The plot with its value strips of a graph window newly opened at this size,
// once drawn, as the graph's print takes it. Draws with the graph state given
// and leaves it as a window would. Needs an application object but no display.
QImage ImmagineStampaGrafico(StatoGrafico& grafico, const StatoProgramma& programma, QSize dimensioni);
