#include "CoppieTesto.h"

#include <utility>

namespace {

std::string_view SenzaSpazi(std::string_view t)
{
    while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    return t;
}

// Calls `campo` with each field of the line (see LettoreCoppie).
template <typename F>
void PerCampo(std::string_view riga, const RegolaCoppie& regola, F&& campo)
{
    char separatore = ' ';
    for (const char c : std::string_view(regola.virgolaSepara ? "\t;," : "\t;"))
        if (riga.find(c) != std::string_view::npos) {
            separatore = c;
            break;
        }
    if (separatore == ' ') {
        for (size_t i = riga.find_first_not_of(' '); i != std::string_view::npos;) {
            const size_t fine = std::min(riga.find(' ', i), riga.size());
            campo(riga.substr(i, fine - i));
            i = riga.find_first_not_of(' ', fine);
        }
        return;
    }
    size_t vuoti = 0;  // empty fields held back: those at the end are dropped
    for (;;) {
        const size_t fine = std::min(riga.find(separatore), riga.size());
        const std::string_view testo = SenzaSpazi(riga.substr(0, fine));
        if (testo.empty()) {
            ++vuoti;
        } else {
            for (; vuoti > 0; --vuoti)
                campo(std::string_view());
            campo(testo);
        }
        if (fine == riga.size())
            return;
        riga.remove_prefix(fine + 1);
    }
}

} // namespace

RegolaCoppie RegolaAppunti(const Separatori& sep)
{
    return {sep, false, false};
}

RegolaCoppie RegolaTabella(const Separatori& sep)
{
    return {sep, sep.decimale != ",", true};
}

std::optional<double> NumeroCoppia(std::string_view campo, const RegolaCoppie& regola)
{
    if (regola.anchePunto)
        if (const auto v = LeggiNumeroCampo(campo))
            return v;
    return ConvertiTesto(campo, regola.sep);
}

LettoreCoppie::Esito LettoreCoppie::Leggi(std::string_view riga)
{
    ++riga_;
    if (riga_ == 1 && riga.substr(0, 3) == "\xEF\xBB\xBF")
        riga.remove_prefix(3);
    std::string_view campi[2];
    size_t n = 0;
    bool numeri = false;
    PerCampo(riga, regola_, [&](std::string_view campo) {
        if (n < 2)
            campi[n] = campo;
        ++n;
        // Only a first line may be a header: the others need no look at every field.
        if (primaRiga_ && !numeri)
            numeri = NumeroCoppia(campo, regola_).has_value();
    });
    if (n == 0)
        return Esito::Saltata;
    const bool prima = std::exchange(primaRiga_, false);
    if (prima && !numeri) {
        intestazione_ = Intestazione{riga_, std::string(riga)};
        return Esito::Saltata;
    }
    if (n != 2)
        return Esito::NonCoppia;
    const auto x = NumeroCoppia(campi[0], regola_);
    const auto y = x ? NumeroCoppia(campi[1], regola_) : std::nullopt;
    if (!y)
        return Esito::NonCoppia;
    x_ = *x;
    y_ = *y;
    testoX_ = campi[0];
    testoY_ = campi[1];
    return Esito::Coppia;
}
