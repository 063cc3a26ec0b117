#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dialogs/programsettings.h"
#include "platform/settingsstore.h"

namespace korvex {

// Where the program's other windows open, in pixels; members carry the names of their stored
// values. A new object holds the defaults. The windows read and change their own members.
struct WindowPlaces {
  int Graphik_Links = 1, Graphik_Oben = 22, Graphik_Breite = 0, Graphik_Hoehe = 0;     // avers picture
  int Graphik2_Links = 300, Graphik2_Oben = 22, Graphik2_Breite = 0, Graphik2_Hoehe = 0;  // revers picture
  int WdLinksAnzeige = 1, WdObenAnzeige = 22;    // detail view
  int WdLinksOptionen = 1, WdObenOptionen = 22;  // settings dialog
  int WdLinksEingabe = 1, WdObenEingabe = 22;    // entry dialog
  int WdLinksUeber = 200, WdObenUeber = 70;      // about box
  int Gesamt_Links = 1, Gesamt_Oben = 1, Gesamt_Hoehe = 435;  // statistics window

  bool operator==(const WindowPlaces&) const = default;
};

// Reads the window places in table order. When one of them is missing or no Integer, every
// position (left and top) takes its default, and the sizes keep what was read before the
// failure or what they held. False in that case, or when the store cannot be opened.
bool ReadWindowPlaces(SettingsStore& store, WindowPlaces& places);

// Writes the window places and the index-card printer with its paper type.
bool WriteWindowPlaces(SettingsStore& store, const WindowPlaces& places,
                       const ProgramSettings& settings);

// The main window's state as `WdStatus` stores it.
enum class MainWindowState { kNormal = 1, kMaximized = 2, kMinimized = 3 };

// The main window's normal bounds and state.
struct MainWindowGeometry {
  int WdLinks = 1, WdOben = 1, WdBreite = 640, WdHoehe = 491;
  // Nothing when `WdStatus` holds no known code: the window keeps its state.
  std::optional<MainWindowState> WdStatus;

  bool operator==(const MainWindowGeometry&) const = default;
};

// The stored geometry; a missing or unreadable bound (or a width or height of 0 or less) gives
// the default geometry, a normal window at (1, 1) of 640 × 491 pixels.
MainWindowGeometry ReadMainWindowGeometry(SettingsStore& store);
// Writes the bounds and, when given, the state ("001" normal, "002" maximised, "003" minimised).
void WriteMainWindowGeometry(SettingsStore& store, const MainWindowGeometry& geometry);

// The layout of one toolbar, kept in the subkey "Bars\<toolbar>".
struct ToolbarPlace {
  bool Visible = true;
  std::string DockedTo;  // the dock's name (`DockTop`, ...), or "nil" when floating
  int DockRow = 0, DockPos = 0;
  int FloatLeft = 0, FloatTop = 0, FloatRight = 0, FloatBottom = 0, FloatRightX = 0;

  bool operator==(const ToolbarPlace&) const = default;
};

// The stored layout of a toolbar (`Datei`, `Datensatz`, ...); nothing when it has none or a value
// is missing, so that the toolbar keeps its initial place.
std::optional<ToolbarPlace> ReadToolbarPlace(SettingsStore& store, std::string_view toolbar);
void WriteToolbarPlace(SettingsStore& store, std::string_view toolbar, const ToolbarPlace& place);

}  // namespace korvex
