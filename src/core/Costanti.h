#pragma once

// The application's title: message boxes, settings and the about box use it.
inline constexpr const char* TitoloApplicazione = "Curvello";
