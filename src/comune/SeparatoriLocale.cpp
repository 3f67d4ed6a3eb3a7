#include "SeparatoriLocale.h"

Separatori SeparatoriLocale(const QLocale& locale)
{
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}
