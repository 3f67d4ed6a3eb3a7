#include "MinimiQuadrati.h"

#include "SoluzioneCertificata.h"

#include <cfenv>

SoluzioneSistema RisolviMinimiQuadrati(std::span<const double> x, std::span<const double> y, int grado,
                                       bool scalaRighe)
{
    if (grado < 1 || grado > GradoMassimoSistema || x.size() != y.size()) {
        SoluzioneSistema s;
        s.esito = EsitoSistema::NonAmmesso;
        return s;
    }
    // The fast path answers only when it proves its rounding; a singular or
    // doubtful system always reaches the exact solve, which is integer work
    // and so the same in any rounding mode.
    if (std::fegetround() == FE_TONEAREST)
        if (auto certa = RisolviCertificato(x, y, grado))
            return *certa;
    return RisolviEsatto(x, y, grado, scalaRighe);
}
