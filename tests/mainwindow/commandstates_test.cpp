#include "mainwindow/commandstates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "model/collectiondocument.h"

namespace korvex {
namespace {

// The state each command ends with when the lists are applied in order, as the window does.
std::map<std::string, bool> Applied(std::initializer_list<CommandStates> lists) {
  std::map<std::string, bool> result;
  for (const CommandStates& list : lists) {
    for (const CommandState& state : list) result[std::string(state.name)] = state.enabled;
  }
  return result;
}

bool Enabled(const std::map<std::string, bool>& states, const std::string& name) {
  const auto found = states.find(name);
  EXPECT_NE(found, states.end()) << name << " has no state";
  return found != states.end() && found->second;
}

TEST(CommandStatesTest, NothingThatNeedsADocumentIsOnAtStart) {
  const auto states = Applied({InitialCommandStates()});
  for (const auto& [name, enabled] : states) EXPECT_FALSE(enabled) << name;
  for (const char* name : {"MenuDateiSpeichern", "MenuKategorie", "MenuExtrasFilter", "SpeedFilterBestand",
                           "MenuExtrasKategorien", "DatenPopUpExportierenKategorie"}) {
    EXPECT_TRUE(states.count(name)) << name;
  }
  // The file commands that make a document stay as they are.
  EXPECT_FALSE(states.count("MenuDateiOeffnen"));
  EXPECT_FALSE(states.count("MenuDateiNeu"));
}

TEST(CommandStatesTest, ReadOnlyDocumentAcceptsNoNewCoinsOrAreas) {
  const auto writable = Applied({DocumentCommandStates(true)});
  const auto read_only = Applied({DocumentCommandStates(false)});
  for (const char* name : {"MenuDateiImportieren", "MenuExtrasKategorien", "MenuBearbeitenEinfuegen", "SpeedEinfuegen"}) {
    EXPECT_TRUE(Enabled(writable, name)) << name;
    EXPECT_FALSE(Enabled(read_only, name)) << name;
  }
  for (const char* name : {"MenuDateiExportieren", "MenuExtrasFilter", "SpeedFilterDubletten", "SpeedAlles",
                           "MenuDateiDatensicherung"}) {
    EXPECT_TRUE(Enabled(read_only, name)) << name;
  }
}

TEST(CommandStatesTest, ClosingTurnsOffWhatOpeningTurnedOn) {
  const auto states = Applied({DocumentCommandStates(true), ClosedDocumentCommandStates()});
  for (const char* name : {"SpeedAlles", "MenuExtrasKategorien", "MenuDateiImportieren", "MenuDateiExportieren",
                           "MenuExtrasFilter", "MenuBearbeitenEinfuegen", "MenuDateiDatensicherung"}) {
    EXPECT_FALSE(Enabled(states, name)) << name;
  }
}

TEST(CommandStatesTest, APasswordOnlyForAWritableOpenDocument) {
  EXPECT_FALSE(Enabled(Applied({InitialCommandStates()}), "Pawort1"));
  EXPECT_TRUE(Enabled(Applied({OpenDocumentMenuStates(), DocumentCommandStates(true)}), "Pawort1"));
  EXPECT_FALSE(Enabled(Applied({OpenDocumentMenuStates(), DocumentCommandStates(false)}), "SpeedKey"));
  // After a failed open nothing may be saved over the file that failed.
  const auto failed = Applied({OpenDocumentMenuStates(), FailedOpenCommandStates()});
  EXPECT_FALSE(Enabled(failed, "Pawort1"));
  EXPECT_FALSE(Enabled(failed, "MenuDateiSpeichernunter"));
}

TEST(CommandStatesTest, NewCoinsOnlyInAWritableAreaView) {
  const auto area = Applied({ViewCommandStates(2, true, true)});
  EXPECT_TRUE(Enabled(area, "MenuBearbeiten"));
  EXPECT_TRUE(Enabled(area, "MenuBearbeitenNeu"));
  EXPECT_TRUE(Enabled(area, "MenuExtrasSonderNummernkreise"));
  EXPECT_TRUE(Enabled(area, "MenuBearbeitenEinfuegen"));
  EXPECT_TRUE(Enabled(area, "SpeedEinfuegen"));
  EXPECT_TRUE(Enabled(area, "MenuDateiExportierenKategorie"));

  const auto all = Applied({ViewCommandStates(kAllCoinsView, true, false)});
  EXPECT_TRUE(Enabled(all, "MenuBearbeiten"));
  EXPECT_FALSE(Enabled(all, "MenuBearbeitenNeu"));
  EXPECT_FALSE(Enabled(all, "DatenPopUpExportierenKategorie"));
  EXPECT_FALSE(all.count("MenuBearbeitenEinfuegen"));

  const auto read_only = Applied({ViewCommandStates(2, false, true)});
  EXPECT_FALSE(Enabled(read_only, "SpeedNeu"));
  EXPECT_FALSE(read_only.count("MenuBearbeitenEinfuegen"));
  EXPECT_TRUE(Enabled(read_only, "MenuDateiExportierenKategorie"));
}

TEST(CommandStatesTest, NoViewYetLeavesTheEditMenuAlone) {
  const auto none = Applied({ViewCommandStates(0, true, false)});
  EXPECT_FALSE(none.count("MenuBearbeiten"));
  EXPECT_FALSE(none.count("MenuBearbeitenNeu"));
  EXPECT_FALSE(Enabled(none, "MenuDateiExportierenKategorie"));
  EXPECT_TRUE(TitleCommandStates(0).empty());
  EXPECT_EQ(TitleCommandStates(3), (CommandStates{{"MenuBearbeiten", true}}));
}

TEST(CommandStatesTest, RowCommandsFollowTheShownCoins) {
  const auto empty = Applied({RowCommandStatesFor(0, true)});
  EXPECT_FALSE(Enabled(empty, "MenuBearbeitenKopieren"));
  EXPECT_FALSE(Enabled(empty, "MenuBearbeitenLoeschen"));
  const auto shown = Applied({RowCommandStatesFor(3, true)});
  EXPECT_TRUE(Enabled(shown, "DatenPopUpOeffnen"));
  EXPECT_TRUE(Enabled(shown, "MenuDateiExportierenArtikel"));
  EXPECT_TRUE(Enabled(shown, "MenuBearbeitenPreisaendern"));
  const auto read_only = Applied({RowCommandStatesFor(3, false)});
  EXPECT_TRUE(Enabled(read_only, "MenuBearbeitenKopieren"));
  EXPECT_FALSE(Enabled(read_only, "SpeedAendern"));
}

TEST(CommandStatesTest, StartFileAndSaveStates) {
  EXPECT_TRUE(StartFileCommandStates(2, false).empty());
  const auto area = Applied({StartFileCommandStates(2, true)});
  EXPECT_TRUE(Enabled(area, "SpeedNeu"));
  EXPECT_TRUE(Enabled(area, "MenuBearbeitenEinfuegen"));
  EXPECT_FALSE(Enabled(Applied({StartFileCommandStates(kAllCoinsView, true)}), "SpeedNeu"));

  EXPECT_EQ(SaveCommandStates(true), (CommandStates{{"MenuDateiSpeichern", true}, {"SpeedSpeichern", true}}));
  EXPECT_EQ(SaveCommandStates(false), (CommandStates{{"MenuDateiSpeichern", false}, {"SpeedSpeichern", false}}));
}

TEST(CommandStatesTest, CommandsWithoutWindowAreListedOnce) {
  std::vector<std::string_view> names = CommandsWithoutWindow();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
  // Printing, the statistics and the help have their windows.
  for (const char* name : {"MenuDateiDrucken", "SpeedDruck", "MenuAnsichtGesamt", "SpeedGesamt",
                           "MenuHilfeHilfethemen"}) {
    EXPECT_FALSE(std::binary_search(names.begin(), names.end(), name)) << name;
  }
  EXPECT_FALSE(std::binary_search(names.begin(), names.end(), "MenuDateiSpeichern"));
}

}  // namespace
}  // namespace korvex
