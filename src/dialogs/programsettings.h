#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/settingsstore.h"

namespace korvex {

// Radio group "&Anzeige der Münzenbilder" (`Graphik_Auto`): when coin pictures are shown.
enum class PictureDisplay {
  kOnRequest = 0,   // "000" `GraphikZeigeManuell` "&Nach Aufforderung"
  kWithRecord = 1,  // "001" `GraphikZeigeAutomatisch` "&Bei Artikeldatenanzeige"
  kAlways = 2,      // "002" `GraphikZeigeImmer` "&Automatisch (immer)"
  kListMode = 3,    // "003" `GraphikZeigeListe` "Im &Listenmodus"
};

// Radio group "&Ort der Anzeige" (`Graphik_Pos`): where the picture window opens.
enum class PicturePlace {
  kTopLeft = 1,     // `GraphikObenLinks` "Linke, &obere Ecke"
  kAsLastTime = 2,  // `GraphikAnzFrei` "&Wie letztes Mal"
  kRight = 4,       // `GraphikAnzRechts` "&Rechts des Datenfensters"
  kLeft = 8,        // `GraphikAnzLinks` "&Links des Datenfensters"
  kAbove = 16,      // `GraphikAnzOben` "Ü&ber dem Datenfenster"
  kBelow = 32,      // `GraphikAnzUnten` "&Unter dem Datenfenster"
};

// Radio group "&Graphiken mitspeichern" (`Graphik_Copy`): whether a picture chosen outside the
// collection's picture folder is copied into it.
enum class PictureCopy {
  kAlways = 1,  // `GraphikKopierenImmer` "&Immer"
  kNever = 2,   // `GraphikKopierenNie` "&Nie"
  kAsk = 4,     // `GraphikKopierenAufforderung` "Nach&fragen"
};

// One item of the "&Tools" menu: its caption and the command line it starts.
struct ToolEntry {
  std::string name;
  std::string command;
  bool operator==(const ToolEntry&) const = default;
};

// The default of `URL`: the maker's web site, base of the service pages opened from the menus.
inline constexpr const char* kDefaultServiceUrl = "https://www.promarbel.de/korvex/";

// The settings in force, as the dialog `TOptionen` edits them and the rest of the program reads
// them. Members carry the names of their stored values; the comment names the control that shows
// the value. Texts are Windows-1252. A new object holds the defaults of a first start.
struct ProgramSettings {
  // Page "Online".
  bool Online_Update_Check = true;        // `OnlineAutoCheckUpdates`
  bool Online_Update_Check_Beta = false;  // `OnlineAutoCheckUpdatesBeta`
  std::string Online_Proxy;               // `OnlineProxyServer`, empty = no proxy
  std::string Online_Proxy_Port;          // `OnlineProxyPort`
  std::string Online_Proxy_Username;      // `OnlineProxyUser`
  std::string Online_Proxy_Password;      // `OnlineProxyPasswort`, stored as typed

  // The index-card dialog's choice; written only with the window places.
  std::string Printer_Kartei_Drucker;
  int Printer_Kartei_Papiertyp = 0;

  int Printer_Font_Size = 9;  // `DruckerSchrift`, base font size of all printouts
  std::string URL = kDefaultServiceUrl;  // read only

  // Page "Allgemein".
  bool KatGl = true;               // `KategorienGleich`
  bool KatGlFrage = true;          // `KategorienGleichFrage`
  bool AutoSaveEnd = false;        // `AutoSaveEnd`
  std::string AutoSaveTime = "10"; // `AutoSaveTime`, minutes
  bool AutoSave = false;           // `AutoSave`
  bool Anfrage = false;            // `AnfrageProgrammEnde`

  // Page "Extras".
  bool AutoDatei = false;        // `DateiAutoLaden`
  std::string AutoDatei_Name;    // `Dateiname`
  std::string DatumFormat;       // `DatumFormatBox`
  bool DatumAuto = true;         // `DatumAusSystemsteuerung`

  // Page "Graphik".
  bool Graphik_Autoformat = false;  // `GraphikAnzAutoGroesse`, stored as "001" / "000"
  bool Graphik_Focus = false;       // `GraphikFocusInAnzeige`
  PictureDisplay Graphik_Auto = PictureDisplay::kOnRequest;
  PicturePlace Graphik_Pos = PicturePlace::kTopLeft;
  PictureCopy Graphik_Copy = PictureCopy::kAsk;

  // The `Tools` subkey, sorted by name; never written by the program.
  std::vector<ToolEntry> tools;

  bool operator==(const ProgramSettings&) const = default;
};

// The smallest and largest print font size that `DruckerSchriftUD` offers.
inline constexpr int kMinPrintFontSize = 2;
inline constexpr int kMaxPrintFontSize = 72;

// The six date formats of `DatumFormatBox`.
inline constexpr const char* kDateFormatChoices[] = {"dd.mm.yyyy", "yyyy-mm-dd", "dd-mm-yyyy",
                                                     "dd/mm/yyyy", "mm/dd/yyyy", "yyyy/mm/dd"};

// Reads the settings from the program's key into `settings`. The values are read in steps (online
// values; index-card printer; font size; URL; the pages "Allgemein" to "Graphik"; tools); a
// Boolean or Integer that is missing or has the wrong type ends its step, and the values after it
// keep what `settings` held. A missing String takes its default. False when the store cannot be
// opened: then nothing is read (the caller sounds the information beep).
bool ReadSettings(SettingsStore& store, ProgramSettings& settings);

// Writes every setting the dialog edits (not the index-card printer, its paper type or `URL`).
// False when the store cannot be opened (the caller sounds the information beep).
bool WriteSettings(SettingsStore& store, const ProgramSettings& settings);

// The autosave interval in milliseconds: `AutoSaveTime` minutes when `AutoSave` is ticked and the
// text is a whole number above 0; nothing (autosave off) otherwise.
std::optional<int> AutoSaveInterval(const ProgramSettings& settings);

// The print font size after "&OK": the `DruckerSchrift` text when it is a whole number (brought
// into the range of the up-down control), else the present size.
int PrintFontSizeFromText(const std::string& text, int present);

}  // namespace korvex
