#pragma once

class QCoreApplication;

namespace korvex {

// What the entry point does to the application before the main window exists: the names under
// which it keeps its settings and captions its message boxes ("Korvex" of "Varlow"), and Qt's own
// German texts. No display name is set: the platform would append it to every window title.
void SetUpApplication(QCoreApplication& application);

// Loads Qt's German translation "qtbase_de" from Qt's translation folder, so that standard
// buttons, file dialogs and key names read "Ja", "Abbrechen", "Öffnen", "Strg+X". False when the
// translation is not installed; Qt's English texts then stay.
bool InstallQtGermanTranslation(QCoreApplication& application);

}  // namespace korvex
