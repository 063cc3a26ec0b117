#include <gtest/gtest.h>

#include "dialogs/arearules.h"

namespace korvex {
namespace {

TEST(AreaRules, NewAreaIsNamedAndShortNamedByPosition) {
  const TKategorie area = NewArea(3);
  EXPECT_EQ(area.name, "Neues Sammelgebiet");
  EXPECT_EQ(area.short_, "3");
  EXPECT_TRUE(area.menu);
  EXPECT_TRUE(area.icon_button);
  // Everything else keeps the defaults of a new area.
  EXPECT_EQ(area.number_kind, (std::array<int32_t, 3>{0, 2, 1}));
  EXPECT_TRUE(area.av_picture);
  EXPECT_EQ(area.other_name, "(andere Katalognummer)");
  EXPECT_EQ(ShortNameForPosition(12), "12");
  EXPECT_EQ(ShortNameForPosition(1234), "123");
}

TEST(AreaRules, LeavingTheNameFillsOnlyAnEmptyShortName) {
  EXPECT_EQ(ShortNameAfterNaming("", "Deutschland"), "Deu");
  EXPECT_EQ(ShortNameAfterNaming("", "EU"), "EU");
  EXPECT_EQ(ShortNameAfterNaming("D", "Deutschland"), "D");
  EXPECT_EQ(ShortNameAfterNaming("", ""), "");
}

TEST(AreaRules, CaptionEditsStoreRealTextsOnly) {
  TKategorie area;
  EXPECT_EQ(ExtraCaptionShown(area, 2), "Frei definierbar");
  EXPECT_EQ(ApplyExtraCaption(area, 2, "Erhaltung"), CaptionEdit::kStored);
  EXPECT_EQ(area.z_name[1], "Erhaltung");
  EXPECT_EQ(ExtraCaptionShown(area, 2), "Erhaltung");

  // Emptying the edit or showing the placeholder keeps the caption the area had.
  EXPECT_EQ(ApplyExtraCaption(area, 2, ""), CaptionEdit::kRefill);
  EXPECT_EQ(ApplyExtraCaption(area, 2, "Frei definierbar"), CaptionEdit::kPlaceholder);
  EXPECT_EQ(area.z_name[1], "Erhaltung");

  EXPECT_EQ(ApplyExtraCaption(area, 5, "Frei definierbar!"), CaptionEdit::kStored);
  EXPECT_EQ(area.z_name[4], "Frei definierbar!");
  EXPECT_EQ(area.z_name[0], "");
}

TEST(AreaRules, SwitchingTheDiameterWithdrawsTheMaximum) {
  TKategorie area;
  ASSERT_TRUE(area.diameter_maximum);
  SetDiameterUsed(area, false);
  EXPECT_FALSE(area.diameter_minimum);
  EXPECT_FALSE(area.diameter_maximum);
  SetDiameterUsed(area, true);
  EXPECT_TRUE(area.diameter_minimum);
  EXPECT_FALSE(area.diameter_maximum);
}

TEST(AreaRules, KindListEndsWithTheAreasFreeCatalogue) {
  TKategorie area;
  area.other_name = "Krause";
  const auto items = KindListItems(area);
  EXPECT_EQ(items[0], "Sch\xF6n-Nr.");
  EXPECT_EQ(items[1], "Jaeger-Nr.");
  EXPECT_EQ(items[2], "YEOMAN-Nr.");
  EXPECT_EQ(items[3], "RIC-Nr.");
  EXPECT_EQ(items[4], "Cohen-Nr.");
  EXPECT_EQ(items[5], "Krause");
}

class ScriptedNameAsker : public CatalogueNameAsker {
 public:
  explicit ScriptedNameAsker(std::string answer) : answer_(std::move(answer)) {}
  std::string AskCatalogueName(const std::string& current) override {
    asked_with = current;
    return answer_;
  }
  std::string asked_with;

 private:
  std::string answer_;
};

TEST(AreaRules, FreeCatalogueNameIsAskedWithTheCurrentName) {
  TKategorie area;
  ScriptedNameAsker asker("Krause-Mishler");
  AskFreeCatalogueName(area, asker);
  EXPECT_EQ(asker.asked_with, "(andere Katalognummer)");
  EXPECT_EQ(area.other_name, "Krause-Mishler");
}

TEST(AreaRules, BlankFreeCatalogueNameKeepsThePreviousName) {
  TKategorie area;
  area.other_name = "Krause";
  ScriptedNameAsker asker("  ");
  AskFreeCatalogueName(area, asker);
  EXPECT_EQ(area.other_name, "Krause");
}

TEST(AreaRules, IconsBelowTheProgramFolderAreStoredRelatively) {
  const std::filesystem::path program = "/opt/Korvex";
  EXPECT_EQ(StoredIconName("/opt/Korvex/ICO/de.bmp", program), "ICO/de.bmp");
  // Letter case does not matter, as for file names on Windows.
  EXPECT_EQ(StoredIconName("/OPT/korvex/ICO/de.bmp", program), "ICO/de.bmp");
  EXPECT_EQ(StoredIconName("/opt/Korvex/./ICO/../ICO/at.bmp", "/opt/Korvex/"), "ICO/at.bmp");
  // A folder that merely starts with the same letters is not the program folder.
  EXPECT_EQ(StoredIconName("/opt/Korvex2/ICO/de.bmp", program), "/opt/Korvex2/ICO/de.bmp");
  EXPECT_EQ(StoredIconName("/home/sammler/Bilder/Korvex/x.bmp", "/Korvex"),
            "/home/sammler/Bilder/Korvex/x.bmp");
  // Names become Windows-1252 like every document text.
  EXPECT_EQ(StoredIconName("/opt/Korvex/ICO/\xC3\xB6.bmp", program), "ICO/\xF6.bmp");
}

TEST(AreaRules, IconNamesResolveAgainstTheProgramFolder) {
  const std::filesystem::path program = "/opt/Korvex";
  EXPECT_EQ(ResolveAreaIconPath("ICO/de.bmp", program), std::filesystem::path("/opt/Korvex/ICO/de.bmp"));
  EXPECT_EQ(ResolveAreaIconPath("ICO\\de.bmp", program), std::filesystem::path("/opt/Korvex/ICO/de.bmp"));
  EXPECT_EQ(ResolveAreaIconPath("ICO\\\xF6.bmp", program),
            std::filesystem::path("/opt/Korvex/ICO/\xC3\xB6.bmp"));
  EXPECT_EQ(ResolveAreaIconPath("/home/sammler/x.bmp", program), std::filesystem::path("/home/sammler/x.bmp"));
  EXPECT_EQ(ResolveAreaIconPath("C:\\Bilder\\x.bmp", program), std::filesystem::path("C:/Bilder/x.bmp"));
  EXPECT_FALSE(ResolveAreaIconPath("", program).has_value());
  EXPECT_EQ(IconFolder(program), std::filesystem::path("/opt/Korvex/ICO"));
}

}  // namespace
}  // namespace korvex
