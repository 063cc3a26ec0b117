#include "mainwindow/commandstates.h"

#include <initializer_list>

#include "mainwindow/gridview.h"
#include "model/collectiondocument.h"

namespace korvex {
namespace {

// The filter buttons form one exclusive group in the window.
constexpr std::string_view kFilterButtons[] = {"SpeedFilterNone", "SpeedFilterFehlbestand", "SpeedFilterBestand",
                                               "SpeedFilterDubletten", "SpeedFilterFrei"};

void Set(CommandStates& states, std::initializer_list<std::string_view> names, bool enabled) {
  for (std::string_view name : names) states.push_back({name, enabled});
}

void SetFilterButtons(CommandStates& states, bool enabled) {
  for (std::string_view name : kFilterButtons) states.push_back({name, enabled});
}

}  // namespace

const std::vector<std::string_view>& CommandsWithoutWindow() {
  static const std::vector<std::string_view> names = {};
  return names;
}

CommandStates InitialCommandStates() {
  CommandStates states;
  Set(states,
      {"MenuBearbeiten", "MenuKategorie", "MenuDateiSpeichern", "SpeedSpeichern", "MenuDateiSpeichernunter",
       "MenuDateiImportieren", "MenuDateiExportieren", "MenuDateiDrucken", "MenuAnsichtSortierung",
       "MenuAnsichtFelder", "MenuAnsichtGesamt", "MenuExtrasSuchen", "MenuExtrasWeitersuchen",
       "MenuExtrasKategorien", "MenuDateiDatensicherung", "SpeedNeu", "SpeedAendern", "SpeedLoeschen",
       "SpeedAusschneiden", "SpeedKopieren", "SpeedEinfuegen", "SpeedSuchen", "SpeedSuchenWeiter",
       "SpeedGesamt", "SpeedSortierung", "SpeedDruck", "SpeedAlles", "MenuExtrasSonderNummernkreise",
       "MenuDateiExportierenKategorie", "DatenPopUpExportierenKategorie", "Pawort1", "SpeedKey"},
      false);
  // The filters need a document to show.
  SetFilterButtons(states, false);
  Set(states, {"MenuExtrasFilter"}, false);
  return states;
}

CommandStates DocumentCommandStates(bool writable) {
  CommandStates states;
  Set(states,
      {"SpeedAlles", "SpeedSuchen", "SpeedGesamt", "SpeedKopieren", "SpeedSortierung", "MenuAnsichtGesamt",
       "MenuExtrasSuchen", "MenuDateiExportieren", "MenuAnsichtFelder", "MenuAnsichtSortierung",
       "MenuBearbeitenKopieren", "MenuDateiDatensicherung", "MenuExtrasFilter"},
      true);
  SetFilterButtons(states, true);
  // Imported coins could never be saved into a read-only file, nor could a password.
  Set(states,
      {"SpeedEinfuegen", "MenuBearbeitenEinfuegen", "MenuExtrasKategorien", "MenuDateiImportieren", "Pawort1",
       "SpeedKey"},
      writable);
  return states;
}

CommandStates ClosedDocumentCommandStates() {
  CommandStates states;
  Set(states,
      {"SpeedAlles", "SpeedSuchen", "SpeedGesamt", "SpeedKopieren", "SpeedEinfuegen", "SpeedSortierung",
       "SpeedDruck", "SpeedNeu", "SpeedAendern", "SpeedLoeschen", "MenuAnsichtGesamt", "MenuExtrasSuchen",
       "MenuExtrasKategorien", "MenuDateiImportieren", "MenuDateiExportieren", "MenuKategorie",
       "MenuBearbeitenEinfuegen", "MenuDateiDatensicherung", "MenuExtrasFilter", "Pawort1", "SpeedKey"},
      false);
  return states;
}

CommandStates FailedOpenCommandStates() {
  CommandStates states = ClosedDocumentCommandStates();
  Set(states, {"MenuDateiSpeichernunter"}, false);
  return states;
}

CommandStates OpenDocumentMenuStates() {
  CommandStates states;
  Set(states, {"MenuKategorie", "MenuDateiSpeichernunter", "MenuDateiDrucken", "SpeedDruck", "Pawort1", "SpeedKey"},
      true);
  return states;
}

CommandStates ViewCommandStates(int view, bool writable, bool area_exists) {
  const bool all_coins = view == kAllCoinsView;
  CommandStates states;
  if (view != 0) {
    Set(states, {"MenuBearbeiten"}, true);
    Set(states, {"MenuBearbeitenNeu", "DatenPopUpNeu", "SpeedNeu", "MenuExtrasSonderNummernkreise"},
        writable && !all_coins);
    // The paste button follows its menu item.
    if (!all_coins && writable) Set(states, {"MenuBearbeitenEinfuegen", "SpeedEinfuegen"}, true);
  }
  Set(states, {"MenuDateiExportierenKategorie", "DatenPopUpExportierenKategorie"}, !all_coins && area_exists);
  return states;
}

CommandStates RowCommandStatesFor(int shown_coins, bool writable) {
  const RowCommandStates rows = RowCommandsFor(shown_coins, writable);
  CommandStates states;
  Set(states,
      {"MenuBearbeitenKopieren", "SpeedKopieren", "DatenPopUpOeffnen", "MenuAnsichtOeffnen",
       "MenuDateiExportierenArtikel", "DatenPopUpExportierenArtikel"},
      rows.copy_and_open);
  Set(states,
      {"MenuBearbeitenLoeschen", "MenuBearbeitenAendern", "MenuBearbeitenPreisaendern", "MenuBearbeitenAusschneiden",
       "DatenPopUpAendern", "DatenPopUpLoeschen", "SpeedAusschneiden", "SpeedLoeschen", "SpeedAendern"},
      rows.change);
  return states;
}

CommandStates StartFileCommandStates(int view, bool writable) {
  CommandStates states;
  if (!writable) return states;
  Set(states, {"SpeedNeu"}, view != kAllCoinsView);
  Set(states, {"SpeedLoeschen", "SpeedAendern", "SpeedAusschneiden", "SpeedEinfuegen", "MenuBearbeitenEinfuegen"},
      true);
  return states;
}

CommandStates SaveCommandStates(bool modified) {
  CommandStates states;
  Set(states, {"MenuDateiSpeichern", "SpeedSpeichern"}, modified);
  return states;
}

CommandStates TitleCommandStates(int view) {
  CommandStates states;
  if (view != 0) Set(states, {"MenuBearbeiten"}, true);
  return states;
}

}  // namespace korvex
