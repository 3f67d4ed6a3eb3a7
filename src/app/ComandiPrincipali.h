#pragma once

#include "ComandiFile.h"

#include <QKeySequence>

class frmMain;

// What a command code does to an item: switch it on, off, or leave it.
enum class StatoComando { Acceso, Spento, Invariato };

// Where a command's action lives: a toolbar button, an entry of a menu, or a
// File entry that is never shown but still holds the command state.
enum class PostoComando { Barra, MenuFile, FileNascosta, MenuVisualizza, MenuFinestra, MenuGuida, MenuCoppie };

// One row per toolbar button and menu entry: everything the frame needs to
// build it, run it and switch it. The table's order is the order of the
// buttons and of each menu, and the order ImpostaStatoComandi sets them in.
struct DefinizioneComando {
    const char* nome = nullptr;          // objectName; a button's key and caption
    const char* testo = nullptr;         // an entry's caption, "&" before its access key
    const char* tasti = nullptr;         // shortcut, as portable text
    QKeySequence::StandardKey tastoStandard = QKeySequence::UnknownKey;  // or the platform's own
    const char* suggerimento = nullptr;  // tooltip
    const char* immagine = nullptr;      // the button's image, instead of its caption
    void (frmMain::*gestore)() = nullptr;
    void (ComandiFile::*file)() = nullptr;  // a File command, instead of gestore
    PostoComando posto = PostoComando::Barra;
    bool separatorePrima = false;
    bool spuntata = false;  // carries a check mark, set at start
    StatoComando stati[3] = {StatoComando::Invariato, StatoComando::Invariato, StatoComando::Invariato};
};
