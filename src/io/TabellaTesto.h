#pragma once

#include "FileDati.h"

#include <filesystem>
#include <iosfwd>
#include <string>

// A text table as spreadsheets and loggers write it: one pair a line, X and Y
// separated by a tab, a semicolon, blanks, or a comma when the user's decimal
// separator is not the comma; an optional header line; numbers in the user's
// locale or with the period.

// Whether the file's extension makes it a text table (.csv, .txt, .tsv, in
// any case).
bool ETabellaTesto(const std::filesystem::path& percorso);

// Appends the table's pairs to `punti` (the line rule: LettoreCoppie with
// RegolaTabella). Throws ErroreFileDati, naming the file and the line, when
// the file cannot be opened, a line is not a pair (the pairs before it stay) or
// longer than 4,096 characters, the pairs would not fit in the set (none is
// added), or the file holds no pair at all.
void CaricaTabellaTesto(MySource& punti, const std::filesystem::path& percorso, const Separatori& sep);
void CaricaTabellaTesto(MySource& punti, std::istream& ingresso, const std::string& nome, const Separatori& sep);
