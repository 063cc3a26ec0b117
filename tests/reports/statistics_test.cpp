#include "reports/statistics.h"

#include <gtest/gtest.h>

#include "common/coinbuilder.h"
#include "model/codepage.h"

namespace korvex {
namespace {

using test::W;
using Row = std::array<std::string, 5>;

class StatisticsTest : public ::testing::Test {
 protected:
  StatisticsTest() {
    germany_ = builder_.AddArea("Deutschland");
    swiss_ = builder_.AddArea("Schweiz");
    empty_ = builder_.AddArea("Leer");
  }

  void Add(int area, int32_t count, double catalogue, double price, double estimate) {
    builder_.AddCoin(area, [&](TDaten& c) {
      c.count = count;
      c.catalogue = catalogue;
      c.purchaseprice = price;
      c.estimate = estimate;
    });
  }

  Row Texts(const StatisticsFigures& figures) {
    return StatisticsRowTexts(figures, "\x80", FormatSettings::German());
  }

  test::DocumentBuilder builder_;
  int germany_ = 0, swiss_ = 0, empty_ = 0;
};

TEST_F(StatisticsTest, SumsEveryAreaAndTheWholeCollectionPerPiece) {
  Add(germany_, 12, 10, 8, 9);
  Add(germany_, 0, 500, 400, 450);  // a position without pieces adds nothing
  Add(swiss_, 2, 1234.5, 1500, 1000);
  // The view and filters of the main window do not matter.
  builder_.document().current_view = swiss_;
  const CollectionStatistics s = ComputeStatistics(builder_.document());
  ASSERT_EQ(s.areas.size(), 3u);
  EXPECT_EQ(s.area_names, (std::vector<std::string>{"Deutschland", "Schweiz", "Leer"}));
  EXPECT_EQ(s.positions, 3);
  EXPECT_EQ(Texts(s.areas[0]), (Row{"12 Stck", "120,00 \x80", "96,00 \x80", "108,00 \x80", "25,00 %"}));
  EXPECT_EQ(Texts(s.areas[1]),
            (Row{"2 Stck", "2.469,00 \x80", "3.000,00 \x80", "2.000,00 \x80", "-17,70 %"}));
  EXPECT_EQ(Texts(s.areas[2]), (Row{"0 Stck", "0,00 \x80", "0,00 \x80", "0,00 \x80", "---"}));
  EXPECT_EQ(Texts(s.total),
            (Row{"14 Stck", "2.589,00 \x80", "3.096,00 \x80", "2.108,00 \x80", "-16,38 %"}));
  EXPECT_EQ(StatisticsPositionsText(s.positions), W("Die Datei enthält 3 Positionen."));
}

TEST_F(StatisticsTest, NothingPaidOrANegativePurchaseSumShowsNoIncrease) {
  Add(germany_, 1, 10, 0, 0);
  Add(swiss_, 1, 10, -5, 0);
  const CollectionStatistics s = ComputeStatistics(builder_.document());
  EXPECT_EQ(Texts(s.areas[0])[4], "---");
  EXPECT_EQ(Texts(s.areas[1])[4], "---");
  EXPECT_EQ(Texts(s.total)[4], "---");
}

TEST_F(StatisticsTest, AnEmptyCollectionShowsZerosEverywhere) {
  const CollectionStatistics s = ComputeStatistics(builder_.document());
  EXPECT_EQ(s.positions, 0);
  EXPECT_EQ(Texts(s.total), (Row{"0 Stck", "0,00 \x80", "0,00 \x80", "0,00 \x80", "---"}));
  EXPECT_EQ(StatisticsPositionsText(0), W("Die Datei enthält 0 Positionen."));
}

TEST_F(StatisticsTest, ACoinOfAMissingAreaCountsOnlyInTheTotal) {
  Add(germany_, 1, 10, 5, 0);
  builder_.AddCoin(germany_, [](TDaten& c) { c.category = 7; c.count = 3; c.catalogue = 1; });
  const CollectionStatistics s = ComputeStatistics(builder_.document());
  EXPECT_EQ(s.areas[0].pieces, 1);
  EXPECT_EQ(s.total.pieces, 4);
  EXPECT_EQ(s.positions, 2);
  EXPECT_DOUBLE_EQ(s.total.catalogue_sum, 13);
}

TEST_F(StatisticsTest, PieceTotalsDoNotOverflow32Bits) {
  Add(germany_, 2000000000, 0, 0, 0);
  Add(swiss_, 2000000000, 0, 0, 0);
  EXPECT_EQ(ComputeStatistics(builder_.document()).total.pieces, 4000000000LL);
}

}  // namespace
}  // namespace korvex
