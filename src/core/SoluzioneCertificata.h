#pragma once

#include "SistemaEsatto.h"

#include <optional>
#include <span>

// The fast path: the normal equations in triple-double sums, a double-double
// solve with one refinement, and a rigorous bound on the error that must put
// every coefficient (and every centred coefficient) inside one rounding
// interval of a double. It answers only then, and then only with Risolto: the
// answer is the exact one rounded. Anything it cannot prove (a singular or
// badly conditioned system, values near the ends of the double range, a
// degree outside 1 .. GradoMassimoSistema) gives nullopt, and the exact solve
// decides. Far from zero it solves in X minus the centre of the X range, when
// every difference is exact. Assumes rounding to nearest: RisolviMinimiQuadrati
// checks it.
//
// The processor's AVX2 and FMA are used when it has them; `Portabile` asks for
// the copy that runs everywhere (it must give the same answers).
enum class ViaCertificata { Migliore, Portabile };
std::optional<SoluzioneSistema> RisolviCertificato(std::span<const double> x, std::span<const double> y, int grado,
                                                   ViaCertificata via = ViaCertificata::Migliore);
