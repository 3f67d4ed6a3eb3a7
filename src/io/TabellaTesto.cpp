#include "TabellaTesto.h"

#include "CoppieTesto.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <istream>
#include <utility>
#include <vector>

namespace {

// No pair needs a longer line: refusing it keeps a file without line ends
// from being read into memory whole.
constexpr size_t LunghezzaMassimaRiga = 4096;

// The next line without its end (CR LF, LF or CR) into `riga`, at most one
// character beyond the limit. False at the end of the file.
bool LeggiRiga(std::streambuf& buf, std::string& riga)
{
    using Tratti = std::char_traits<char>;
    riga.clear();
    int c = buf.sbumpc();
    if (c == Tratti::eof())
        return false;
    for (; c != Tratti::eof() && c != '\n'; c = buf.sbumpc()) {
        if (c == '\r') {
            if (buf.sgetc() == '\n')
                buf.sbumpc();
            break;
        }
        if (riga.size() <= LunghezzaMassimaRiga)
            riga += static_cast<char>(c);
    }
    return true;
}

// A line of the file quoted in a message, its tabs shown as blanks.
std::string Citata(std::string riga)
{
    std::replace(riga.begin(), riga.end(), '\t', ' ');
    return CitaTestoFile(riga);
}

} // namespace

bool ETabellaTesto(const std::filesystem::path& percorso)
{
    std::string est = percorso.extension().string();
    std::transform(est.begin(), est.end(), est.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return est == ".csv" || est == ".txt" || est == ".tsv";
}

void CaricaTabellaTesto(MySource& punti, const std::filesystem::path& percorso, const Separatori& sep)
{
    const std::string nome = TestoPercorso(percorso);
    std::ifstream ingresso = ApriInLettura(percorso, nome);
    CaricaTabellaTesto(punti, ingresso, nome, sep);
}

void CaricaTabellaTesto(MySource& punti, std::istream& ingresso, const std::string& nome, const Separatori& sep)
{
    std::streambuf* buf = ingresso.rdbuf();
    if (!buf)
        throw ErroreFileDati("Impossibile leggere il file \"" + nome + "\".");
    // Held until the end: a table too long for the room left adds nothing,
    // as a data file announcing too many points; a bad line keeps those before it.
    const auto spazio = static_cast<size_t>(MySource::Capacita - punti.NumeroElementi());
    std::vector<std::pair<double, double>> letti;
    const auto aggiungiLetti = [&] {
        for (const auto& [x, y] : letti)
            punti.Add(x, y);
    };
    LettoreCoppie lettore(RegolaTabella(sep));
    std::string riga;
    while (LeggiRiga(*buf, riga)) {
        if (riga.size() > LunghezzaMassimaRiga) {
            aggiungiLetti();
            throw RigaNonValida(nome, lettore.Riga() + 1,
                                "il testo supera i " + std::to_string(LunghezzaMassimaRiga) + " caratteri");
        }
        switch (lettore.Leggi(riga)) {
        case LettoreCoppie::Esito::Saltata:
            break;
        case LettoreCoppie::Esito::NonCoppia:
            aggiungiLetti();
            throw RigaNonValida(nome, lettore.Riga(), Citata(riga) + " non è una coppia di numeri");
        case LettoreCoppie::Esito::Coppia:
            if (letti.size() == spazio)
                throw ErroreFileDati("Il file \"" + nome + "\" contiene più punti di quanti se ne possono aggiungere (" +
                                     std::to_string(spazio) + ", al massimo " + std::to_string(MySource::Capacita) +
                                     " in tutto): nessun punto del file è stato caricato.");
            letti.emplace_back(lettore.X(), lettore.Y());
            break;
        }
    }
    // A header alone is no table: the line that is not a pair says what the file holds.
    if (letti.empty() && lettore.IntestazioneSaltata())
        throw RigaNonValida(nome, lettore.IntestazioneSaltata()->riga,
                            Citata(lettore.IntestazioneSaltata()->testo) + " non è una coppia di numeri");
    if (letti.empty())
        throw ErroreFileDati("Il file \"" + nome + "\" non contiene coppie di numeri.");
    aggiungiLetti();
}
