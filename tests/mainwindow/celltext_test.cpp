#include "mainwindow/celltext.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/coinbuilder.h"
#include "model/datetime.h"
#include "model/fieldcatalogue.h"
#include "model/numberformat.h"

namespace korvex {
namespace {

using test::W;

class CellTextTest : public ::testing::Test {
 protected:
  CellTextTest() {
    area_ = builder_.AddArea("Deutschland");
    coin_ = builder_.AddCoin(area_);
  }

  std::string Cell(int type, const FormatSettings& settings = FormatSettings::German()) {
    return CoinCellText(builder_.document(), *coin_, type, settings);
  }
  TKategorie& area() { return builder_.Area(area_); }

  test::DocumentBuilder builder_;
  int area_ = 0;
  TDaten* coin_ = nullptr;
};

TEST_F(CellTextTest, NumbersUseTheirFormats) {
  coin_->count = -3;
  coin_->circulation = 5000000000LL;
  coin_->catalogue = 1234.5;
  coin_->estimate = 0.125;
  coin_->purchaseprice = -0.004;
  coin_->weight = 7.5f;
  coin_->fine = 3.1f;
  coin_->diameter_minimum = 20;
  coin_->diameter_maximum = 32.125f;
  coin_->width = 2;
  area().width = true;
  EXPECT_EQ(Cell(kCount), "-3");
  EXPECT_EQ(Cell(kCirculation), "5000000000");
  EXPECT_EQ(Cell(kCatalogue), "1.234,50");
  EXPECT_EQ(Cell(kEstimate), "0,13");
  EXPECT_EQ(Cell(kPurchaseprice), "0,00");
  EXPECT_EQ(Cell(kWeight), "7,500 g");
  EXPECT_EQ(Cell(kFine), "3,100 g");
  EXPECT_EQ(Cell(kDiameterMinimum), "20,00 mm");
  EXPECT_EQ(Cell(kDiameterMaximum), "32,13 mm");
  EXPECT_EQ(Cell(kWidth), "2,000 mm");
  EXPECT_EQ(Cell(kCatalogue, FormatSettings::English()), "1,234.50");
}

TEST_F(CellTextTest, CatalogueSumIsTheExtendedPrecisionProduct) {
  coin_->catalogue = 2.5;
  coin_->count = 3;
  EXPECT_EQ(Cell(kCataloguesum), "7,50");
  // 0.015 is held a little below 0.015; nine times it is a little below 0.135, which a product in
  // double precision would round up to 0.135 exactly.
  coin_->catalogue = 0.015;
  coin_->count = 9;
  EXPECT_EQ(Cell(kCataloguesum), "0,13");
  EXPECT_EQ(FormatN(coin_->catalogue * coin_->count, 2, FormatSettings::German()), "0,14");
}

TEST_F(CellTextTest, PurchaseDateUsesTheDateFormatAndShowsAnOpenDateAsQuestionMark) {
  coin_->purchasedate = *DayNumber(2004, 3, 7);
  EXPECT_EQ(Cell(kPurchasedate), "07.03.2004");
  EXPECT_EQ(Cell(kPurchasedate, FormatSettings::English()), "2004-03-07");
  coin_->purchasedate = kNoDate;
  EXPECT_EQ(Cell(kPurchasedate), "?");
}

TEST_F(CellTextTest, PurchaseDateOutsideTheCalendarShowsAsQuestionMark) {
  for (const double odd : {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e300, -1e300, 4e18, 3e6}) {
    coin_->purchasedate = odd;
    EXPECT_EQ(Cell(kPurchasedate), "?") << odd;
  }
}

TEST_F(CellTextTest, TextsAreShownUnchanged) {
  coin_->av_motive = W("Adler, stilisiert ");
  coin_->numeral = "10";
  coin_->other1 = "F-17";
  coin_->z3 = "frei";
  area().SetNumberKind(3, 5);
  area().number_active[2] = true;
  area().RecomputeKindInUse();
  area().z_active[2] = true;
  EXPECT_EQ(Cell(kAvMotive), W("Adler, stilisiert "));
  EXPECT_EQ(Cell(kNumeral), "10");
  EXPECT_EQ(Cell(kOther1), "F-17");
  EXPECT_EQ(Cell(kZ3), "frei");
}

TEST_F(CellTextTest, CaseAndCertificateShowTheirWordsWhenSet) {
  coin_->case_ = 1;
  EXPECT_EQ(Cell(kCase), "Etui");
  EXPECT_EQ(Cell(kCertificate), "");
  coin_->case_ = 0;
  coin_->certificate = 1;
  EXPECT_EQ(Cell(kCase), "");
  EXPECT_EQ(Cell(kCertificate), "Zertifikat");
}

TEST_F(CellTextTest, FieldsTheCoinsAreaSwitchesOffAreEmpty) {
  coin_->year = "1990";
  coin_->jaeger = "J 123";
  coin_->catalogue = 4;
  coin_->z1 = "x";
  coin_->width = 2;
  area().year = false;
  area().catalogue = false;
  EXPECT_EQ(Cell(kYear), "");
  EXPECT_EQ(Cell(kCatalogue), "");
  EXPECT_EQ(Cell(kCataloguesum), "");
  EXPECT_EQ(Cell(kJaeger), "");  // kind 1 sits in the inactive third slot
  EXPECT_EQ(Cell(kZ1), "");
  EXPECT_EQ(Cell(kWidth), "");   // thickness is off in a new area
  area().number_active[2] = true;
  area().RecomputeKindInUse();
  EXPECT_EQ(Cell(kJaeger), "J 123");
}

TEST_F(CellTextTest, TheCoinsOwnAreaDecidesNotTheShownView) {
  const int other = builder_.AddArea("Schweiz");
  builder_.Area(other).year = false;
  TDaten* swiss = builder_.AddCoin(other, [](TDaten& c) { c.year = "1975"; });
  coin_->year = "1990";
  builder_.document().current_view = other;
  EXPECT_EQ(Cell(kYear), "1990");
  EXPECT_EQ(CoinCellText(builder_.document(), *swiss, kYear, FormatSettings::German()), "");
}

TEST_F(CellTextTest, NonFieldsAndUnknownAreasGiveEmptyText) {
  coin_->count = 4;
  EXPECT_EQ(Cell(0), "");
  EXPECT_EQ(Cell(47), "");
  coin_->category = 9;
  EXPECT_EQ(Cell(kCount), "");
}

}  // namespace
}  // namespace korvex
