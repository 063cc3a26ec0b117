#include <gtest/gtest.h>

#include "common/coinbuilder.h"
#include "mainwindow/statuslayout.h"
#include "mainwindow/statusprogress.h"
#include "mainwindow/windowtitle.h"
#include "model/codepage.h"

namespace korvex {
namespace {

using test::W;

class WindowTitleTest : public ::testing::Test {
 protected:
  WindowTitleTest() { area_ = builder_.AddArea("Deutschland"); }
  CollectionDocument& doc() { return builder_.document(); }
  std::string Title(const std::string& suffix = "") { return Win1252ToUtf8(WindowTitle(doc(), suffix)); }

  test::DocumentBuilder builder_;
  int area_ = 0;
};

TEST_F(WindowTitleTest, NamesAreaFileAndFilter) {
  doc().current_view = area_;
  doc().SetFileName("/home/sammler/Sammlung.mvc");
  EXPECT_EQ(Title(" - [nur Fehlbestand]"),
            "Korvex - Übersicht über Deutschland - Sammlung - [nur Fehlbestand]");
  doc().current_view = kAllCoinsView;
  EXPECT_EQ(Title(), "Korvex - Übersicht über alle Münzen - Sammlung");
}

TEST_F(WindowTitleTest, ReadOnlyMarkComesBeforeTheFilterSuffix) {
  doc().SetFileName("/x/Archiv.mvs");
  doc().SetWritable(false);
  EXPECT_EQ(Title(), "Korvex - Übersicht über alle Münzen - Archiv [Schreibgeschützt]");
  EXPECT_EQ(Title(" - [gefiltert]"),
            "Korvex - Übersicht über alle Münzen - Archiv [Schreibgeschützt] - [gefiltert]");
}

TEST_F(WindowTitleTest, BeforeAnyViewOnlyTheFileIsNamed) {
  doc().current_view = 0;
  doc().SetFileName("/x/Archiv.mvs");
  EXPECT_EQ(Title(), "Korvex - Archiv");
}

TEST_F(WindowTitleTest, AnUnnamedDocumentShowsItsPlaceholder) {
  EXPECT_EQ(Title(), "Korvex - Übersicht über alle Münzen - [Unbenannt]");
}

TEST(AreaNameTest, AllCoinsNoViewAndMissingAreas) {
  test::DocumentBuilder builder;
  EXPECT_EQ(AreaName(builder.document(), 1), W("alle Münzen"));
  const int id = builder.AddArea("Österreich");
  EXPECT_EQ(AreaName(builder.document(), id), W("Österreich"));
  EXPECT_EQ(AreaName(builder.document(), kAllCoinsView), W("alle Münzen"));
  EXPECT_EQ(AreaName(builder.document(), 0), W("alle Münzen"));
}

// Eight pixels per character, like a fixed-width font.
int EightPerChar(const std::string& text) { return static_cast<int>(text.size()) * 8; }

TEST(StatusLayoutTest, A630PixelWindowGivesPanels100And75) {
  const std::array<std::string, 5> texts = {"", "3 St", "4,00", "", ""};
  const auto widths = StatusPanelWidths(630, 630, texts, EightPerChar);
  EXPECT_EQ(widths[1], 75);
  EXPECT_EQ(widths[2], 100);
  EXPECT_EQ(widths[3], 100);
  // "Geändert" is 8 characters: 64 pixels, one and a half times that is 96.
  EXPECT_EQ(widths[0], 630 - 275 - 96);
  EXPECT_EQ(widths[4], 96);
}

TEST(StatusLayoutTest, PanelsNarrowerThanTheirTextGrow) {
  const std::array<std::string, 5> texts = {"", W("1.234.567 Stück"), "12.345.678,00 CHF",
                                            W("Passwortgeschützt"), ""};
  const auto widths = StatusPanelWidths(630, 630, texts, EightPerChar);
  EXPECT_EQ(widths[1], 15 * 8 + 7);
  EXPECT_EQ(widths[2], 17 * 8 + 7);
  EXPECT_EQ(widths[3], 17 * 8 + 7);
}

TEST(StatusLayoutTest, RoundsHalvesToEvenAndNeverGoesNegative) {
  const std::array<std::string, 5> texts{};
  // 315 * 10 / 63 = 50; 50 * 3 / 4 = 37.5 rounds to 38.
  auto widths = StatusPanelWidths(315, 315, texts, [](const std::string&) { return 0; });
  EXPECT_EQ(widths[2], 50);
  EXPECT_EQ(widths[1], 38);
  // 441 * 10 / 63 = 70; 70 * 3 / 4 = 52.5 rounds to 52.
  widths = StatusPanelWidths(441, 441, texts, [](const std::string&) { return 0; });
  EXPECT_EQ(widths[1], 52);
  widths = StatusPanelWidths(100, 100, texts, EightPerChar);
  EXPECT_EQ(widths[0], 0);
  EXPECT_GE(widths[4], 0);
}

class ProgressTest : public ::testing::Test {
 protected:
  ProgressTest()
      : progress_([this](const std::string& text) { shown_.push_back(text); },
                  [this] { ++ended_; }) {}

  std::vector<std::string> shown_;
  int ended_ = 0;
  StatusProgress progress_;
};

TEST_F(ProgressTest, ShowsOnlySteps5PointsApartAndTheFinalOne) {
  progress_.ProgressBegin("Lade Daten. Fertig:");
  progress_.ProgressTotal(200);
  progress_.ProgressSet(0);
  for (int i = 0; i < 200; ++i) progress_.ProgressStep();
  std::vector<std::string> expected = {"Lade Daten. Fertig:"};
  for (int p = 5; p <= 100; p += 5) expected.push_back("Lade Daten. Fertig:" + std::to_string(p) + "%");
  // Step 199 is 99.5 per cent, which rounds to the even 100; step 200 reaches 100 and shows again.
  expected.push_back("Lade Daten. Fertig:100%");
  EXPECT_EQ(shown_, expected);
  progress_.ProgressEnd();
  EXPECT_EQ(ended_, 1);
  EXPECT_FALSE(progress_.active());
}

TEST_F(ProgressTest, TheStepThatReaches100IsAlwaysShown) {
  progress_.ProgressBegin("Speichere Daten. Fertig:");
  progress_.ProgressTotal(3);
  for (int i = 1; i <= 3; ++i) progress_.ProgressSet(i);
  EXPECT_EQ(shown_, (std::vector<std::string>{"Speichere Daten. Fertig:", "Speichere Daten. Fertig:33%",
                                              "Speichere Daten. Fertig:67%",
                                              "Speichere Daten. Fertig:100%"}));
  // 100 again is shown again; a step back is not, until step 0 starts over.
  progress_.ProgressSet(3);
  progress_.ProgressSet(1);
  EXPECT_EQ(shown_.size(), 5u);
  progress_.ProgressSet(0);
  progress_.ProgressSet(1);
  EXPECT_EQ(shown_.back(), "Speichere Daten. Fertig:33%");
}

TEST_F(ProgressTest, ATotalOfZeroShowsNothing) {
  progress_.ProgressBegin("Sende an Drucker. Fertig:");
  progress_.ProgressSet(0);
  progress_.ProgressStep();
  progress_.ProgressStep();
  EXPECT_EQ(shown_, (std::vector<std::string>{"Sende an Drucker. Fertig:"}));
}

TEST_F(ProgressTest, AFreeTextIsShownOnlyWhileTheDisplayIsOn) {
  progress_.ShowText("vorher");
  progress_.ProgressBegin("Ändere die Währung, bitte warten! Fertig zu ");
  progress_.ShowText("Ändere die Währung, bitte warten! Fertig zu 100% - Bild wird neu aufgebaut...");
  progress_.ProgressBegin("");
  progress_.ShowText("nachher");
  EXPECT_EQ(shown_, (std::vector<std::string>{
                        "Ändere die Währung, bitte warten! Fertig zu ",
                        "Ändere die Währung, bitte warten! Fertig zu 100% - Bild wird neu aufgebaut..."}));
  EXPECT_EQ(ended_, 1);
}

}  // namespace
}  // namespace korvex
