#include "mainwindow/coinsearch.h"

#include <gtest/gtest.h>

#include "common/coinbuilder.h"
#include "common/scriptedmessages.h"

namespace korvex {
namespace {

using test::DocumentBuilder;

class SearchTest : public ::testing::Test {
 protected:
  SearchTest() {
    germany_ = builder_.AddArea("Deutschland");
    swiss_ = builder_.AddArea("Schweiz");
    a_ = Add(germany_, "Adler", "Tiere");
    b_ = Add(swiss_, "Gemse", "Tiere");
    c_ = Add(germany_, "Brandenburger Tor", "Bauwerke");
    d_ = Add(swiss_, "Tell", "Personen");
  }

  TDaten* Add(int area, const char* motive, const char* theme) {
    return builder_.AddCoin(area, [&](TDaten& c) {
      c.av_motive = motive;
      c.theme = theme;
    });
  }

  // Starts a search for `theme` the way the search command does.
  void StartTheme(const std::string& theme, bool all_areas = true, int area = 1,
                  bool all_criteria = true) {
    auto t = NewSearchTemplate();
    t->theme = theme;
    t->category = area;
    MatchSwitches s;
    s.all_criteria = all_criteria;
    search_.Start(std::move(t), s, all_areas);
  }

  TDaten* First() { return search_.SearchFrom(builder_.document().first_coin, messages_); }

  DocumentBuilder builder_;
  int germany_ = 0, swiss_ = 0;
  TDaten *a_ = nullptr, *b_ = nullptr, *c_ = nullptr, *d_ = nullptr;
  CoinSearch search_;
  test::ScriptedMessages messages_;
};

TEST_F(SearchTest, FindsAcrossAreasAndContinues) {
  StartTheme("tiere");
  EXPECT_EQ(First(), a_);
  EXPECT_TRUE(search_.CanContinue());
  EXPECT_EQ(search_.continuation(), b_);
  EXPECT_EQ(search_.SearchOn(messages_), b_);
  EXPECT_EQ(search_.continuation(), c_);
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(search_.SearchOn(messages_), nullptr);
  EXPECT_FALSE(search_.CanContinue());
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].kind, MessageKind::kError);
  EXPECT_EQ(messages_.shown()[0].text, "Artikel nicht gefunden.");
}

TEST_F(SearchTest, ARestrictedSearchSkipsOtherAreas) {
  StartTheme("Tiere", false, swiss_);
  EXPECT_EQ(First(), b_);
  EXPECT_EQ(search_.SearchOn(messages_), nullptr);
  StartTheme("Tiere", false, germany_);
  EXPECT_EQ(First(), a_);
}

TEST_F(SearchTest, TheLastCoinAsFindLeavesNoContinuation) {
  StartTheme("Personen");
  EXPECT_EQ(First(), d_);
  EXPECT_FALSE(search_.CanContinue());
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(SearchTest, AnEmptySearchFindsTheFirstCoinInAllModeAndNothingInAnyMode) {
  StartTheme("");
  EXPECT_EQ(First(), a_);
  StartTheme("", true, 1, false);
  EXPECT_EQ(First(), nullptr);
  EXPECT_EQ(messages_.texts(), (std::vector<std::string>{"Artikel nicht gefunden."}));
}

TEST_F(SearchTest, AnyModeFindsTheFirstCoinWithOneMatchingCriterion) {
  auto t = NewSearchTemplate();
  t->theme = "Bauwerke";
  t->av_motive = "Tell";
  MatchSwitches any;
  any.all_criteria = false;
  search_.Start(std::move(t), any, true);
  EXPECT_EQ(First(), c_);
  EXPECT_EQ(search_.SearchOn(messages_), d_);
}

TEST_F(SearchTest, ContinuationFollowsTheCollectionOrderAtTheTimeOfTheNextSearch) {
  StartTheme("Tiere");
  EXPECT_EQ(First(), a_);  // continuation: b
  // b is changed and moves to the head; the next search resumes at b and then follows it.
  auto moved = builder_.document().Remove(b_);
  builder_.document().InsertAtHead(std::move(moved));
  EXPECT_EQ(search_.SearchOn(messages_), b_);
  EXPECT_EQ(search_.continuation(), a_);
}

TEST_F(SearchTest, RemovingTheContinuationMovesItToTheNextRecord) {
  StartTheme("Tiere");
  EXPECT_EQ(First(), a_);
  search_.RecordRemoving(b_);
  auto removed = builder_.document().Remove(b_);
  EXPECT_EQ(search_.continuation(), c_);
  search_.RecordRemoving(a_);  // not the continuation: nothing changes
  EXPECT_EQ(search_.continuation(), c_);
  EXPECT_EQ(search_.SearchOn(messages_), nullptr);
  search_.ForgetRecords();
  EXPECT_FALSE(search_.CanContinue());
}

TEST(TemplateAreaTest, NumberCaptionsFollowTheShownAreaOrTheFirstCoin) {
  DocumentBuilder builder;
  CollectionDocument& doc = builder.document();
  EXPECT_EQ(TemplateNumberCaptions(doc), (std::array<std::string, 3>{}));
  EXPECT_EQ(RestrictedSearchArea(doc), 1);

  const int one = builder.AddArea("Eins");
  const int two = builder.AddArea("Zwei");
  builder.Area(two).number_kind = {3, 4, 5};
  builder.AddCoin(two);
  builder.AddCoin(one);
  doc.current_view = kAllCoinsView;
  EXPECT_EQ(TemplateNumberCaptions(doc), (std::array<std::string, 3>{"RIC-Nr.", "Cohen-Nr.", "Katalog-Nr."}));
  EXPECT_EQ(RestrictedSearchArea(doc), two);
  doc.current_view = 0;
  EXPECT_EQ(RestrictedSearchArea(doc), two);

  doc.current_view = one;
  EXPECT_EQ(TemplateNumberCaptions(doc),
            (std::array<std::string, 3>{test::W("Schön-Nr."), "YEOMAN-Nr.", "Jaeger-Nr."}));
  EXPECT_EQ(RestrictedSearchArea(doc), one);
}

TEST(TemplateAreaTest, NewSearchTemplateLeavesCountAndDateOpen) {
  auto t = NewSearchTemplate();
  EXPECT_EQ(t->count, 0);
  EXPECT_EQ(t->purchasedate, -999999999.0);
  TDaten coin;
  coin.count = 4;
  EXPECT_TRUE(MatchesTemplate(coin, *t, {}, TemplateMarkers::kSearch));
}

}  // namespace
}  // namespace korvex
