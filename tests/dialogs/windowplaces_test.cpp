#include "dialogs/windowplaces.h"

#include <gtest/gtest.h>

#include "common/tempdir.h"

namespace korvex {
namespace {

class WindowPlacesTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  SettingsStore store{dir / "Korvex.conf"};
  SettingsKey key{store};

  static WindowPlaces Moved() {
    WindowPlaces p;
    p.Graphik_Links = 10; p.Graphik_Oben = 11; p.Graphik_Breite = 300; p.Graphik_Hoehe = 200;
    p.Graphik2_Links = 20; p.Graphik2_Oben = 21; p.Graphik2_Breite = 310; p.Graphik2_Hoehe = 210;
    p.WdLinksAnzeige = 30; p.WdObenAnzeige = 31;
    p.WdLinksOptionen = 40; p.WdObenOptionen = 41;
    p.WdLinksEingabe = 50; p.WdObenEingabe = 51;
    p.WdLinksUeber = 60; p.WdObenUeber = 61;
    p.Gesamt_Links = 70; p.Gesamt_Oben = 71; p.Gesamt_Hoehe = 500;
    return p;
  }
};

TEST_F(WindowPlacesTest, DefaultsOnFirstStart) {
  WindowPlaces places;
  EXPECT_FALSE(ReadWindowPlaces(store, places));
  EXPECT_EQ(places.WdLinksEingabe, 1);
  EXPECT_EQ(places.WdObenEingabe, 22);
  EXPECT_EQ(places.Graphik2_Links, 300);
  EXPECT_EQ(places.WdLinksUeber, 200);
  EXPECT_EQ(places.WdObenUeber, 70);
  EXPECT_EQ(places.Gesamt_Hoehe, 435);
  EXPECT_EQ(places, WindowPlaces());
}

TEST_F(WindowPlacesTest, RoundTripWithIndexCardPrinter) {
  ProgramSettings settings;
  settings.Printer_Kartei_Drucker = "Tintenstrahl";
  settings.Printer_Kartei_Papiertyp = 7;
  ASSERT_TRUE(WriteWindowPlaces(store, Moved(), settings));
  SettingsStore reopened(store.file());
  WindowPlaces read;
  EXPECT_TRUE(ReadWindowPlaces(reopened, read));
  EXPECT_EQ(read, Moved());
  ProgramSettings read_settings;
  ReadSettings(reopened, read_settings);
  EXPECT_EQ(read_settings.Printer_Kartei_Drucker, "Tintenstrahl");
  EXPECT_EQ(read_settings.Printer_Kartei_Papiertyp, 7);
}

TEST_F(WindowPlacesTest, AFailedValueResetsThePositionsButKeepsSizesReadBefore) {
  WriteWindowPlaces(store, Moved(), ProgramSettings());
  key.WriteString("WdLinksAnzeige", "30");  // wrong type
  WindowPlaces read;
  read.Gesamt_Hoehe = 480;  // what the statistics window held
  EXPECT_FALSE(ReadWindowPlaces(store, read));
  const WindowPlaces defaults;
  EXPECT_EQ(read.Graphik_Links, defaults.Graphik_Links);
  EXPECT_EQ(read.Graphik2_Oben, defaults.Graphik2_Oben);
  EXPECT_EQ(read.WdLinksOptionen, defaults.WdLinksOptionen);
  EXPECT_EQ(read.Gesamt_Oben, defaults.Gesamt_Oben);
  EXPECT_EQ(read.Graphik_Breite, 300);   // read before the failure
  EXPECT_EQ(read.Graphik2_Hoehe, 210);
  EXPECT_EQ(read.Gesamt_Hoehe, 480);     // after the failure: left as it was
}

TEST_F(WindowPlacesTest, MainWindowGeometryRoundTripAndStates) {
  MainWindowGeometry geometry{100, 50, 800, 600, MainWindowState::kMaximized};
  WriteMainWindowGeometry(store, geometry);
  EXPECT_EQ(key.ReadString("WdStatus"), "002");
  EXPECT_EQ(ReadMainWindowGeometry(store), geometry);

  key.WriteString("WdStatus", "009");
  EXPECT_EQ(ReadMainWindowGeometry(store).WdStatus, std::nullopt);
  key.WriteString("WdStatus", "003");
  EXPECT_EQ(ReadMainWindowGeometry(store).WdStatus, MainWindowState::kMinimized);
}

TEST_F(WindowPlacesTest, MissingHeightGivesTheDefaultNormalWindow) {
  WriteMainWindowGeometry(store, {100, 50, 800, 600, MainWindowState::kMaximized});
  key.DeleteValue("WdHoehe");
  const MainWindowGeometry read = ReadMainWindowGeometry(store);
  EXPECT_EQ(read, (MainWindowGeometry{1, 1, 640, 491, MainWindowState::kNormal}));

  WriteMainWindowGeometry(store, {100, 50, 0, 600, std::nullopt});
  EXPECT_EQ(ReadMainWindowGeometry(store).WdBreite, 640);
}

TEST_F(WindowPlacesTest, ToolbarPlacesLiveInTheirOwnSubkeys) {
  EXPECT_EQ(ReadToolbarPlace(store, "Datei"), std::nullopt);
  const ToolbarPlace floating{false, "nil", 0, 0, 100, 120, 400, 160, 390};
  const ToolbarPlace docked{true, "DockTop", 1, 230, 0, 0, 0, 0, 0};
  WriteToolbarPlace(store, "Datei", floating);
  WriteToolbarPlace(store, "Kategorie", docked);
  SettingsStore reopened(store.file());
  EXPECT_EQ(ReadToolbarPlace(reopened, "Datei"), floating);
  EXPECT_EQ(ReadToolbarPlace(reopened, "Kategorie"), docked);
  EXPECT_EQ(SettingsKey(reopened, "Bars\\Datei").ReadString("DockedTo"), "nil");

  SettingsKey(reopened, "Bars\\Datei").DeleteValue("FloatRightX");
  EXPECT_EQ(ReadToolbarPlace(reopened, "Datei"), std::nullopt);
}

}  // namespace
}  // namespace korvex
