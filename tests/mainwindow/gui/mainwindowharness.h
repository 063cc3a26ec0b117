#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "mainwindow/gui/scriptedservices.h"
#include "mainwindow/gui/thauptfenster.h"
#include "platform/settingsstore.h"

namespace korvex::test {

// A main window with scripted services, its own settings file, data folder and program folder
// below a fresh temporary folder. The settings file outlives the window, so a second window can
// be started on it ("after a restart").
class MainWindowHarness {
 public:
  MainWindowHarness();
  ~MainWindowHarness();

  const std::filesystem::path& folder() const { return dir_.path(); }
  std::filesystem::path DataFolder() const { return dir_ / "daten"; }
  std::filesystem::path ProgramFolder() const { return dir_ / "programm"; }
  SettingsStore& store() { return *store_; }

  // Creates and shows the window and runs its first activation.
  THauptfenster& Start(std::vector<std::string> arguments = {});
  // Closes the window as the user would (questions answered from the script) and destroys it.
  // False when the window refused to close.
  bool Close();
  THauptfenster& window() { return *window_; }

  // A sample collection written to `name` in the temporary folder; its path.
  std::filesystem::path WriteSample(const std::string& name);

  ScriptedMessages messages;
  ScriptedFileDialogs files;
  ScriptedPasswords passwords;
  ScriptedDialogs dialogs;
  // Set before Start(): the window asks for passwords with its own dialog instead of `passwords`.
  bool real_password_prompt = false;
  // Set before Start(): where printouts go instead of the system's printers.
  PrinterChoice* printers = nullptr;
  // Update checks the window started (true: manual) instead of asking the web service, and the
  // addresses it opened (the browser answers `browser_starts`). Set `real_update_check` before
  // Start() to let the window run its real check.
  std::vector<bool> update_checks;
  std::vector<QString> opened_urls;
  bool browser_starts = true;
  bool real_update_check = false;

 private:
  TempDir dir_;
  std::unique_ptr<SettingsStore> store_;
  std::unique_ptr<THauptfenster> window_;
};

// The texts of all panels and the trigger of a command by its component name.
QString Panel(THauptfenster& window, int panel);
void Trigger(THauptfenster& window, const char* command);
bool Enabled(THauptfenster& window, const char* command);

}  // namespace korvex::test
