// curvello-fit FILE.cv [GRADO]: loads a data file as Open does, fits the
// polynomial as "Calcolo" does and writes to standard output the data file
// that Save would write. For batch use and end-to-end tests.
// With --grafico FILE.png it also writes the picture of a graph window opened
// after the fit (--dimensioni LARGHEZZAxALTEZZA, 800x600 when not given).

#include "Curvello.h"
#include "FileDati.h"
#include "ImmagineGrafico.h"
#include "SeparatoriLocale.h"
#include "StatoGrafico.h"
#include "StatoProgramma.h"

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>
#include <exception>
#include <filesystem>
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
                        "     curvello-fit FILE.cv [GRADO] --grafico FILE.png [--dimensioni LARGHEZZAxALTEZZA]\n";

// The picture asked for with --grafico.
struct RichiestaGrafico {
    QString percorso;
    QSize dimensioni{800, 600};
};
constexpr int LatoMassimo = 4096;

bool ChiedeGrafico(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--grafico")
            return true;
    return false;
}

// Takes the graph options out of the arguments; origine keeps where each
// remaining one stood. False: wrong usage.
bool LeggiOpzioniGrafico(QStringList& argomenti, QList<int>& origine, std::optional<RichiestaGrafico>& grafico)
{
    std::optional<QString> dimensioni;
    for (int i = 0; i < argomenti.size(); ++i)
        origine << i;
    for (int i = 1; i < argomenti.size();) {
        const QString a = argomenti[i];
        if (a != QLatin1String("--grafico") && a != QLatin1String("--dimensioni")) {
            ++i;
            continue;
        }
        if (i + 1 >= argomenti.size())
            return false;
        if (a == QLatin1String("--grafico")) {
            if (grafico)
                return false;
            grafico = RichiestaGrafico{argomenti[i + 1]};
        } else {
            if (dimensioni)
                return false;
            dimensioni = argomenti[i + 1];
        }
        argomenti.remove(i, 2);
        origine.remove(i, 2);
    }
    if (!dimensioni)
        return true;
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^([0-9]{1,5})[xX]([0-9]{1,5})$")).match(*dimensioni);
    if (!grafico || !m.hasMatch())
        return false;
    const int w = m.captured(1).toInt();
    const int h = m.captured(2).toInt();
    if (w < 1 || h < 1 || w > LatoMassimo || h > LatoMassimo)
        return false;
    grafico->dimensioni = QSize(w, h);
    return true;
}

class SenzaAvanzamento : public AscoltatoreAvanzamento {
public:
    void Mostra() override {}
    void Avanza(float) override {}
    void Chiudi() override {}
};

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

int Esegui(int argc, char** argv)
{
    // The picture needs widgets but never a display.
    std::unique_ptr<QCoreApplication> app;
    // Standard error carries the tool's own messages only, not the toolkit's notices.
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
        if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
            std::fprintf(stderr, "%s\n", testo.toLocal8Bit().constData());
    });
    if (ChiedeGrafico(argc, argv)) {
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
    std::optional<RichiestaGrafico> grafico;
    if (!LeggiOpzioniGrafico(argomenti, origine, grafico) || argomenti.size() < 2 || argomenti.size() > 3) {
        std::fputs(Uso, stderr);
        return UsoErrato;
    }

    const Separatori sep = SeparatoriLocale(QLocale::system());
    StatoProgramma stato;
    std::string testoGrado;
    const auto impostaGrado = [&](const std::string& t) { testoGrado = t; };
    try {
        if (argomenti[1] == "-")
            CaricaFileDati(stato.punti, std::cin, "standard input", sep, impostaGrado);
        else
            CaricaFileDati(stato.punti, Percorso(tutti, argv, origine[1]), sep, impostaGrado);
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

    const std::string testo = TestoFileDati(stato, "standard output");
    if (std::fwrite(testo.data(), 1, testo.size(), stdout) != testo.size() || std::fflush(stdout) != 0) {
        std::fputs("Impossibile scrivere il risultato sullo standard output.\n", stderr);
        return UscitaNonScritta;
    }
    if (grafico) {
        StatoGrafico statoGrafico;
        if (!ImmagineGrafico(statoGrafico, stato, grafico->dimensioni).save(grafico->percorso, "PNG")) {
            std::fprintf(stderr, "Impossibile scrivere il grafico nel file \"%s\".\n",
                         grafico->percorso.toLocal8Bit().constData());
            return UscitaNonScritta;
        }
    }
    return Riuscito;
}

}  // namespace

int main(int argc, char** argv)
{
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
