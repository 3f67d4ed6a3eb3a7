#include "TabellaTesto.h"

#include <algorithm>
#include <cctype>
#include <fstream>

bool ETabellaTesto(const std::filesystem::path& percorso)
{
    std::string est = percorso.extension().string();
    std::transform(est.begin(), est.end(), est.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return est == ".csv" || est == ".txt" || est == ".tsv";
}

void CaricaTabellaTesto(MySource& punti, const std::filesystem::path& percorso, const Separatori& sep)
{
    std::ifstream ingresso(percorso, std::ios::binary);
    CaricaTabellaTesto(punti, ingresso, TestoPercorso(percorso), sep);
}

void CaricaTabellaTesto(MySource&, std::istream&, const std::string& nome, const Separatori&)
{
    throw ErroreFileDati("Impossibile leggere la tabella di testo \"" + nome + "\".");
}
