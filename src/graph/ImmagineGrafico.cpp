#include "ImmagineGrafico.h"

#include "fGrafico.h"

#include <memory>

QImage ImmagineStampaGrafico(StatoGrafico& grafico, const StatoProgramma& programma, QSize dimensioni)
{
    // A window of this size, drawn as when it opens, never on screen.
    auto finestra = std::make_unique<fGrafico>(grafico, programma, nullptr);
    finestra->Form_Load();
    finestra->setAttribute(Qt::WA_DontShowOnScreen);
    finestra->resize(dimensioni);
    finestra->show();  // the first size event draws, as when the window opens
    return finestra->ImmagineStampa();
}
