#include <gtest/gtest.h>

#include "dialogs/entryfields.h"

namespace korvex {
namespace {

TEST(EntryFieldsTest, DecimalAReadsBothGroupingConventionsAndApostrophes) {
  EXPECT_DOUBLE_EQ(ReadDecimalA("1.234,56"), 1234.56);
  EXPECT_DOUBLE_EQ(ReadDecimalA("1,234.56"), 1234.56);
  EXPECT_DOUBLE_EQ(ReadDecimalA("1.234"), 1.234);
  EXPECT_DOUBLE_EQ(ReadDecimalA("12,50"), 12.5);
  EXPECT_DOUBLE_EQ(ReadDecimalA("3'5"), 3.5);
  EXPECT_DOUBLE_EQ(ReadDecimalA(""), 0);
}

TEST(EntryFieldsTest, MalformedNumbersStoreTheirLeadingNumber) {
  EXPECT_DOUBLE_EQ(ReadDecimalA("12,50 EUR"), 12.5);
  EXPECT_DOUBLE_EQ(ReadDecimalA("1,5'3"), 1.5);  // the apostrophe gives a second point
  EXPECT_DOUBLE_EQ(ReadDecimalA("abc"), 0);
  EXPECT_DOUBLE_EQ(ReadDecimalA(" -2,5"), -2.5);
  EXPECT_DOUBLE_EQ(ReadDecimalB("7,25 mm"), 7.25);
  EXPECT_DOUBLE_EQ(ReadDecimalB("3'5"), 3);  // decimal B knows no apostrophe
  EXPECT_EQ(ReadCount("12 Stück"), 12);
  EXPECT_EQ(ReadCount("x"), 0);
  EXPECT_EQ(ReadCount("99999999999"), 2147483647);
}

TEST(EntryFieldsTest, CirculationDropsGroupingOfEitherKind) {
  EXPECT_EQ(ReadCirculation("1.000.000"), 1000000);
  EXPECT_EQ(ReadCirculation("1,000,000"), 1000000);
  EXPECT_EQ(ReadCirculation("ca. 25 000 Stück"), 25000);
  EXPECT_EQ(ReadCirculation("12345678901234"), 12345678901234LL);
  EXPECT_EQ(ReadCirculation(""), 0);
}

TEST(EntryFieldsTest, CatalogueNumbersByKindWithErrorOutsideTheKinds) {
  TDaten coin;
  coin.schoen = "S1";
  coin.other1 = "F9";
  EXPECT_EQ(CatalogueNumberText(coin, 0), "S1");
  EXPECT_EQ(CatalogueNumberText(coin, 5), "F9");
  EXPECT_EQ(CatalogueNumberText(coin, 6), "#ERROR");
  EXPECT_EQ(CatalogueNumberText(coin, -1), "#ERROR");
  StoreCatalogueNumber(coin, 3, "R7");
  EXPECT_EQ(coin.ric, "R7");
  StoreCatalogueNumber(coin, 7, "lost");
  EXPECT_EQ(CatalogueNumberText(coin, 0), "S1");
  for (int kind = 1; kind <= 4; ++kind) {
    if (kind != 3) {
      EXPECT_EQ(CatalogueNumberText(coin, kind), "") << kind;
    }
  }
}

TEST(EntryFieldsTest, SlotCaptionsNameTheKindOrTheAreasFreeCatalogue) {
  TKategorie area;
  area.other_name = "Krause";
  area.number_kind = {0, 5, 4};
  EXPECT_EQ(CatalogueSlotCaption(area, 1), "Sch\xF6n-Nr.:");
  EXPECT_EQ(CatalogueSlotCaption(area, 2), "Krause:");
  EXPECT_EQ(CatalogueSlotCaption(area, 3), "Cohen-Nr.:");
}

TEST(EntryFieldsTest, DialogScrollsOnlyWhenTheScreenIsTooLow) {
  EXPECT_EQ(EntryDialogSize(780, 700, 1280, 1024, 16), (DialogSize{780, 700, false}));
  EXPECT_EQ(EntryDialogSize(780, 700, 1024, 600, 16), (DialogSize{796, 560, true}));
  EXPECT_EQ(EntryDialogSize(780, 740, 1024, 780, 16), (DialogSize{780, 740, false}));
  EXPECT_EQ(EntryDialogSize(780, 741, 1024, 780, 16), (DialogSize{796, 740, true}));
  EXPECT_EQ(EntryDialogSize(1100, 500, 1024, 768, 16), (DialogSize{1014, 500, false}));
}

TEST(EntryFieldsTest, TitlesCarryTheAreaExceptForSearchAndFilter) {
  EXPECT_EQ(EntryDialogTitle(EntryPurpose::kNew, "Euro"), "Eingabe einer M\xFCnze - Euro");
  EXPECT_EQ(EntryDialogTitle(EntryPurpose::kChange, "Euro"), "\xC4ndern einer M\xFCnze - Euro");
  EXPECT_EQ(EntryDialogTitle(EntryPurpose::kDelete, "Euro"), "L\xF6schen einer M\xFCnze - Euro");
  EXPECT_EQ(EntryDialogTitle(EntryPurpose::kCut, "Euro"), "Ausschneiden einer M\xFCnze - Euro");
  EXPECT_EQ(EntryDialogTitle(EntryPurpose::kSearch, "Euro"), "Suchen einer M\xFCnze");
  EXPECT_EQ(EntryDialogTitle(EntryPurpose::kFilter, "Euro"), "Filter definieren");
}

}  // namespace
}  // namespace korvex
