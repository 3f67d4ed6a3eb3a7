#include "FileDati.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <system_error>

namespace {

// A field longer than this is no number and no degree: refusing it keeps a
// huge single-line file from being read into memory.
constexpr size_t LunghezzaMassimaCampo = 1024;

const std::string FineRiga = "\r\n";

bool Utf8Valido(std::string_view s)
{
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t seguito = 0;
        unsigned char minimo = 0x80, massimo = 0xBF;  // range of the first continuation byte
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            seguito = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            seguito = 2;
            if (c == 0xE0) minimo = 0xA0;
            if (c == 0xED) massimo = 0x9F;  // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            seguito = 3;
            if (c == 0xF0) minimo = 0x90;
            if (c == 0xF4) massimo = 0x8F;
        } else {
            return false;
        }
        if (i + seguito >= s.size()) return false;
        for (size_t k = 1; k <= seguito; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            const unsigned char lo = k == 1 ? minimo : static_cast<unsigned char>(0x80);
            const unsigned char hi = k == 1 ? massimo : static_cast<unsigned char>(0xBF);
            if (d < lo || d > hi) return false;
        }
        i += seguito + 1;
    }
    return true;
}

// The file is text in a single-byte code page when it is not UTF-8; Latin-1 is
// the portable reading of it, and the rest of the program wants UTF-8.
std::string InUtf8(std::string_view s)
{
    if (Utf8Valido(s)) return std::string(s);
    std::string r;
    r.reserve(s.size() * 2);
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            r += ch;
        } else {
            r += static_cast<char>(0xC0 | (c >> 6));
            r += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return r;
}

// A field's text fit for a message: short, UTF-8, no control characters.
std::string CitaCampo(std::string_view testo)
{
    constexpr size_t Massimo = 40;
    const bool tagliato = testo.size() > Massimo;
    std::string_view corto = testo.substr(0, Massimo);
    if (tagliato && Utf8Valido(testo)) {
        // Cut before a character, not inside it.
        while (!corto.empty() && (static_cast<unsigned char>(testo[corto.size()]) & 0xC0) == 0x80)
            corto.remove_suffix(1);
    }
    std::string r = InUtf8(corto);
    for (char& c : r)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return "\"" + r + (tagliato ? "...\"" : "\"");
}

std::string IlFile(const std::string& nome) { return "Il file \"" + nome + "\""; }

ErroreFileDati NonValido(const std::string& nome, NumeroRiga riga, const std::string& dettaglio)
{
    return ErroreFileDati(IlFile(nome) + " non è valido: alla riga " + std::to_string(riga) + " " +
                          dettaglio + ".");
}

struct Campo {
    std::string testo;
    bool virgolette = false;
    NumeroRiga riga = 0;
};

// Reads fields the way the data file separates them: a comma or a line end
// ends a field, blanks around it are dropped, blank lines hold no field.
class LettoreCampi {
public:
    LettoreCampi(std::istream& ingresso, const std::string& nome)
        : buf_(ingresso.rdbuf()), nome_(nome)
    {
        if (!buf_) throw ErroreFileDati("Impossibile leggere il file \"" + nome + "\".");
        SaltaBom();
    }

    // The next field, or nullopt at the end of the file.
    std::optional<Campo> Prossimo()
    {
        for (;;) {
            SaltaSpazi();
            const int c = Guarda();
            if (c == Eof) {
                if (inizioRiga_) return std::nullopt;
                // A comma before the end of the file leaves one empty field.
                inizioRiga_ = true;
                return Campo{{}, false, riga_};
            }
            if (c == '\r' || c == '\n') {
                if (inizioRiga_) {  // a blank line
                    ConsumaFineRiga();
                    continue;
                }
                Campo vuoto{{}, false, riga_};
                ConsumaFineRiga();
                inizioRiga_ = true;
                return vuoto;
            }
            Campo campo{{}, false, riga_};
            if (c == '"')
                LeggiTraVirgolette(campo);
            else
                LeggiSemplice(campo);
            ConsumaSeparatore();
            return campo;
        }
    }

private:
    static constexpr int Eof = std::char_traits<char>::eof();

    // Bytes taken back (an incomplete byte order mark) come before the stream's.
    int Guarda()
    {
        if (ripresi_ < presi_.size()) return static_cast<unsigned char>(presi_[ripresi_]);
        return buf_->sgetc();
    }
    int Prendi()
    {
        if (ripresi_ < presi_.size()) return static_cast<unsigned char>(presi_[ripresi_++]);
        return buf_->sbumpc();
    }

    void SaltaBom()
    {
        static constexpr unsigned char Bom[] = {0xEF, 0xBB, 0xBF};
        for (unsigned char b : Bom) {
            if (buf_->sgetc() != b) {
                ripresi_ = 0;  // not a mark after all: the bytes belong to the first field
                return;
            }
            presi_ += static_cast<char>(buf_->sbumpc());
        }
        presi_.clear();
    }

    void SaltaSpazi()
    {
        for (int c = Guarda(); c == ' ' || c == '\t'; c = Guarda()) Prendi();
    }

    void ConsumaFineRiga()
    {
        if (Prendi() == '\r' && Guarda() == '\n') Prendi();
        ++riga_;
    }

    void Aggiungi(Campo& campo, int c)
    {
        if (campo.testo.size() >= LunghezzaMassimaCampo)
            throw NonValido(nome_, campo.riga,
                            "un campo supera i " + std::to_string(LunghezzaMassimaCampo) +
                                " caratteri");
        campo.testo += static_cast<char>(c);
    }

    // Blanks are held back until a character follows them: those at the end
    // are dropped and do not count toward the limit.
    void LeggiSemplice(Campo& campo)
    {
        std::string blank;
        for (int c = Guarda(); c != Eof && c != ',' && c != '\r' && c != '\n'; c = Guarda()) {
            Prendi();
            if (c == ' ' || c == '\t') {
                // Blanks beyond the limit make the field too long only if a character follows.
                if (campo.testo.size() + blank.size() < LunghezzaMassimaCampo) blank += static_cast<char>(c);
                continue;
            }
            for (const char b : blank) Aggiungi(campo, b);
            blank.clear();
            Aggiungi(campo, c);
        }
    }

    void LeggiTraVirgolette(Campo& campo)
    {
        campo.virgolette = true;
        Prendi();
        for (int c = Guarda();; c = Guarda()) {
            if (c == Eof || c == '\r' || c == '\n')
                throw NonValido(nome_, campo.riga, "le virgolette aperte non sono chiuse");
            Prendi();
            if (c == '"') break;
            Aggiungi(campo, c);
        }
        SaltaSpazi();
        const int c = Guarda();
        if (c != Eof && c != ',' && c != '\r' && c != '\n')
            throw NonValido(nome_, campo.riga, "c'è del testo dopo le virgolette di chiusura");
    }

    void ConsumaSeparatore()
    {
        const int c = Guarda();
        if (c == ',') {
            Prendi();
            inizioRiga_ = false;
        } else if (c == '\r' || c == '\n') {
            ConsumaFineRiga();
            inizioRiga_ = true;
        } else {
            inizioRiga_ = true;  // end of file
        }
    }

    std::streambuf* buf_;
    const std::string& nome_;
    std::string presi_;  // bytes taken while looking for a byte order mark
    size_t ripresi_ = 0;
    NumeroRiga riga_ = 1;
    bool inizioRiga_ = true;
};

class LettoreDati {
public:
    LettoreDati(std::istream& ingresso, const std::string& nome) : campi_(ingresso, nome), nome_(nome) {}

    // The next field; `mancante()` says what the file lacks when it has ended
    // (built only then: the loop over the points is hot).
    template <typename Mancante>
    Campo Richiedi(const Mancante& mancante)
    {
        auto campo = campi_.Prossimo();
        if (!campo) throw ErroreFileDati(IlFile(nome_) + " è incompleto: " + mancante() + ".");
        return std::move(*campo);
    }

    // A field that must be a number; `nomeCampo()` names it in a message.
    template <typename NomeCampo>
    double Numero(const Campo& campo, const NomeCampo& nomeCampo)
    {
        if (auto v = LeggiNumeroCampo(campo.testo)) return *v;
        const std::string cosa = nomeCampo();
        if (campo.testo.empty() && !campo.virgolette)
            throw NonValido(nome_, campo.riga, cosa + " è un campo vuoto, non un numero");
        throw NonValido(nome_, campo.riga, cosa + " (" + CitaCampo(campo.testo) + ") non è un numero");
    }

private:
    LettoreCampi campi_;
    const std::string& nome_;
};

// A number, quoted or not, is shown in the user's form: "1.0" left as text
// would read as ten where the period groups digits. The general form only
// when it keeps the value (2.0000000000000004 is no whole degree), else the
// file's own digits: the degree then checks as the same text typed by hand.
std::string TestoGrado(const std::string& campo, const Separatori& sep)
{
    const auto numero = LeggiNumeroCampo(campo);
    if (!numero) return InUtf8(campo);
    const std::string forma = FormaGenerale(*numero, sep);
    if (ConvertiTesto(forma, sep) == numero) return forma;
    std::string proprio;
    for (const char c : campo) proprio += c == '.' ? sep.decimale : std::string(1, c);
    return proprio;
}

std::string CampoDouble(double v) { return std::isfinite(v) ? FormaScrittura(v) : std::string(); }

}  // namespace

std::string TestoPercorso(const std::filesystem::path& percorso)
{
    const std::u8string u8 = percorso.u8string();
    return std::string(reinterpret_cast<const char*>(u8.data()), u8.size());
}

std::string TestoFileDati(const StatoProgramma& stato, const std::string& nome)
{
    if (!stato.polinomio)
        throw ErroreFileDati("Impossibile salvare \"" + nome +
                             "\": non è ancora stato calcolato nessun polinomio.");
    const Polinomio& poli = *stato.polinomio;
    const MySource& punti = stato.punti;
    const int32_t n = punti.NumeroElementi();
    const int16_t gr = poli.Grado();

    std::string testo = std::to_string(n) + "," + std::to_string(gr) + FineRiga;
    for (int32_t i = 0; i < n; ++i) {
        const double x = punti.X(i), y = punti.Y(i);
        // A point the reader would refuse must not reach the file.
        if (!std::isfinite(x) || !std::isfinite(y))
            throw ErroreFileDati("Impossibile salvare \"" + nome + "\": il punto " +
                                 std::to_string(i + 1) + " non ha coordinate finite.");
        testo += FormaScrittura(x) + "," + FormaScrittura(y) + "," +
                 CampoDouble(poli.ValorePolinomio(x)) + FineRiga;
    }
    for (int32_t k = 0; k <= gr; ++k) testo += CampoDouble(poli.Coeff(k)) + FineRiga;
    return testo;
}

void CaricaFileDati(MySource& punti, std::istream& ingresso, const std::string& nome,
                    const Separatori& sep, const ImpostaTestoGrado& impostaTestoGrado)
{
    LettoreDati lettore(ingresso, nome);

    const Campo campoN = lettore.Richiedi([] { return std::string("mancano il numero di punti e il grado"); });
    const double valoreN = lettore.Numero(campoN, [] { return std::string("il numero di punti"); });
    int32_t n = 0;
    try {
        n = ConvertiIntero32(valoreN);
    } catch (const std::overflow_error&) {
        throw NonValido(nome, campoN.riga,
                        "il numero di punti (" + CitaCampo(campoN.testo) + ") è fuori intervallo");
    }

    const Campo campoGrado = lettore.Richiedi([] { return std::string("manca il grado dopo il numero di punti"); });
    if (impostaTestoGrado) impostaTestoGrado(TestoGrado(campoGrado.testo, sep));

    // Refuse before appending anything: a half-loaded set is worse than none.
    const int32_t spazio = MySource::Capacita - punti.NumeroElementi();
    if (n > spazio)
        throw ErroreFileDati(IlFile(nome) + " contiene " + std::to_string(n) +
                             " punti, ma se ne possono aggiungere solo " + std::to_string(spazio) +
                             " (al massimo " + std::to_string(MySource::Capacita) +
                             " in tutto): nessun punto del file è stato caricato.");

    for (int32_t i = 0; i < n; ++i) {
        const auto mancante = [&] {
            return "finisce dopo " + std::to_string(i) + " dei " + std::to_string(n) + " punti annunciati";
        };
        const auto punto = [&](const char* quale) {
            return std::string(quale) + " del punto " + std::to_string(i + 1);
        };
        const double x = lettore.Numero(lettore.Richiedi(mancante), [&] { return punto("la X"); });
        const double y = lettore.Numero(lettore.Richiedi(mancante), [&] { return punto("la Y"); });
        const Campo campoP = lettore.Richiedi(mancante);
        // P is dropped; empty stands for a value beyond the double range.
        if (!campoP.testo.empty() || campoP.virgolette)
            lettore.Numero(campoP, [&] { return punto("la P"); });
        punti.Add(x, y);
    }
}

void CaricaFileDati(MySource& punti, const std::filesystem::path& percorso, const Separatori& sep,
                    const ImpostaTestoGrado& impostaTestoGrado)
{
    const std::string nome = TestoPercorso(percorso);
    std::ifstream file = ApriInLettura(percorso, nome);
    CaricaFileDati(punti, file, nome, sep, impostaTestoGrado);
}

std::ifstream ApriInLettura(const std::filesystem::path& percorso, const std::string& nome)
{
    std::error_code ec;
    if (std::filesystem::is_directory(percorso, ec))
        throw ErroreFileDati("Impossibile aprire il file \"" + nome + "\": è una cartella.");
    std::ifstream file(percorso, std::ios::binary);
    if (!file.is_open()) throw ErroreFileDati("Impossibile aprire il file \"" + nome + "\".");
    return file;
}

std::string CitaTestoFile(std::string_view testo) { return CitaCampo(testo); }

ErroreFileDati RigaNonValida(const std::string& nome, NumeroRiga riga, const std::string& dettaglio)
{
    return NonValido(nome, riga, dettaglio);
}
