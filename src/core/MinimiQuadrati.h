#pragma once

#include "SistemaEsatto.h"

#include <span>

// The one door into the least-squares solve: the certified fast path when it
// proves its rounding (and the processor rounds to nearest, which its error
// bounds assume), the exact rational solve otherwise. `via` says which
// answered. A degree outside 1 .. GradoMassimoSistema, or X and Y of different
// lengths, is refused (NonAmmesso) before anything is touched. The points must
// be finite.
SoluzioneSistema RisolviMinimiQuadrati(std::span<const double> x, std::span<const double> y, int grado,
                                       bool scalaRighe = true);
