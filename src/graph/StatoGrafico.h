#pragma once

#include <cstdint>

// The one graph record shared by every graph window and outliving them.
struct StatoGrafico {
    float ScalaX = 1.0f;
    float ScalaY = 1.0f;
    float EstensioneX = 100.0f;
    float EstensioneY = 100.0f;
    float PassoGrafico = 0.1f;
    int32_t Particolari = 0;  // bit set of the drawing details
    bool CollimatoreAttivo = false;
    bool ZoomRettangoloAttivo = false;
    bool DifferenzaAttiva = false;
};
