#pragma once

#include "NumeriTesto.h"

#include <QLocale>

// The user's decimal and group separators, as the number rules of core take them.
Separatori SeparatoriLocale(const QLocale& locale = QLocale());
