#pragma once

#include "StatoProgramma.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>

// A file that could not be written, or nothing to write; the message is
// Italian, names the file and is meant to be shown as is.
class ErroreScrittura : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the whole of `contenuto` to a temporary file beside the destination
// and only then puts it in place, so a failure never leaves a half-written
// file where the old one was. A destination that is a folder or a read-only
// file is refused. Throws ErroreScrittura.
void ScriviFileSicuro(const QString& percorso, const QByteArray& contenuto);

// Save: the data file's bytes for the current state, written as above. The
// state's own refusals (no fit yet, a point that is not finite) come out as
// ErroreFileDati before the file is touched.
void SalvaFileDatiSicuro(const StatoProgramma& stato, const QString& percorso);
