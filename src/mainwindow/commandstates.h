#pragma once

#include <string_view>
#include <vector>

namespace korvex {

// Which of the main window's commands (menu items, toolbar buttons, context-menu entries, named
// as their components) are enabled in which state of the document and view. The window applies
// a list in order, so a later entry for the same command wins; a command of
// `CommandsWithoutWindow` stays disabled whatever a list says.
struct CommandState {
  std::string_view name;
  bool enabled = false;

  bool operator==(const CommandState&) const = default;
};
using CommandStates = std::vector<CommandState>;

// Commands whose dialogs or windows the program does not have yet.
const std::vector<std::string_view>& CommandsWithoutWindow();

// Before the first document: everything that needs a document is off.
CommandStates InitialCommandStates();

// A document was read or its areas defined: viewing, searching, exporting and the filters are
// on; pasting, defining areas and importing only while the document is writable.
CommandStates DocumentCommandStates(bool writable);

// The document is gone: the commands that work on it are off.
CommandStates ClosedDocumentCommandStates();

// A document is open, even an empty or unreadable one: the area menu, "Speichern unter" and
// printing are on.
CommandStates OpenDocumentMenuStates();

// The view `view` (0 = none yet, kAllCoinsView or an area id) is shown; `area_exists` tells
// whether `view` names one of the document's areas.
CommandStates ViewCommandStates(int view, bool writable, bool area_exists);

// The grid shows `shown_coins` coins.
CommandStates RowCommandStatesFor(int shown_coins, bool writable);

// A file was opened at start-up (command line, automatic loading, example collection).
CommandStates StartFileCommandStates(int view, bool writable);

// "Speichern" follows the document's modified state.
CommandStates SaveCommandStates(bool modified);

// The edit menu opens once there is a view.
CommandStates TitleCommandStates(int view);

}  // namespace korvex
