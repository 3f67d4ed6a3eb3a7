#pragma once

#include "NumeriTesto.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Pairs as lines of text, the way spreadsheets put them on the clipboard and
// loggers write them: X and Y on one line. The clipboard's paste and the text
// table reader read them with this one rule.

// How the numbers and the columns of a line are read.
struct RegolaCoppie {
    Separatori sep;
    bool virgolaSepara = false;  // the comma separates the columns
    bool anchePunto = false;     // a number may also be written with the period, without groups
};

// The clipboard: numbers as a cell typed in the grid; columns separated by a
// tab, a semicolon or blanks.
RegolaCoppie RegolaAppunti(const Separatori& sep);
// A text table: also the comma between the columns when it is not the
// decimal separator, and numbers in the user's form or with the period (the
// period first: "1.500" from a logger is 1.5, not fifteen hundred).
RegolaCoppie RegolaTabella(const Separatori& sep);

// A field as a number under the rule; nullopt when it is not one.
std::optional<double> NumeroCoppia(std::string_view campo, const RegolaCoppie& regola);

// Reads a text line by line. A line is split at the first kind of separator
// it holds, in the order tab, semicolon, comma (where it separates), blanks;
// blanks around each field are dropped, and so are empty fields at the end (a
// spreadsheet's empty columns). A line with no field is blank and skipped; so
// is the first non-blank line when none of its fields is a number (a header
// such as "X<tab>Y"). A UTF-8 byte order mark before the first line is dropped.
class LettoreCoppie {
public:
    explicit LettoreCoppie(RegolaCoppie regola) : regola_(std::move(regola)) {}

    enum class Esito { Saltata, Coppia, NonCoppia };
    // The next line, without its line end.
    Esito Leggi(std::string_view riga);
    // The number of the line read last, from 1.
    int64_t Riga() const { return riga_; }

    // The pair of the last line read as Coppia: its values and its fields' texts.
    double X() const { return x_; }
    double Y() const { return y_; }
    std::string_view TestoX() const { return testoX_; }
    std::string_view TestoY() const { return testoY_; }
    // The header skipped, if any: a text that held no pair at all is told by it.
    struct Intestazione {
        int64_t riga;
        std::string testo;
    };
    const std::optional<Intestazione>& IntestazioneSaltata() const { return intestazione_; }

private:
    RegolaCoppie regola_;
    int64_t riga_ = 0;
    bool primaRiga_ = true;  // no non-blank line yet
    std::optional<Intestazione> intestazione_;
    double x_ = 0, y_ = 0;
    std::string_view testoX_, testoY_;
};

// Calls `riga` with each line of the text, without its end (CR LF, LF or CR),
// until it returns false; no call for the empty text after a final line end.
template <typename F>
void PerRiga(std::string_view testo, F&& riga)
{
    while (!testo.empty()) {
        const size_t fine = std::min(testo.find_first_of("\r\n"), testo.size());
        if (!riga(testo.substr(0, fine)))
            return;
        size_t dopo = fine;
        if (dopo < testo.size())
            dopo += testo.compare(dopo, 2, "\r\n") == 0 ? 2 : 1;
        testo.remove_prefix(dopo);
    }
}
