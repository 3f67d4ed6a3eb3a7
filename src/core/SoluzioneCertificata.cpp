#include "SoluzioneCertificata.h"

std::optional<SoluzioneSistema> RisolviCertificato(std::span<const double>, std::span<const double>, int)
{
    return std::nullopt;
}
