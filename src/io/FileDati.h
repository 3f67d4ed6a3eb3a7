#pragma once

#include "MySource.h"
#include "NumeriTesto.h"
#include "StatoProgramma.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>

// The data file (.cv): a counts line "n,GR", one line "X,Y,P" per point, one
// line per coefficient C(0) ... C(GR). Every line ends with CR LF; numbers use
// the period whatever the locale.

// A data file that cannot be written or read. The message is Italian, names
// the file and, for a malformed file, the line; it is meant to be shown as is.
class ErroreFileDati : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Line numbers in the reader's messages: 64 bits, so that no file is long
// enough to overflow the count.
using NumeroRiga = std::int64_t;

// Called with the degree's text read from a file (the degree box's new text).
using ImpostaTestoGrado = std::function<void(const std::string& testo)>;

// The bytes of the data file for the current state: the counts line from the
// current point set and the polynomial's degree, the point lines from the
// current point set with P = the polynomial's value at each X (after a fit the
// same as the triples; after points changed it never writes stale points),
// then the coefficients. A non-finite P or coefficient is written as an empty
// field. Throws ErroreFileDati when no fit has made a polynomial yet or a point
// is not finite; `nome` names the destination in that message. Save writes it
// with SalvaFileDatiSicuro (ScritturaSicura.h).
std::string TestoFileDati(const StatoProgramma& stato, const std::string& nome);

// Reads a data file: n and the degree, then n points appended to `punti` with
// Add (behind any points already there); P is dropped and whatever follows
// the point lines is not read.
//
// Fields are separated by commas or line ends (CR LF, LF or CR); blanks and
// tabs around a field are dropped; a field in double quotes keeps its text
// verbatim (commas included). Blank lines hold no field and are skipped; an
// empty field between commas is a field with no text. A UTF-8 byte order mark
// at the start is skipped.
//
// n is rounded to a whole number (halves to even); a negative n reads no
// points. The degree is a value of any kind: a number (quoted or not) is given
// in the general form with the user's separators (2.5 -> "2,5" in Italian),
// anything else as its own text. P must be a number or empty.
//
// Throws ErroreFileDati when the file cannot be opened, ends early, holds a
// field that is not a number where one is expected, or announces more points
// than the set has room for (checked before any point is appended). What was
// read before the failure stays: the degree text once set, the points already
// appended.
void CaricaFileDati(MySource& punti, const std::filesystem::path& percorso, const Separatori& sep,
                    const ImpostaTestoGrado& impostaTestoGrado);
void CaricaFileDati(MySource& punti, std::istream& ingresso, const std::string& nome,
                    const Separatori& sep, const ImpostaTestoGrado& impostaTestoGrado);

// A path as UTF-8 text, for messages.
std::string TestoPercorso(const std::filesystem::path& percorso);

// For the other readers, in the same words: the file opened in binary (throws
// ErroreFileDati when it is a folder or cannot be opened), a text of the file
// quoted (short, UTF-8, no control characters), and "Il file ... non è
// valido: alla riga N <dettaglio>."
std::ifstream ApriInLettura(const std::filesystem::path& percorso, const std::string& nome);
std::string CitaTestoFile(std::string_view testo);
ErroreFileDati RigaNonValida(const std::string& nome, NumeroRiga riga, const std::string& dettaglio);
