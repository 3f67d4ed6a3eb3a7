// curvello-fit FILE.cv [GRADO]: loads a data file as Open does, fits the
// polynomial as "Calcolo" does and writes to standard output the data file
// that Save would write. For batch use and end-to-end tests.

#include "Curvello.h"
#include "FileDati.h"
#include "SeparatoriLocale.h"
#include "StatoProgramma.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
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

const char* const Uso = "Uso: curvello-fit FILE.cv [GRADO]   (FILE.cv = - legge lo standard input)\n";

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
    QCoreApplication app(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments();
    if (argomenti.size() == 2 && (argomenti[1] == "--help" || argomenti[1] == "-h")) {
        std::fputs(Uso, stdout);
        return Riuscito;
    }
    if (argomenti.size() < 2 || argomenti.size() > 3) {
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
            CaricaFileDati(stato.punti, Percorso(argomenti, argv, 1), sep, impostaGrado);
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
