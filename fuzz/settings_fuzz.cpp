// The settings reader on raw bytes as the settings file: the program settings, the window
// places, the main window and a toolbar. What was read must read back the same after it is
// written to a new file.

#include <filesystem>

#include "dialogs/dateformat.h"
#include "dialogs/programsettings.h"
#include "dialogs/windowplaces.h"
#include "fuzz/fuzzsupport.h"
#include "platform/settingsstore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  korvex::ProgramSettings settings;
  korvex::WindowPlaces places;
  korvex::MainWindowGeometry geometry;
  std::optional<korvex::ToolbarPlace> toolbar;
  {
    korvex::SettingsStore store(korvex::fuzz::WriteScratchFile("Korvex.conf", data, size));
    korvex::ReadSettings(store, settings);
    korvex::ReadWindowPlaces(store, places);
    geometry = korvex::ReadMainWindowGeometry(store);
    toolbar = korvex::ReadToolbarPlace(store, "Datei");
    korvex::SettingsKey tools(store, "Tools");
    for (const std::string& name : tools.ValueNames()) tools.ReadString(name);
  }
  korvex::FormatSettingsInUse(settings);
  korvex::AutoSaveInterval(settings);

  const std::filesystem::path copy = korvex::fuzz::ScratchFolder() / "Kopie.conf";
  std::filesystem::remove(copy);
  {
    korvex::SettingsStore store(copy);
    korvex::WriteSettings(store, settings);
    korvex::WriteWindowPlaces(store, places, settings);
    korvex::WriteMainWindowGeometry(store, geometry);
    if (toolbar) korvex::WriteToolbarPlace(store, "Datei", *toolbar);
    store.Flush();
  }
  korvex::SettingsStore store(copy);
  korvex::ProgramSettings settings_again = settings;
  korvex::ReadSettings(store, settings_again);
  if (!(settings_again == settings)) korvex::fuzz::Mismatch("Einstellungen");
  korvex::WindowPlaces places_again;
  korvex::ReadWindowPlaces(store, places_again);
  if (!(places_again == places)) korvex::fuzz::Mismatch("Fensterpositionen");
  if (!(korvex::ReadMainWindowGeometry(store) == geometry)) korvex::fuzz::Mismatch("Hauptfenster");
  if (toolbar && korvex::ReadToolbarPlace(store, "Datei") != toolbar) {
    korvex::fuzz::Mismatch("Werkzeugleiste");
  }
  return 0;
}
