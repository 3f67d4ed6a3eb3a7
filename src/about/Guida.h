#pragma once

#include <QString>

class Dialoghi;

// There is no help file: both help commands say so, titled with the main
// window's caption as it stands.
extern const QString TestoGuidaNonDisponibile;
void MostraGuidaNonDisponibile(Dialoghi& dialoghi, const QString& titolo);
