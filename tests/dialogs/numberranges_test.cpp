#include <gtest/gtest.h>

#include "dialogs/areadocument.h"
#include "dialogs/numberranges.h"
#include "model/fieldcatalogue.h"

namespace korvex {
namespace {

using test::AddArea;
using test::AddCoin;
using test::NumberedCoin;

enum Kind { kSchoenKind = 0, kJaegerKind, kYeomanKind, kRicKind, kCohenKind, kFreeKind };

std::array<int32_t, 3> Kinds(const TKategorie& area) { return area.number_kind; }

TEST(NumberRanges, MovesTheSlotNumbersIntoTheChosenCatalogues) {
  CollectionDocument document;
  AddArea(document, "A");
  TDaten& coin = NumberedCoin(document, 1);
  coin.cohen = "C1";
  ReassignNumberRanges(document, 1, {{kJaegerKind, kSchoenKind, kRicKind}, false});
  EXPECT_EQ(coin.jaeger, "12");
  EXPECT_EQ(coin.schoen, "Y5");
  EXPECT_EQ(coin.ric, "J7");
  EXPECT_EQ(coin.yeoman, "");
  // Cohen numbers were no slot's numbers, so they stay.
  EXPECT_EQ(coin.cohen, "C1");
  EXPECT_EQ(Kinds(*document.Area(1)), (std::array<int32_t, 3>{1, 0, 3}));
  EXPECT_TRUE(document.Area(1)->kind_in_use[kJaegerKind]);
  EXPECT_TRUE(document.Area(1)->kind_in_use[kSchoenKind]);
  EXPECT_FALSE(document.Area(1)->kind_in_use[kYeomanKind]);
  EXPECT_TRUE(document.modified());
}

TEST(NumberRanges, FreeCatalogueTakesTheSecondNumber) {
  CollectionDocument document;
  AddArea(document, "A");
  TDaten& coin = NumberedCoin(document, 1);
  ReassignNumberRanges(document, 1, {{kSchoenKind, kFreeKind, kJaegerKind}, false});
  EXPECT_EQ(coin.other1, "Y5");
  EXPECT_EQ(coin.schoen, "12");
  EXPECT_EQ(coin.jaeger, "J7");
  EXPECT_EQ(coin.yeoman, "");
}

TEST(NumberRanges, SameKindTwiceKeepsTheLaterSlot) {
  CollectionDocument document;
  AddArea(document, "A");
  TDaten& coin = NumberedCoin(document, 1);
  ReassignNumberRanges(document, 1, {{kRicKind, kCohenKind, kRicKind}, false});
  EXPECT_EQ(coin.ric, "J7");
  EXPECT_EQ(coin.cohen, "Y5");
  EXPECT_EQ(coin.schoen, "");
  EXPECT_EQ(coin.jaeger, "");
}

TEST(NumberRanges, NumbersOfUnusedCataloguesSurvive) {
  CollectionDocument document;
  AddArea(document, "A");
  TDaten& coin = NumberedCoin(document, 1);
  coin.ric = "RIC 207";
  coin.other1 = "KM 12";
  ReassignNumberRanges(document, 1, {{kJaegerKind, kSchoenKind, kCohenKind}, false});
  EXPECT_EQ(coin.ric, "RIC 207");
  EXPECT_EQ(coin.other1, "KM 12");
  EXPECT_EQ(coin.cohen, "J7");
}

TEST(NumberRanges, OneAreaLeavesTheOtherAreasAlone) {
  CollectionDocument document;
  AddArea(document, "A");
  AddArea(document, "B");
  TDaten& a = NumberedCoin(document, 1);
  TDaten& b = NumberedCoin(document, 2);
  ReassignNumberRanges(document, 2, {{kCohenKind, kRicKind, kJaegerKind}, false});
  EXPECT_EQ(b.cohen, "12");
  EXPECT_EQ(b.ric, "Y5");
  EXPECT_EQ(b.schoen, "");
  EXPECT_EQ(a.schoen, "12");
  EXPECT_EQ(a.cohen, "");
  EXPECT_EQ(Kinds(*document.Area(1)), (std::array<int32_t, 3>{0, 2, 1}));
  EXPECT_EQ(Kinds(*document.Area(2)), (std::array<int32_t, 3>{4, 3, 1}));
}

// The shape of a collection just read from an old data file: every coin carries its three
// numbers in the Schön, YEOMAN and Jäger fields, and every area has the default slots.
TEST(NumberRanges, AllAreasAfterReadingAnOldDataFile) {
  CollectionDocument document;
  AddArea(document, "A");
  AddArea(document, "B");
  TDaten& a = NumberedCoin(document, 1);
  TDaten& b = NumberedCoin(document, 2);
  EXPECT_EQ(PreselectedNumberKinds(document, 1), (std::array<int, 3>{0, 2, 1}));
  ReassignNumberRanges(document, 1, {{kJaegerKind, kSchoenKind, kRicKind}, true});
  for (const TDaten* coin : {&a, &b}) {
    EXPECT_EQ(coin->jaeger, "12");
    EXPECT_EQ(coin->schoen, "Y5");
    EXPECT_EQ(coin->ric, "J7");
    EXPECT_EQ(coin->yeoman, "");
  }
  EXPECT_EQ(Kinds(*document.Area(1)), (std::array<int32_t, 3>{1, 0, 3}));
  EXPECT_EQ(Kinds(*document.Area(2)), (std::array<int32_t, 3>{1, 0, 3}));
}

TEST(NumberRanges, AllAreasReadEachCoinThroughItsOwnArea) {
  CollectionDocument document;
  AddArea(document, "A");
  TKategorie& roman = AddArea(document, "Rom");
  roman.SetNumberKind(1, kRicKind);
  roman.SetNumberKind(2, kCohenKind);
  TDaten& a = NumberedCoin(document, 1);
  TDaten& r = AddCoin(document, 2, "2");
  r.ric = "R207";
  r.cohen = "C45";
  r.schoen = "alt";
  TDaten& stray = NumberedCoin(document, 7);  // of no area: reads through the first area
  ReassignNumberRanges(document, 1, {{kCohenKind, kRicKind, kJaegerKind}, true});
  EXPECT_EQ(a.cohen, "12");
  EXPECT_EQ(a.ric, "Y5");
  EXPECT_EQ(r.cohen, "R207");
  EXPECT_EQ(r.ric, "C45");
  EXPECT_EQ(r.schoen, "alt");
  EXPECT_EQ(stray.cohen, "12");
  EXPECT_EQ(stray.jaeger, "J7");
}

TEST(NumberRanges, SlotWithoutChoiceKeepsItsNumberAndKind) {
  CollectionDocument document;
  AddArea(document, "A");
  TDaten& coin = NumberedCoin(document, 1);
  ReassignNumberRanges(document, 1, {{kRicKind, -1, 9}, false});
  EXPECT_EQ(coin.ric, "12");
  EXPECT_EQ(coin.yeoman, "Y5");
  EXPECT_EQ(coin.jaeger, "J7");
  EXPECT_EQ(coin.schoen, "");
  EXPECT_EQ(Kinds(*document.Area(1)), (std::array<int32_t, 3>{3, 2, 1}));
}

TEST(NumberRanges, UnknownTargetChangesNothing) {
  CollectionDocument document;
  AddArea(document, "A");
  TDaten& coin = NumberedCoin(document, 1);
  ReassignNumberRanges(document, 2, {{kRicKind, kRicKind, kRicKind}, false});
  EXPECT_EQ(coin.schoen, "12");
  EXPECT_FALSE(document.modified());
  EXPECT_EQ(PreselectedNumberKinds(document, 2), (std::array<int, 3>{0, 2, 1}));
}

TEST(NumberRanges, SlotKindOutsideTheCataloguesReadsTheSchoenNumber) {
  CollectionDocument document;
  TKategorie& area = AddArea(document, "A");
  area.SetNumberKind(2, 7);
  TDaten& coin = AddCoin(document, 1, "1");
  coin.schoen = "12";
  coin.jaeger = "J7";
  EXPECT_EQ(PreselectedNumberKinds(document, 1), (std::array<int, 3>{0, 7, 1}));
  ReassignNumberRanges(document, 1, {{kSchoenKind, kRicKind, kJaegerKind}, false});
  EXPECT_EQ(coin.schoen, "12");
  EXPECT_EQ(coin.ric, "12");
  EXPECT_EQ(coin.jaeger, "J7");
  EXPECT_EQ(Kinds(area), (std::array<int32_t, 3>{0, 3, 1}));
}

}  // namespace
}  // namespace korvex
