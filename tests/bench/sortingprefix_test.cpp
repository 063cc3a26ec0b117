// The collection sort compares compact prefixes of the key values first and the full values only
// on equal prefixes. Values chosen to sit on the prefixes' edges (texts sharing their first eight
// bytes, texts longer than the length byte holds, negative zero, infinity, negative and open dates)
// must come out exactly as a plain comparison of the full values orders them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "mainwindow/sorting.h"
#include "model/datetime.h"
#include "model/fieldcatalogue.h"
#include "model/textcompare.h"

namespace korvex {
namespace {

constexpr int kRecords = 600;

std::string EdgeText(std::mt19937& random) {
  static const std::vector<std::string> stems = {"", "a", "A", "abcdefg", "ABCDEFGH", "abcdefgh1",
                                                 "abcdefgh2", "ABCDEFGHIJ", "z", "~~~~~~~~~"};
  std::string text = stems[random() % stems.size()];
  if (random() % 10 == 0) text += std::string(250 + random() % 10, 'x');
  if (random() % 4 == 0) text += static_cast<char>('0' + random() % 3);
  return text;
}

double EdgeNumber(std::mt19937& random) {
  // No NaN: the sort keeps records with NaN where they are among themselves instead of ordering
  // them by the later keys, which a plain comparison cannot express.
  static const std::vector<double> values = {0.0, -0.0, 1.5, -1.5, 1e300, -1e300,
                                             std::numeric_limits<double>::infinity(), 2.0, 2.0000001};
  return values[random() % values.size()];
}

std::vector<std::unique_ptr<TDaten>> EdgeRecords(uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<std::unique_ptr<TDaten>> records;
  for (int i = 0; i < kRecords; ++i) {
    auto coin = std::make_unique<TDaten>();
    coin->item = std::to_string(i);
    coin->schoen = EdgeText(random);
    coin->country = EdgeText(random);
    coin->date = random() % 3 == 0 ? EdgeText(random) : std::to_string(1 + random() % 28) + ".3.18" + std::to_string(10 + random() % 90);
    coin->purchaseprice = EdgeNumber(random);
    coin->purchasedate = random() % 4 == 0 ? kNoDate : -1000.0 + static_cast<double>(random() % 5);
    coin->circulation = static_cast<int64_t>(random() % 3) - 1 + (random() % 2 ? std::numeric_limits<int64_t>::min() / 2 : 0);
    records.push_back(std::move(coin));
  }
  return records;
}

// The full comparison of one key, written out plainly: negative, zero or positive.
int Compare(const TDaten& a, const TDaten& b, int type, const FormatSettings& settings) {
  const auto three_way = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
  switch (type) {
    case kSchoen: {
      const std::string x = AsciiUpper(a.schoen), y = AsciiUpper(b.schoen);
      return x.size() != y.size() ? three_way(x.size(), y.size()) : three_way(x.compare(y), 0);
    }
    case kCountry: return three_way(SortFold(a.country).compare(SortFold(b.country)), 0);
    case kDate: {
      const auto x = ParseDate(a.date, settings), y = ParseDate(b.date, settings);
      const bool xd = x && *x != 0, yd = y && *y != 0;
      if (xd != yd) return xd ? -1 : 1;
      if (xd) return three_way(*x, *y);
      return three_way(SortFold(a.date).compare(SortFold(b.date)), 0);
    }
    case kPurchaseprice: return three_way(a.purchaseprice, b.purchaseprice);
    case kPurchasedate: {
      const auto open_last = [](double d) { return d == kNoDate ? std::numeric_limits<double>::infinity() : d; };
      return three_way(open_last(a.purchasedate), open_last(b.purchasedate));
    }
    case kCirculation: return three_way(a.circulation, b.circulation);
  }
  return 0;
}

void ExpectSortedLikePlainComparison(const std::array<int32_t, 5>& keys, uint32_t seed) {
  const FormatSettings settings = FormatSettings::German();
  CollectionDocument doc;
  std::vector<std::unique_ptr<TDaten>> records = EdgeRecords(seed);
  std::vector<const TDaten*> expected;
  for (auto& record : records) {
    expected.push_back(record.get());
    doc.Append(std::move(record));
  }
  std::stable_sort(expected.begin(), expected.end(), [&](const TDaten* a, const TDaten* b) {
    for (const int32_t key : keys) {
      if (key == kNoSortKey) break;
      const int order = Compare(*a, *b, std::abs(key), settings);
      if (order != 0) return key < 0 ? order > 0 : order < 0;
    }
    return false;
  });
  doc.sort_keys = keys;
  doc.standard_order = false;
  SortCollection(doc, settings);
  std::vector<const TDaten*> sorted;
  for (const TDaten* coin = doc.first_coin; coin; coin = coin->next) sorted.push_back(coin);
  ASSERT_EQ(sorted.size(), expected.size());
  for (size_t i = 0; i < sorted.size(); ++i) {
    ASSERT_EQ(sorted[i]->item, expected[i]->item) << "position " << i;
  }
  // The display order follows the collection order, both ways.
  const TDaten* previous = nullptr;
  for (const TDaten* coin = doc.first_shown; coin; previous = coin, coin = coin->display_next) {
    EXPECT_EQ(coin->display_prev, previous);
    EXPECT_EQ(coin->prev, previous);
  }
  EXPECT_EQ(doc.LastCoin(), sorted.back());
}

TEST(SortingPrefixTest, EdgeValuesSortLikeTheFullComparison) {
  const std::vector<std::array<int32_t, 5>> key_sets = {
      {kSchoen, kNoSortKey, kNoSortKey, kNoSortKey, kNoSortKey},
      {-kSchoen, kCountry, kNoSortKey, kNoSortKey, kNoSortKey},
      {kCountry, -kPurchaseprice, kSchoen, kNoSortKey, kNoSortKey},
      {kDate, kPurchasedate, kSchoen, kNoSortKey, kNoSortKey},
      {-kDate, kCountry, kNoSortKey, kNoSortKey, kNoSortKey},
      {kPurchaseprice, kCirculation, -kPurchasedate, kSchoen, kNoSortKey},
      {-kCirculation, kPurchaseprice, kSchoen, kNoSortKey, kNoSortKey},
  };
  for (uint32_t seed = 1; seed <= 3; ++seed) {
    for (const auto& keys : key_sets) {
      SCOPED_TRACE("seed " + std::to_string(seed) + ", first key " + std::to_string(keys[0]));
      ExpectSortedLikePlainComparison(keys, seed);
    }
  }
}

}  // namespace
}  // namespace korvex
