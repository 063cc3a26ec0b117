// How "<" and ">" of the detail view step through the coins the main window shows.
#include <gtest/gtest.h>

#include "common/coinbuilder.h"
#include "mainwindow/detailviewstepping.h"
#include "model/collectiondocument.h"

namespace korvex {
namespace {

// Five coins: two areas, one of them filtered out by the stock filter (count 0).
class Stepping : public ::testing::Test {
 protected:
  void SetUp() override {
    const int euro = builder_.AddArea("Euro");
    const int mark = builder_.AddArea("Mark");
    for (const auto& [area, count] : std::vector<std::pair<int, int>>{
             {euro, 1}, {mark, 1}, {euro, 0}, {euro, 2}, {mark, 3}}) {
      coins_.push_back(builder_.AddCoin(area, [count = count](TDaten& c) { c.count = count; }));
    }
  }
  test::DocumentBuilder builder_;
  std::vector<TDaten*> coins_;
  CoinFilter filter_;
};

TEST_F(Stepping, NextAndPrevSkipOtherAreasAndRejectedCoins) {
  EXPECT_EQ(SteppedCoin(*coins_[0], true, kAllCoinsView, filter_), coins_[1]);
  EXPECT_EQ(SteppedCoin(*coins_[0], true, 1, filter_), coins_[2]);
  EXPECT_EQ(SteppedCoin(*coins_[1], true, 2, filter_), coins_[4]);
  EXPECT_EQ(SteppedCoin(*coins_[4], false, 2, filter_), coins_[1]);
  filter_.SetCountFilter(FilterKind::kStock);
  EXPECT_EQ(SteppedCoin(*coins_[0], true, 1, filter_), coins_[3]);
  EXPECT_EQ(SteppedCoin(*coins_[3], false, 1, filter_), coins_[0]);
  EXPECT_EQ(SteppedCoin(*coins_[3], true, 1, filter_), nullptr);
  EXPECT_EQ(SteppedCoin(*coins_[0], false, kAllCoinsView, filter_), nullptr);
}

}  // namespace
}  // namespace korvex
