#include "NumeriTesto.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

bool cifra(char c) { return c >= '0' && c <= '9'; }
bool blank(char c) { return c == ' ' || c == '\t'; }

std::string_view senzaBlank(std::string_view t)
{
    while (!t.empty() && blank(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && blank(t.back()))
        t.remove_suffix(1);
    return t;
}

// Exponents are 64-bit and saturate here, far beyond any double's and far
// below the type's limit: the mantissa's digits shift them by at most the
// text's length, so no sum overflows, whatever the width of long.
constexpr int64_t EsponenteMassimo = int64_t{1} << 50;

// The significant digits of a normalised number text ("-12.5e3", no '+')
// and its decimal exponent: the magnitude is 0.cifre times 10^esponente.
// Trailing zeros are dropped; no digits for zero.
void CifreEsponente(std::string_view s, std::string& cifre, int64_t& esponente)
{
    const size_t e = s.find_first_of("eE");
    const std::string_view mantissa = s.substr(0, e);
    esponente = 0;
    if (e != std::string_view::npos) {
        const bool meno = s.substr(e + 1, 1) == "-";
        for (const char c : s.substr(e + 1 + (meno ? 1 : 0)))
            esponente = std::min(esponente * 10 + (c - '0'), EsponenteMassimo);
        if (meno)
            esponente = -esponente;
    }
    const size_t punto = std::min(mantissa.find('.'), mantissa.size());
    const size_t primo = mantissa.find_first_of("123456789");
    cifre.clear();
    if (primo == std::string_view::npos)
        return;
    for (size_t i = primo; i < mantissa.size(); ++i)
        if (cifra(mantissa[i]))
            cifre += mantissa[i];
    while (cifre.back() == '0')
        cifre.pop_back();
    esponente += static_cast<int64_t>(punto) - static_cast<int64_t>(primo) + (primo < punto ? 0 : 1);
}

// For a number text out of the double range: true when it is too large,
// false when too small.
bool grandeOltreIntervallo(std::string_view s)
{
    std::string cifre;
    int64_t esponente = 0;
    CifreEsponente(s, cifre, esponente);
    return !cifre.empty() && esponente > 1;
}

// Reads a normalised ASCII number ("-12.5e3", no '+' in front). Overflow gives
// an infinity of the right sign, underflow zero.
double daAscii(const std::string& s)
{
    double v = 0.0;
    const char* inizio = s.data();
    const char* fine = s.data() + s.size();
    bool negativo = false;
    if (inizio != fine && *inizio == '-') {
        negativo = true;
        ++inizio;
    }
    auto [ptr, ec] = std::from_chars(inizio, fine, v);
    if (ec == std::errc::result_out_of_range) {
        v = grandeOltreIntervallo(std::string_view(inizio, static_cast<size_t>(fine - inizio)))
                ? std::numeric_limits<double>::infinity()
                : 0.0;
    } else if (ec != std::errc() || ptr != fine) {
        v = 0.0;
    }
    return negativo ? -v : v;
}

// Appends an exponent ("e-07") read from t at i, when one is there. The
// marker is dropped when no digit follows it.
void leggiEsponente(std::string_view t, size_t& i, std::string& out, bool saltaBlank)
{
    auto salta = [&](size_t& j) {
        while (saltaBlank && j < t.size() && (blank(t[j]) || t[j] == '\n'))
            ++j;
    };
    size_t j = i;
    salta(j);
    if (j >= t.size() || (t[j] != 'E' && t[j] != 'e' && t[j] != 'D' && t[j] != 'd'))
        return;
    ++j;
    salta(j);
    std::string esp = "e";
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) {
        if (t[j] == '-')
            esp += '-';
        ++j;
        salta(j);
    }
    bool qualche = false;
    while (j < t.size() && cifra(t[j])) {
        esp += t[j];
        qualche = true;
        ++j;
        salta(j);
    }
    if (!qualche)
        return;
    out += esp;
    i = j;
}

double arrotondaPari(double v)
{
    const double giu = std::floor(v);
    const double resto = v - giu;
    if (resto > 0.5)
        return giu + 1.0;
    if (resto < 0.5)
        return giu;
    return std::fmod(giu, 2.0) == 0.0 ? giu : giu + 1.0;
}

template <typename Intero>
Intero interoConArrotondamento(double valore)
{
    if (!std::isfinite(valore))
        throw std::overflow_error("Overflow");
    const double r = arrotondaPari(valore);
    if (r < static_cast<double>(std::numeric_limits<Intero>::min())
        || r > static_cast<double>(std::numeric_limits<Intero>::max()))
        throw std::overflow_error("Overflow");
    return static_cast<Intero>(r);
}

void sostituisci(std::string& s, char da, const std::string& a)
{
    for (size_t pos = s.find(da); pos != std::string::npos; pos = s.find(da, pos + a.size()))
        s.replace(pos, 1, a);
}

// to_chars' text with the program's exponent marker and the user's separator.
std::string Adatta(const char* inizio, const char* fine, const Separatori& sep)
{
    std::string s(inizio, fine);
    for (char& c : s)
        if (c == 'e')
            c = 'E';
        else if (c == 'i' || c == 'n' || c == 'f' || c == 'a')
            c = static_cast<char>(c - 'a' + 'A');
    if (sep.decimale != ".")
        sostituisci(s, '.', sep.decimale);
    return s;
}

} // namespace

std::string FormaCifre(double valore, int cifre, const Separatori& sep)
{
    if (valore == 0.0)
        valore = 0.0;  // no "-0"
    // %.nG without the C library's locale and at a fraction of its cost.
    char buf[40];
    const auto fine = std::to_chars(buf, buf + sizeof buf, valore, std::chars_format::general,
                                    std::clamp(cifre, 1, 17)).ptr;
    return Adatta(buf, fine, sep);
}

std::string FormaGenerale(double valore, const Separatori& sep)
{
    return FormaCifre(valore, 15, sep);
}

std::string FormaEsatta(double valore, const Separatori& sep)
{
    if (valore == 0.0)
        valore = 0.0;  // no "-0"
    char buf[40];
    const auto fine = std::to_chars(buf, buf + sizeof buf, valore).ptr;
    return Adatta(buf, fine, sep);
}

std::string FormaStampa(double valore, const Separatori& sep)
{
    const std::string g = FormaGenerale(valore, sep);
    return (g.front() == '-' ? g : " " + g) + " ";
}

std::string FormaScrittura(double valore)
{
    return FormaGenerale(valore, Separatori{".", ""});
}

double ValoreIniziale(std::string_view t)
{
    auto ignorato = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
    size_t i = 0;
    auto salta = [&] {
        while (i < t.size() && ignorato(t[i]))
            ++i;
    };
    std::string num;
    salta();
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-')
            num += '-';
        ++i;
        salta();
    }
    bool cifre = false;
    while (i < t.size() && cifra(t[i])) {
        num += t[i++];
        cifre = true;
        salta();
    }
    if (i < t.size() && t[i] == '.') {
        num += '.';
        ++i;
        salta();
        while (i < t.size() && cifra(t[i])) {
            num += t[i++];
            cifre = true;
            salta();
        }
    }
    if (!cifre)
        return 0.0;
    leggiEsponente(t, i, num, true);
    return daAscii(num);
}

namespace {

// The whole text as a normalised ASCII number, or nullopt when it is not one.
std::optional<std::string> NumeroNormalizzato(std::string_view testo, const Separatori& sep)
{
    const std::string_view t = senzaBlank(testo);
    auto inizia = [&](size_t i, const std::string& s) {
        return !s.empty() && t.substr(i, s.size()) == s;
    };
    size_t i = 0;
    std::string num;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-')
            num += '-';
        ++i;
    }
    // Group separators only where the locale would write them (1.234.567):
    // "2.5" typed in Italian is a mistake, not 25.
    bool cifre = false, raggruppato = false;
    size_t nelGruppo = 0;  // digits since the start or the last group separator
    while (i < t.size()) {
        if (cifra(t[i])) {
            num += t[i++];
            cifre = true;
            ++nelGruppo;
        } else if (cifre && !inizia(i, sep.decimale) && inizia(i, sep.gruppo)) {
            if (raggruppato ? nelGruppo != 3 : nelGruppo > 3)
                return std::nullopt;
            raggruppato = true;
            nelGruppo = 0;
            i += sep.gruppo.size();
        } else {
            break;
        }
    }
    if (raggruppato && nelGruppo != 3)
        return std::nullopt;
    if (inizia(i, sep.decimale)) {
        num += '.';
        i += sep.decimale.size();
        while (i < t.size() && cifra(t[i])) {
            num += t[i++];
            cifre = true;
        }
    }
    if (!cifre)
        return std::nullopt;
    leggiEsponente(t, i, num, false);
    if (i != t.size())
        return std::nullopt;
    return num;
}

} // namespace

std::optional<double> ConvertiTesto(std::string_view testo, const Separatori& sep)
{
    const auto num = NumeroNormalizzato(testo, sep);
    if (!num)
        return std::nullopt;
    const double v = daAscii(*num);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

int16_t ConvertiIntero16(double valore) { return interoConArrotondamento<int16_t>(valore); }
int32_t ConvertiIntero32(double valore) { return interoConArrotondamento<int32_t>(valore); }

double Arrotonda(double valore, int decimali)
{
    if (!std::isfinite(valore) || decimali < 0 || decimali > 22)
        return valore;
    const double scala = std::pow(10.0, decimali);
    const double scalato = valore * scala;
    if (!std::isfinite(scalato) || std::abs(scalato) >= 4503599627370496.0)  // 2^52: already whole
        return valore;
    return arrotondaPari(scalato) / scala;
}

std::optional<double> LeggiNumeroCampo(std::string_view campo)
{
    const auto num = NumeroNormalizzato(campo, Separatori{".", ""});
    if (!num)
        return std::nullopt;
    const double v = daAscii(*num);
    if (std::isfinite(v))
        return v;
    // Fifteen digits write the largest doubles as 1.79769313486232E+308, just
    // beyond the largest double: up to that text, read the largest double.
    std::string cifre;
    int64_t esponente = 0;
    CifreEsponente(*num, cifre, esponente);
    if (esponente == 309 && cifre <= "179769313486232")
        return std::copysign(std::numeric_limits<double>::max(), v);
    return std::nullopt;
}
