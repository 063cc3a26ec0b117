#include "mainwindow/templatematching.h"

#include <gtest/gtest.h>

#include "common/coinbuilder.h"
#include "mainwindow/coinfilter.h"
#include "mainwindow/coinsearch.h"
#include "model/datetime.h"

namespace korvex {
namespace {

using test::W;

TEST(TextCriterionTest, PartOfTheTextMatchesWithoutExactSwitch) {
  EXPECT_TRUE(TextCriterionMatches("deutsch", "Deutschland", false, false));
  EXPECT_TRUE(TextCriterionMatches("deutsch", "Ostdeutschland", false, false));
  EXPECT_FALSE(TextCriterionMatches("deutsch", "Ostdeutschland", true, false));
  EXPECT_TRUE(TextCriterionMatches("deutsch", "DEUTSCH", true, false));
  EXPECT_FALSE(TextCriterionMatches("deutschland", "deutsch", false, false));
}

TEST(TextCriterionTest, MatchCaseComparesTheBytes) {
  EXPECT_FALSE(TextCriterionMatches("Deutsch", "deutschland", false, true));
  EXPECT_TRUE(TextCriterionMatches("deutsch", "Ostdeutschland", false, true));
  EXPECT_TRUE(TextCriterionMatches("Deutsch", "Deutsch", true, true));
  EXPECT_FALSE(TextCriterionMatches("Deutsch", "DEUTSCH", true, true));
}

TEST(TextCriterionTest, OnlyAsciiLettersChangeCase) {
  EXPECT_FALSE(TextCriterionMatches(W("ÄGYPTEN"), W("ägypten"), false, false));
  EXPECT_TRUE(TextCriterionMatches(W("Ägypten"), W("ÄGYPTEN"), true, false));
  EXPECT_TRUE(TextCriterionMatches(W("österr"), W("Großösterreich"), false, false));
}

TEST(TextCriterionTest, AnEmptyCriterionIsNotAMatch) {
  EXPECT_FALSE(TextCriterionMatches("", "", false, false));
  EXPECT_FALSE(TextCriterionMatches("", "abc", false, false));
}

class MatchTest : public ::testing::Test {
 protected:
  bool Filter(const TDaten& coin, const MatchSwitches& s = {}) {
    return MatchesTemplate(coin, *filter_, s, TemplateMarkers::kFilter);
  }
  bool Search(const TDaten& coin, const MatchSwitches& s = {}) {
    return MatchesTemplate(coin, *search_, s, TemplateMarkers::kSearch);
  }
  static MatchSwitches Any() {
    MatchSwitches s;
    s.all_criteria = false;
    return s;
  }

  std::unique_ptr<TDaten> filter_ = NewFilterTemplate();
  std::unique_ptr<TDaten> search_ = NewSearchTemplate();
  TDaten coin_;
};

TEST_F(MatchTest, ATemplateWithoutCriteriaMatchesAllInAllModeAndNothingInAnyMode) {
  EXPECT_TRUE(Filter(coin_));
  EXPECT_FALSE(Filter(coin_, Any()));
  EXPECT_TRUE(Search(coin_));
  EXPECT_FALSE(Search(coin_, Any()));
}

TEST_F(MatchTest, AllModeNeedsEveryGivenCriterionAnyModeOne) {
  filter_->country = "Schweiz";
  filter_->theme = "Tiere";
  coin_.country = "Schweiz";
  coin_.theme = "Schiffe";
  EXPECT_FALSE(Filter(coin_));
  EXPECT_TRUE(Filter(coin_, Any()));
  coin_.country = "Frankreich";
  coin_.theme = "Wildtiere";
  EXPECT_TRUE(Filter(coin_, Any()));
  coin_.theme = "Schiffe";
  EXPECT_FALSE(Filter(coin_, Any()));
}

TEST_F(MatchTest, FilterCountCodes) {
  auto accepts_count = [&](int32_t code, int32_t count) {
    filter_->count = code;
    coin_.count = count;
    return Filter(coin_);
  };
  EXPECT_TRUE(accepts_count(0, 0));
  EXPECT_FALSE(accepts_count(0, 1));
  EXPECT_TRUE(accepts_count(3, 3));
  EXPECT_FALSE(accepts_count(3, 4));
  EXPECT_TRUE(accepts_count(-1, 12345));   // open
  EXPECT_TRUE(accepts_count(-2, 1));       // more than 0
  EXPECT_TRUE(accepts_count(-2, -4));
  EXPECT_FALSE(accepts_count(-2, 0));
  EXPECT_FALSE(accepts_count(-3, 1));      // ">1": two or more
  EXPECT_TRUE(accepts_count(-3, 2));
  EXPECT_FALSE(accepts_count(-6, 4));      // ">4" or ">=5"
  EXPECT_TRUE(accepts_count(-6, 5));
}

TEST_F(MatchTest, FilterMintageCodesWorkOn64BitValues) {
  filter_->circulation = -5000000001LL;  // 5000000000 or more
  coin_.circulation = 4999999999LL;
  EXPECT_FALSE(Filter(coin_));
  coin_.circulation = 5000000000LL;
  EXPECT_TRUE(Filter(coin_));
  filter_->circulation = 5000000000LL;
  EXPECT_TRUE(Filter(coin_));
  coin_.circulation = 705032704LL;
  EXPECT_FALSE(Filter(coin_));
}

TEST_F(MatchTest, ZeroIsACriterionInAFilterButOpenInASearch) {
  filter_->catalogue = 0;
  search_->catalogue = 0;
  coin_.catalogue = 2.5;
  EXPECT_FALSE(Filter(coin_));
  EXPECT_TRUE(Search(coin_));
  coin_.catalogue = 0;
  EXPECT_TRUE(Filter(coin_));

  search_->count = 0;
  coin_.count = 7;
  EXPECT_TRUE(Search(coin_));
  search_->count = 7;
  EXPECT_TRUE(Search(coin_));
  search_->count = 6;
  EXPECT_FALSE(Search(coin_));
}

TEST_F(MatchTest, MeasuresAndMoneyMustBeEqualWhenGiven) {
  filter_->weight = 7.5f;
  coin_.weight = 7.5f;
  EXPECT_TRUE(Filter(coin_));
  coin_.weight = 7.25f;
  EXPECT_FALSE(Filter(coin_));
  filter_->weight = -1;
  filter_->width = 2;
  coin_.width = 2;
  EXPECT_TRUE(Filter(coin_));
  filter_->estimate = -3;  // below -1: open
  EXPECT_TRUE(Filter(coin_));
  search_->estimate = 12.5;
  coin_.estimate = 12.5;
  EXPECT_TRUE(Search(coin_));
  coin_.estimate = 12.49;
  EXPECT_FALSE(Search(coin_));
}

TEST_F(MatchTest, PurchaseDateIsACriterionUnlessOpen) {
  const double day = *DayNumber(2003, 4, 5);
  coin_.purchasedate = day;
  EXPECT_TRUE(Filter(coin_));
  filter_->purchasedate = day;
  EXPECT_TRUE(Filter(coin_));
  filter_->purchasedate = day + 1;
  EXPECT_FALSE(Filter(coin_));
}

TEST_F(MatchTest, CaseAndCertificateCountOnlyWhenNotIgnored) {
  filter_->case_ = 1;
  filter_->certificate = 0;
  coin_.case_ = 0;
  coin_.certificate = 1;
  EXPECT_TRUE(Filter(coin_));
  MatchSwitches s;
  s.case_ignored = false;
  EXPECT_FALSE(Filter(coin_, s));
  coin_.case_ = 1;
  EXPECT_TRUE(Filter(coin_, s));
  s.certificate_ignored = false;
  EXPECT_FALSE(Filter(coin_, s));
}

TEST_F(MatchTest, EveryTextCriterionIsTested) {
  // Each text field in turn is the only criterion; a coin without that text fails it.
  for (int type : {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 25, 26, 32, 33, 34,
                   35, 36, 37, 38, 39, 42, 43, 44, 45, 46}) {
    auto t = NewFilterTemplate();
    *t->TextField(type) = "xy";
    TDaten coin;
    EXPECT_FALSE(MatchesTemplate(coin, *t, {}, TemplateMarkers::kFilter)) << type;
    *coin.TextField(type) = "aXYb";
    EXPECT_TRUE(MatchesTemplate(coin, *t, {}, TemplateMarkers::kFilter)) << type;
  }
}

TEST_F(MatchTest, ExactTextAndMatchCaseApplyToEveryTextCriterion) {
  filter_->country = "deutsch";
  MatchSwitches exact;
  exact.exact_text = true;
  for (const char* country : {"deutsch", "Deutsch", "DEUTSCH"}) {
    coin_.country = country;
    EXPECT_TRUE(Filter(coin_, exact)) << country;
  }
  coin_.country = "Deutschland";
  EXPECT_FALSE(Filter(coin_, exact));
  MatchSwitches with_case;
  with_case.match_case = true;
  filter_->country = "Deutsch";
  coin_.country = "deutschland";
  EXPECT_FALSE(Filter(coin_, with_case));
  coin_.country = "Deutschland";
  EXPECT_TRUE(Filter(coin_, with_case));
}

}  // namespace
}  // namespace korvex
