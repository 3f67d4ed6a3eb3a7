#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers as text, shared by every window, the printed listings and the data
// file. Free of any toolkit: the user's separators come in as arguments
// (UTF-8 text, since some locales group with a non-breaking space).
struct Separatori {
    std::string decimale = ",";
    std::string gruppo = ".";

    static Separatori Italiani() { return {",", "."}; }
    static Separatori Inglesi() { return {".", ","}; }
};

// At most 15 significant digits, no trailing zeros, no separator for whole
// values, exponent form E+20 / E-07 for large or small magnitudes, the given
// decimal separator, never a group separator. -0 is written as 0.
std::string FormaGenerale(double valore, const Separatori& sep);

// The general form with at most `cifre` significant digits (1 to 17): the
// exponent form where fixed notation would need more, so that a small
// magnitude never reads as 0.
std::string FormaCifre(double valore, int cifre, const Separatori& sep);

// The shortest text that reads back as the same double (17 significant
// digits at most), the given decimal separator, exponent form E-05 where it
// is shorter; -0 is written as 0.
std::string FormaEsatta(double valore, const Separatori& sep);

// Printed lines, text table, graph labels: a blank (or the minus sign) before
// the general form and one blank after it.
std::string FormaStampa(double valore, const Separatori& sep);

// The data file's form: the general form with the period, whatever the locale.
std::string FormaScrittura(double valore);

// The value of the number at the start of a text: sign, digits, a period and an
// exponent; blanks, tabs and line feeds are skipped anywhere; 0 when there is
// no number. A magnitude beyond the double range gives an infinity.
double ValoreIniziale(std::string_view testo);

// The whole text as a number in the user's conventions: optional sign, digits
// (group separators only in proper groups of the whole part: one to three
// digits, then groups of exactly three, as in 1.234.567,5), the decimal
// separator, an exponent; blanks around it allowed. Anything else, and a
// value beyond the double range, is a failure: nullopt, never 0.
std::optional<double> ConvertiTesto(std::string_view testo, const Separatori& sep);

// Whole-number conversions: halves round to the even neighbour; a value that
// is not finite or falls outside the type's range throws std::overflow_error.
int16_t ConvertiIntero16(double valore);
int32_t ConvertiIntero32(double valore);

// Rounds to the given number of decimals, halves to the even neighbour.
double Arrotonda(double valore, int decimali);

// A data-file number field: the period as decimal separator, no group
// separators, blanks around it allowed. nullopt when it is not a finite number;
// a magnitude beyond the largest double but not beyond 1.79769313486232E+308
// (how the data file writes the largest doubles) reads as the largest double.
std::optional<double> LeggiNumeroCampo(std::string_view campo);
