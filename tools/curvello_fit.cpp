// curvello-fit FILE.cv [GRADO]: loads a data file as Open does, fits the
// polynomial as "Calcolo" does and writes to standard output the data file
// that Save would write. For batch use and end-to-end tests.
// With --grafico FILE it also writes the chart of the fit, as PNG, SVG or PDF
// by the name's extension (--dimensioni LARGHEZZAxALTEZZA, 800x600 when not given).
// With --stampa FILE.pdf it also writes the printed report: the pairs, the
// triples, the coefficients, the statistics and the graph, headed by
// --intestazione TESTO or else by the header stored in the user's settings.
// With --json it writes instead of the data file the fit and its statistics
// as one JSON object.

#include "Curvello.h"
#include "FileDati.h"
#include "GraficoDocumento.h"
#include "ImmagineGrafico.h"
#include "SeparatoriLocale.h"
#include "Stampante.h"
#include "StatoGrafico.h"
#include "StatoProgramma.h"
#include "Statistiche.h"
#include "TabellaTesto.h"
#include "Tabulati.h"

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QMap>
#include <QRegularExpression>
#include <QSettings>
#include <QStringList>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

enum CodiceUscita {
    Riuscito = 0,
    Rifiutato = 1,
    Interrotto = 2,
    FileIlleggibile = 3,
    UsoErrato = 64,
    ErroreInterno = 70,
    UscitaNonScritta = 74,
};

const char* const Uso = "Uso: curvello-fit FILE.cv [GRADO]   (FILE.cv = - legge lo standard input)\n"
                        "     curvello-fit FILE.cv [GRADO] --grafico FILE.png|.svg|.pdf [--dimensioni LARGHEZZAxALTEZZA]\n"
                        "     curvello-fit FILE.cv [GRADO] --stampa FILE.pdf [--intestazione TESTO]\n"
                        "     curvello-fit FILE.cv [GRADO] --json\n";

// The chart asked for with --grafico.
struct RichiestaGrafico {
    std::filesystem::path percorso;
    FormatoGrafico formato;
    QSize dimensioni{800, 600};
};
constexpr int LatoMassimo = 4096;

// The report asked for with --stampa; its graph page holds the plot of a
// window of this size.
struct RichiestaStampa {
    std::filesystem::path percorso;
    std::optional<QString> intestazione;
    QSize dimensioni{800, 600};
};

const QStringList OpzioniConValore = {"--grafico", "--dimensioni", "--stampa", "--intestazione"};
const QStringList NomiOpzioni = OpzioniConValore + QStringList{"--help", "-h", "--json"};

// The picture and the report need a GUI application, though never a display.
bool ServeGrafica(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--grafico" || std::string(argv[i]) == "--stampa")
            return true;
    return false;
}

// Takes the options and their values out of the arguments, each at most once,
// with where each value stood; origine keeps where each remaining one stood.
// False: wrong usage.
bool PrendiOpzioni(QStringList& argomenti, QList<int>& origine, QMap<QString, int>& opzioni)
{
    for (int i = 0; i < argomenti.size(); ++i)
        origine << i;
    for (int i = 1; i < argomenti.size();) {
        const QString a = argomenti[i];
        if (!OpzioniConValore.contains(a)) {
            ++i;
            continue;
        }
        // "--stampa --grafico x.cv" lacks a name: an option is never a value.
        if (i + 1 >= argomenti.size() || opzioni.contains(a) || NomiOpzioni.contains(argomenti[i + 1]))
            return false;
        opzioni.insert(a, origine[i + 1]);
        argomenti.remove(i, 2);
        origine.remove(i, 2);
    }
    return true;
}

// Takes the switch --json out of the arguments. False: given twice.
bool PrendiJson(QStringList& argomenti, QList<int>& origine, bool& json)
{
    const qsizetype i = argomenti.indexOf("--json", 1);
    json = i > 0;
    if (json) {
        argomenti.removeAt(i);
        origine.removeAt(i);
    }
    return !argomenti.contains("--json");
}

// The fit and its statistics as one JSON object: each number the shortest
// text that reads back as the same double, with the period; null where a
// statistic is not defined.
std::string TestoJson(const StatoProgramma& stato, const StatisticheAdattamento& st)
{
    const Separatori punto{".", ""};
    auto numero = [&](std::optional<double> v) { return v ? FormaEsatta(*v, punto) : std::string("null"); };
    auto serie = [&](const std::vector<Statistica>& valori) {
        std::string t;
        for (const Statistica& v : valori)
            t += (t.empty() ? "" : ", ") + numero(v.valore);
        return "[" + t + "]";
    };
    std::vector<Statistica> coefficienti;
    for (int k = 0; k <= stato.polinomio->Grado(); ++k)
        coefficienti.push_back({stato.polinomio->Coeff(k)});
    std::string j = "{\n  \"grado\": " + std::to_string(st.grado) + ",\n  \"punti\": " + std::to_string(st.punti) +
                    ",\n  \"coefficienti\": " + serie(coefficienti) + ",\n  \"errori_standard\": " +
                    serie(st.erroriStandard) + ",\n  \"t\": " + serie(st.t) +
                    ",\n  \"gradi_di_liberta\": " + std::to_string(st.gradiDiLiberta);
    for (const auto& [nome, v] : {std::pair{"r2", st.r2}, {"r2_corretto", st.r2Corretto}, {"s", st.s},
                                  {"rss", st.rss}, {"tss", st.tss}, {"ssr", st.ssr}, {"f", st.f}})
        j += ",\n  \"" + std::string(nome) + "\": " + numero(v.valore);
    j += ",\n  \"terne\": [";
    const XYPoli& terne = *stato.terne;
    for (int32_t i = 0; i < terne.NumeroElementi(); ++i)
        j += std::string(i == 0 ? "\n" : ",\n") + "    {\"x\": " + numero(terne.X(i)) + ", \"y\": " +
             numero(terne.Y(i)) + ", \"p\": " + numero(terne.P(i)) + ", \"residuo\": " +
             numero(st.residui[static_cast<size_t>(i)].valore) + "}";
    return j + "\n  ]\n}\n";
}

std::filesystem::path Percorso(const QStringList& argomenti, char** argv, int i)
{
#ifdef _WIN32
    (void)argv;
    return std::filesystem::path(argomenti.at(i).toStdWString());  // argv is lossy on Windows
#else
    (void)argomenti;
    return std::filesystem::path(argv[i]);  // the exact bytes of the name
#endif
}

// The options as requests. False: wrong usage (a malformed size, a size or a
// header with nothing to apply it to).
bool LeggiRichieste(const QMap<QString, int>& opzioni, const QStringList& tutti, char** argv,
                    std::optional<RichiestaGrafico>& grafico, std::optional<RichiestaStampa>& stampa)
{
    if (opzioni.contains("--grafico")) {
        const std::optional<FormatoGrafico> formato = FormatoDaNome(tutti[opzioni["--grafico"]]);
        if (!formato)
            return false;
        grafico = RichiestaGrafico{Percorso(tutti, argv, opzioni["--grafico"]), *formato};
    }
    if (opzioni.contains("--stampa"))
        stampa = RichiestaStampa{Percorso(tutti, argv, opzioni["--stampa"]), std::nullopt};
    if (opzioni.contains("--intestazione")) {
        if (!stampa)
            return false;
        stampa->intestazione = tutti[opzioni["--intestazione"]];
    }
    if (!opzioni.contains("--dimensioni"))
        return true;
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^([0-9]{1,5})[xX]([0-9]{1,5})$")).match(tutti[opzioni["--dimensioni"]]);
    if ((!grafico && !stampa) || !m.hasMatch())
        return false;
    const QSize dimensioni(m.captured(1).toInt(), m.captured(2).toInt());
    if (dimensioni.width() < 1 || dimensioni.height() < 1 || dimensioni.width() > LatoMassimo ||
        dimensioni.height() > LatoMassimo)
        return false;
    if (grafico)
        grafico->dimensioni = dimensioni;
    if (stampa)
        stampa->dimensioni = dimensioni;
    return true;
}

// The header given, else the one the program keeps in the user's settings.
std::string Intestazione(const RichiestaStampa& stampa)
{
    if (stampa.intestazione)
        return stampa.intestazione->toStdString();
    QSettings impostazioni(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Curvello"),
                           QStringLiteral("Curvello"));
    return impostazioni.value(QStringLiteral("Settings/IntestazioneUtente")).toString().toStdString();
}

// Writes the bytes to the file of exactly that name (the name's bytes as
// given, not as text). False when they are not all written: a full disk.
bool ScriviFile(const std::filesystem::path& percorso, const QByteArray& byte)
{
    std::ofstream file(percorso, std::ios::binary | std::ios::trunc);
    file.write(byte.constData(), byte.size());
    file.close();
    return !file.fail();
}

class SenzaAvanzamento : public AscoltatoreAvanzamento {
public:
    void Mostra() override {}
    void Avanza(float) override {}
    void Chiudi() override {}
};

int Esegui(int argc, char** argv)
{
    // The picture needs widgets but never a display.
    std::unique_ptr<QCoreApplication> app;
    // Standard error carries the tool's own messages only, not the toolkit's notices.
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
        if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
            std::fprintf(stderr, "%s\n", testo.toLocal8Bit().constData());
    });
    if (ServeGrafica(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const QStringList tutti = QCoreApplication::arguments();
    if (tutti.size() == 2 && (tutti[1] == "--help" || tutti[1] == "-h")) {
        std::fputs(Uso, stdout);
        return Riuscito;
    }
    QStringList argomenti = tutti;
    QList<int> origine;
    QMap<QString, int> opzioni;
    std::optional<RichiestaGrafico> grafico;
    std::optional<RichiestaStampa> stampa;
    bool json = false;
    if (!PrendiOpzioni(argomenti, origine, opzioni) || !PrendiJson(argomenti, origine, json) ||
        !LeggiRichieste(opzioni, tutti, argv, grafico, stampa) ||
        argomenti.size() < 2 || argomenti.size() > 3) {
        std::fputs(Uso, stderr);
        return UsoErrato;
    }

    const Separatori sep = SeparatoriLocale(QLocale::system());
    StatoProgramma stato;
    std::string testoGrado;
    const auto impostaGrado = [&](const std::string& t) { testoGrado = t; };
    try {
        if (argomenti[1] == "-") {
            CaricaFileDati(stato.punti, std::cin, "standard input", sep, impostaGrado);
        } else if (const auto file = Percorso(tutti, argv, origine[1]); ETabellaTesto(file)) {
            // A text table holds no degree: it must be given.
            if (argomenti.size() < 3) {
                std::fprintf(stderr, "La tabella di testo \"%s\" non contiene il grado: indicare GRADO dopo il nome del file.\n",
                             TestoPercorso(file).c_str());
                return UsoErrato;
            }
            CaricaTabellaTesto(stato.punti, file, sep);
        } else {
            CaricaFileDati(stato.punti, file, sep, impostaGrado);
        }
    } catch (const ErroreFileDati& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return FileIlleggibile;
    }
    if (argomenti.size() == 3) testoGrado = argomenti[2].toStdString();

    SenzaAvanzamento avanzamento;
    CanaliCalcolo canali;
    canali.avanzamento = &avanzamento;
    const RisultatoCalcolo r = Curvello(stato, canali).CalcolaPolinomio(testoGrado, sep);
    switch (r.esito) {
    case EsitoCalcolo::Rifiutato:
        std::fprintf(stderr, "%s\n", r.testo.c_str());
        return Rifiutato;
    case EsitoCalcolo::Interrotto:
        std::fprintf(stderr, "%s\n", DescriviInterruzione(r.causa).c_str());
        return Interrotto;
    case EsitoCalcolo::Riuscito:
        break;
    }

    std::string testo;
    if (json) {
        const StatisticheAdattamento st = CalcolaStatistiche(*stato.terne, stato.polinomio->Grado());
        if (st.esito != EsitoSistema::Risolto) {
            std::fputs("Errore interno: le statistiche dell'adattamento non sono calcolabili.\n", stderr);
            return ErroreInterno;
        }
        testo = TestoJson(stato, st);
    } else {
        testo = TestoFileDati(stato, "standard output");
    }
    if (std::fwrite(testo.data(), 1, testo.size(), stdout) != testo.size() || std::fflush(stdout) != 0) {
        std::fputs("Impossibile scrivere il risultato sullo standard output.\n", stderr);
        return UscitaNonScritta;
    }
    if (grafico) {
        StatoGrafico statoGrafico;
        const QByteArray byte = GraficoDocumento(statoGrafico, stato, QString::fromStdString(testoGrado),
                                                 grafico->dimensioni).File(grafico->formato);
        if (byte.isEmpty() || !ScriviFile(grafico->percorso, byte)) {
            std::fprintf(stderr, "Impossibile scrivere il grafico nel file \"%s\".\n",
                         TestoPercorso(grafico->percorso).c_str());
            return UscitaNonScritta;
        }
    }
    if (stampa) {
        stato.IntestazioneUtente = Intestazione(*stampa);
        StatoGrafico statoGrafico;
        const QImage immagine = ImmagineStampaGrafico(statoGrafico, stato, stampa->dimensioni);
        bool scritta = false;
        try {
            scritta = ScriviFile(stampa->percorso, RapportoPdf(ContenutoDa(stato, testoGrado, sep), immagine));
        } catch (const ErroreStampa&) {
        }
        if (!scritta) {
            std::fprintf(stderr, "Impossibile scrivere la stampa nel file \"%s\".\n",
                         TestoPercorso(stampa->percorso).c_str());
            return UscitaNonScritta;
        }
    }
    return Riuscito;
}

}  // namespace

int main(int argc, char** argv)
{
    // Unsynchronised, standard input is read in blocks, as fast as a file by name.
    std::ios::sync_with_stdio(false);
#ifdef _WIN32
    // The data file's CR LF must pass through unchanged; messages are UTF-8.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
#endif
    try {
        return Esegui(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Errore interno: %s\n", e.what());
        return ErroreInterno;
    }
}
