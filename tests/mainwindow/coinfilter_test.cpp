#include "mainwindow/coinfilter.h"

#include <gtest/gtest.h>

#include "model/codepage.h"
#include "model/datetime.h"

namespace korvex {
namespace {

class CountFilterTest : public ::testing::Test {
 protected:
  CountFilterTest() {
    for (int32_t count : {0, 1, 2, 3, 0}) {
      auto coin = std::make_unique<TDaten>();
      coin->count = count;
      // Values that a free filter template would treat as criteria must not matter here.
      coin->width = 0;
      coin->case_ = static_cast<uint8_t>(count % 2);
      coin->certificate = 1;
      coin->purchasedate = kNoDate;
      coin->catalogue = count * 1.5;
      coins_.push_back(std::move(coin));
    }
  }

  std::vector<int32_t> AcceptedCounts() const {
    std::vector<int32_t> counts;
    for (const auto& coin : coins_) {
      if (filter_.Accepts(*coin)) counts.push_back(coin->count);
    }
    return counts;
  }

  std::vector<std::unique_ptr<TDaten>> coins_;
  CoinFilter filter_;
};

TEST_F(CountFilterTest, WithoutFilterEveryCoinPasses) {
  EXPECT_FALSE(filter_.Active());
  EXPECT_EQ(filter_.kind(), FilterKind::kNone);
  EXPECT_EQ(AcceptedCounts(), (std::vector<int32_t>{0, 1, 2, 3, 0}));
  EXPECT_EQ(filter_.suffix(), "");
}

TEST_F(CountFilterTest, MissingShowsTheCoinsWithoutPieces) {
  filter_.SetCountFilter(FilterKind::kMissing);
  EXPECT_EQ(AcceptedCounts(), (std::vector<int32_t>{0, 0}));
  EXPECT_EQ(filter_.suffix(), " - [nur Fehlbestand]");
  EXPECT_EQ(filter_.kind(), FilterKind::kMissing);
}

TEST_F(CountFilterTest, StockShowsTheCoinsWithPieces) {
  filter_.SetCountFilter(FilterKind::kStock);
  EXPECT_EQ(AcceptedCounts(), (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(filter_.suffix(), " - [ohne Fehlbestand]");
}

TEST_F(CountFilterTest, DuplicatesShowTwoPiecesOrMore) {
  filter_.SetCountFilter(FilterKind::kDuplicates);
  EXPECT_EQ(AcceptedCounts(), (std::vector<int32_t>{2, 3}));
  EXPECT_EQ(filter_.suffix(), " - [nur Doubletten]");
}

TEST_F(CountFilterTest, CountFiltersIgnoreTheYesNoSwitchesOfAnEarlierFreeFilter) {
  auto t = NewFilterTemplate();
  MatchSwitches strict;
  strict.case_ignored = false;
  strict.certificate_ignored = false;
  strict.all_criteria = false;
  filter_.SetFreeFilter(std::move(t), strict);
  filter_.SetCountFilter(FilterKind::kStock);
  EXPECT_EQ(AcceptedCounts(), (std::vector<int32_t>{1, 2, 3}));
  EXPECT_TRUE(filter_.switches().all_criteria);
}

TEST_F(CountFilterTest, ClearingEndsTheFilterAndItsSuffix) {
  filter_.SetCountFilter(FilterKind::kMissing);
  filter_.Clear();
  EXPECT_FALSE(filter_.Active());
  EXPECT_EQ(filter_.suffix(), "");
  EXPECT_EQ(AcceptedCounts().size(), 5u);
  filter_.SetCountFilter(FilterKind::kFree);  // not a count filter
  EXPECT_FALSE(filter_.Active());
}

TEST(FreeFilterTest, KeepsItsTemplateAndSwitches) {
  CoinFilter filter;
  auto t = NewFilterTemplate();
  t->count = -3;  // typed as ">1"
  MatchSwitches switches;
  switches.exact_text = true;
  filter.SetFreeFilter(std::move(t), switches);
  EXPECT_TRUE(filter.Active());
  EXPECT_EQ(filter.kind(), FilterKind::kFree);
  EXPECT_EQ(filter.suffix(), " - [gefiltert]");
  EXPECT_TRUE(filter.switches().exact_text);
  ASSERT_NE(filter.Template(), nullptr);
  EXPECT_EQ(filter.Template()->count, -3);
  TDaten one, two;
  one.count = 1;
  two.count = 2;
  EXPECT_FALSE(filter.Accepts(one));
  EXPECT_TRUE(filter.Accepts(two));
  filter.SetFreeFilter(nullptr, switches);
  EXPECT_FALSE(filter.Active());
  EXPECT_EQ(filter.suffix(), "");
}

TEST(FreeFilterTest, ANewTemplateAcceptsEveryCoin) {
  // Zeros and an open purchase date are values a filter can ask for; the new template asks for
  // none of them.
  CoinFilter filter;
  filter.SetFreeFilter(NewFilterTemplate(), MatchSwitches{});
  TDaten coin;
  coin.count = 0;
  coin.purchasedate = kNoDate;
  EXPECT_TRUE(filter.Accepts(coin));
  coin.count = -1;
  coin.weight = -1;
  EXPECT_TRUE(filter.Accepts(coin));
  MatchSwitches any;
  any.all_criteria = false;
  filter.SetFreeFilter(NewFilterTemplate(), any);
  EXPECT_FALSE(filter.Accepts(coin));
}

}  // namespace
}  // namespace korvex
