#include "mainwindow/sorting.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/coinbuilder.h"
#include "model/datetime.h"
#include "model/fieldcatalogue.h"

namespace korvex {
namespace {

using test::CollectionOrder;
using test::DisplayOrder;
using test::DocumentBuilder;
using test::FieldTexts;
using test::W;
using Texts = std::vector<std::string>;

class SortTest : public ::testing::Test {
 protected:
  void SetUp() override { area_ = builder_.AddArea("Deutschland"); }

  CollectionDocument& doc() { return builder_.document(); }

  void SetKeys(std::array<int32_t, 5> keys) { doc().sort_keys = keys; }
  void SortBy(int key) { SetKeys({key, kNoSortKey, kNoSortKey, kNoSortKey, kNoSortKey}); Sort(); }
  void Sort() { SortCollection(doc(), FormatSettings::German()); }

  TDaten* AddText(int type, const std::string& text) {
    return builder_.AddCoin(area_, [&](TDaten& c) { *c.TextField(type) = W(text); });
  }
  void AddTexts(int type, const Texts& texts) {
    for (const auto& t : texts) AddText(type, t);
  }

  DocumentBuilder builder_;
  int area_ = 0;
};

TEST_F(SortTest, CatalogueNumbersCompareShorterTextsFirst) {
  AddTexts(kSchoen, {"100", "9a", "10", "9"});
  SortBy(kSchoen);
  EXPECT_EQ(FieldTexts(doc(), kSchoen), (Texts{"9", "10", "9a", "100"}));
}

TEST_F(SortTest, LengthFirstTextsOfEqualLengthIgnoreAsciiCase) {
  AddTexts(kItem, {"b2", "A3", "a1", "B1"});
  SortBy(kItem);
  EXPECT_EQ(FieldTexts(doc(), kItem), (Texts{"a1", "A3", "B1", "b2"}));
}

TEST_F(SortTest, FoldedTextsPutUpperCaseUmlautsWithTheirLettersAndLowerCaseOnesLast) {
  AddTexts(kCountry, {"Österreich", "Oman", "Ägypten", "Albanien", "ägypten"});
  SortBy(kCountry);
  EXPECT_EQ(FieldTexts(doc(), kCountry),
            (Texts{"Ägypten", "Albanien", "Oman", "Österreich", "ägypten"}));
  SortBy(-kCountry);
  EXPECT_EQ(FieldTexts(doc(), kCountry),
            (Texts{"ägypten", "Österreich", "Oman", "Albanien", "Ägypten"}));
}

TEST_F(SortTest, YearsAreTextsNotNumbers) {
  AddTexts(kYear, {"999", "2000", "200", "1999"});
  SortBy(kYear);
  EXPECT_EQ(FieldTexts(doc(), kYear), (Texts{"1999", "200", "2000", "999"}));
}

TEST_F(SortTest, IssueDatesCompareAsDatesAndOtherTextsAfterThem) {
  AddTexts(kDate, {"ca. 1990", "1.2.1990", "15.01.1989", "Anfang 1980"});
  SortBy(kDate);
  EXPECT_EQ(FieldTexts(doc(), kDate), (Texts{"15.01.1989", "1.2.1990", "Anfang 1980", "ca. 1990"}));
}

TEST_F(SortTest, IssueDateOrderDoesNotDependOnTheStartingOrder) {
  // As plain text "10.1.1991" sorts before "1x" and "1x" before "2.1.1990", while the dates say
  // "2.1.1990" comes first: a pairwise rule alone would give a cycle.
  const Texts values{"1x", "10.1.1991", "2.1.1990"};
  const Texts expected{"2.1.1990", "10.1.1991", "1x"};
  for (const Texts& start : {values, Texts{"2.1.1990", "1x", "10.1.1991"},
                             Texts{"10.1.1991", "2.1.1990", "1x"}}) {
    DocumentBuilder builder;
    const int area = builder.AddArea("A");
    for (const auto& t : start) builder.AddCoin(area, [&](TDaten& c) { c.date = t; });
    builder.document().sort_keys = {kDate, kNoSortKey, kNoSortKey, kNoSortKey, kNoSortKey};
    SortCollection(builder.document(), FormatSettings::German());
    EXPECT_EQ(FieldTexts(builder.document(), kDate), expected);
  }
}

TEST_F(SortTest, IssueDatesFollowTheDateFormatInUse) {
  AddTexts(kDate, {"1990-02-01", "1989-01-15"});
  SetKeys({kDate, kNoSortKey, kNoSortKey, kNoSortKey, kNoSortKey});
  SortCollection(doc(), FormatSettings::English());
  EXPECT_EQ(FieldTexts(doc(), kDate), (Texts{"1989-01-15", "1990-02-01"}));
}

TEST_F(SortTest, OpenPurchaseDatesComeAfterEveryDateAscendingAndFirstDescending) {
  const double d1 = *DayNumber(2001, 5, 1), d2 = *DayNumber(1999, 3, 4);
  TDaten* open1 = builder_.AddCoin(area_, [](TDaten& c) { c.purchasedate = kNoDate; });
  TDaten* late = builder_.AddCoin(area_, [&](TDaten& c) { c.purchasedate = d1; });
  TDaten* open2 = builder_.AddCoin(area_, [](TDaten& c) { c.purchasedate = kNoDate; });
  TDaten* early = builder_.AddCoin(area_, [&](TDaten& c) { c.purchasedate = d2; });
  SortBy(kPurchasedate);
  EXPECT_EQ(CollectionOrder(doc()), (std::vector<TDaten*>{early, late, open1, open2}));
  SortBy(-kPurchasedate);
  EXPECT_EQ(CollectionOrder(doc()), (std::vector<TDaten*>{open1, open2, late, early}));
}

TEST_F(SortTest, CoinsWithoutCaseComeFirstAscending) {
  TDaten* with = builder_.AddCoin(area_, [](TDaten& c) { c.case_ = 1; });
  TDaten* without = builder_.AddCoin(area_, [](TDaten& c) { c.case_ = 0; });
  SortBy(kCase);
  EXPECT_EQ(CollectionOrder(doc()), (std::vector<TDaten*>{without, with}));
}

TEST_F(SortTest, MintageComparesOverItsFull64BitRange) {
  TDaten* five = builder_.AddCoin(area_, [](TDaten& c) { c.circulation = 5000000000LL; });
  TDaten* three = builder_.AddCoin(area_, [](TDaten& c) { c.circulation = 3000000000LL; });
  TDaten* small = builder_.AddCoin(area_, [](TDaten& c) { c.circulation = 705032704LL; });
  SortBy(kCirculation);
  EXPECT_EQ(CollectionOrder(doc()), (std::vector<TDaten*>{small, three, five}));
}

TEST_F(SortTest, CatalogueSumSortsByTheProductOfValueAndCount) {
  TDaten* a = builder_.AddCoin(area_, [](TDaten& c) { c.catalogue = 10; c.count = 1; });
  TDaten* b = builder_.AddCoin(area_, [](TDaten& c) { c.catalogue = 3; c.count = 4; });
  TDaten* z = builder_.AddCoin(area_, [](TDaten& c) { c.catalogue = 50; c.count = 0; });
  SortBy(kCataloguesum);
  EXPECT_EQ(CollectionOrder(doc()), (std::vector<TDaten*>{z, a, b}));
}

TEST_F(SortTest, WeightsAndMoneySortAsNumbers) {
  TDaten* heavy = builder_.AddCoin(area_, [](TDaten& c) { c.weight = 10.5f; c.estimate = 2; });
  TDaten* light = builder_.AddCoin(area_, [](TDaten& c) { c.weight = 9.75f; c.estimate = 11; });
  SortBy(kWeight);
  EXPECT_EQ(CollectionOrder(doc()), (std::vector<TDaten*>{light, heavy}));
  SortBy(kEstimate);
  EXPECT_EQ(CollectionOrder(doc()), (std::vector<TDaten*>{heavy, light}));
}

TEST_F(SortTest, NaNValuesOfADamagedFileGoLastAndAreOrderedByTheNextKey) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  TDaten* late = builder_.AddCoin(area_, [&](TDaten& c) { c.estimate = nan; c.year = "2001"; });
  TDaten* number = builder_.AddCoin(area_, [](TDaten& c) { c.estimate = 5; c.year = "2005"; });
  TDaten* early = builder_.AddCoin(area_, [&](TDaten& c) { c.estimate = nan; c.year = "1990"; });
  SetKeys({kEstimate, kYear, kNoSortKey, kNoSortKey, kNoSortKey});
  Sort();
  EXPECT_EQ(CollectionOrder(doc()), (std::vector<TDaten*>{number, early, late}));
}

TEST_F(SortTest, DescendingCountryThenAscendingYear) {
  auto add = [&](const char* country, const char* year) {
    return builder_.AddCoin(area_, [&](TDaten& c) { c.country = country; c.year = year; });
  };
  TDaten* a2 = add("Austria", "2001");
  TDaten* z1 = add("Zypern", "1999");
  TDaten* a1 = add("Austria", "1990");
  TDaten* z2 = add("Zypern", "1980");
  SetKeys({-kCountry, kYear, kNoSortKey, kNoSortKey, kNoSortKey});
  Sort();
  EXPECT_EQ(CollectionOrder(doc()), (std::vector<TDaten*>{z2, z1, a1, a2}));
  // A key without field in between is skipped; the later key still applies within countries.
  SetKeys({kCountry, kNoSortKey, kYear, 0, 0});
  Sort();
  EXPECT_EQ(CollectionOrder(doc()), (std::vector<TDaten*>{a1, a2, z2, z1}));
}

TEST_F(SortTest, LaterKeysReorderOnlyNeighboursEqualAfterUpperCasing) {
  // "Ägypten" and "Agypten" fold alike, so the country sort keeps their order, but they are not
  // equal for the year key: each coin is its own run and the years are not sorted.
  auto add = [&](const char* country, const char* year) {
    return builder_.AddCoin(area_, [&](TDaten& c) { c.country = W(country); c.year = year; });
  };
  TDaten* first = add("Ägypten", "2000");
  TDaten* second = add("Agypten", "1990");
  TDaten* third = add("Ägypten", "1980");
  SetKeys({kCountry, kYear, kNoSortKey, kNoSortKey, kNoSortKey});
  Sort();
  EXPECT_EQ(CollectionOrder(doc()), (std::vector<TDaten*>{first, second, third}));
  // Upper-casing does make "agypten" equal to "AGYPTEN", so those two are sorted by year.
  second->country = "AGYPTEN";
  first->country = "agypten";
  third->country = "Zypern";
  Sort();
  EXPECT_EQ(CollectionOrder(doc()), (std::vector<TDaten*>{second, first, third}));
}

TEST_F(SortTest, FirstKeyWithoutFieldLeavesTheOrderUnsorted) {
  AddTexts(kSchoen, {"3", "1", "2"});
  for (int32_t first : {0, 9999, -9999}) {
    SetKeys({first, kSchoen, kNoSortKey, kNoSortKey, kNoSortKey});
    Sort();
    EXPECT_EQ(FieldTexts(doc(), kSchoen), (Texts{"3", "1", "2"})) << first;
  }
}

TEST_F(SortTest, FirstKeyNoneMeansSchoenAscendingAndIgnoresTheOtherKeys) {
  TDaten* b = AddText(kSchoen, "2");
  TDaten* a = AddText(kSchoen, "1");
  a->year = "2000";
  TDaten* a2 = AddText(kSchoen, "1");
  a2->year = "1000";
  SetKeys({kNoSortKey, -kSchoen, kYear, kNoSortKey, kNoSortKey});
  Sort();
  EXPECT_EQ(CollectionOrder(doc()), (std::vector<TDaten*>{a, a2, b}));
}

TEST_F(SortTest, EqualCoinsKeepTheirOrderAndARecentlyChangedCoinComesFirst) {
  TDaten* x = AddText(kSchoen, "5");
  TDaten* y = AddText(kSchoen, "5");
  SortBy(kSchoen);
  EXPECT_EQ(CollectionOrder(doc()), (std::vector<TDaten*>{x, y}));
  // A change puts the coin at the head of the collection order.
  auto changed = doc().Remove(y);
  doc().InsertAtHead(std::move(changed));
  Sort();
  EXPECT_EQ(CollectionOrder(doc()), (std::vector<TDaten*>{y, x}));
}

TEST_F(SortTest, SortingRelinksTheRecordsAndRebuildsTheDisplayOrder) {
  TDaten* c = AddText(kSchoen, "3");
  TDaten* a = AddText(kSchoen, "1");
  TDaten* b = AddText(kSchoen, "2");
  SortBy(kSchoen);
  const std::vector<TDaten*> expected{a, b, c};
  EXPECT_EQ(CollectionOrder(doc()), expected);
  EXPECT_EQ(DisplayOrder(doc()), expected);
  EXPECT_EQ(doc().first_shown, a);
  EXPECT_EQ(a->prev, nullptr);
  EXPECT_EQ(b->prev, a);
  EXPECT_EQ(c->prev, b);
  EXPECT_EQ(c->display_prev, b);
  EXPECT_EQ(doc().LastCoin(), c);
  EXPECT_EQ(doc().coin_count, 3);
}

TEST_F(SortTest, AnEmptyCollectionStaysEmpty) {
  SortBy(kCountry);
  EXPECT_EQ(doc().first_coin, nullptr);
  EXPECT_EQ(doc().first_shown, nullptr);
}

TEST(EffectiveSortKeysTest, NamesTheKeysThatApply) {
  EXPECT_EQ(EffectiveSortKeys({kNoSortKey, 5, 6, 7, 8}), (std::vector<int>{kSchoen}));
  EXPECT_EQ(EffectiveSortKeys({3, 4, kNoSortKey, 0, 0}), (std::vector<int>{3, 4}));
  EXPECT_EQ(EffectiveSortKeys({-34, 9999, 47, -46, 1}), (std::vector<int>{-34, -46, 1}));
  EXPECT_TRUE(EffectiveSortKeys({0, 3, 4, 5, 6}).empty());
  EXPECT_TRUE(EffectiveSortKeys({-47, 3, 4, 5, 6}).empty());
}

}  // namespace
}  // namespace korvex
