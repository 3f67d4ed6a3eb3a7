#pragma once

// Loads Qt's own Italian texts (qtbase_it) into the application, whatever the
// system's language, so that standard buttons and dialogs read "Annulla",
// "Sì", "No" like the rest of the interface. Calling it again reloads them.
// False when the translation is not installed: Qt's English texts remain.
bool InstallaTraduzioneQt();
