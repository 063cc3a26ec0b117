// Compares SortCollection with the plain procedure it replaces: repeated passes over the
// collection order that exchange neighbours when they are equal on all earlier keys and out of
// order on the current one. The comparisons here are written straight from the field rules and
// evaluated on the records in every comparison, independently of the sort's prepared keys.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "common/coinbuilder.h"
#include "mainwindow/sorting.h"
#include "model/datetime.h"
#include "model/fieldcatalogue.h"
#include "model/textcompare.h"

namespace korvex {
namespace {

bool IsTextType(int t) {
  return (t >= 1 && t <= 8) || (t >= 10 && t <= 18) || t == 25 || t == 26 || (t >= 32 && t <= 39) ||
         (t >= 42 && t <= 46);
}

bool NamesField(int key) { return key != 0 && std::abs(key) <= kFieldCount; }

std::optional<double> IssueDate(const TDaten& r, const FormatSettings& settings) {
  const auto day = ParseDate(r.date, settings);
  if (day && *day != 0) return day;
  return std::nullopt;
}

// Negative, zero or positive as a's value sorts before, with or after b's.
int CompareValues(const TDaten& a, const TDaten& b, int type, const FormatSettings& settings) {
  auto sign = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
  switch (type) {
    case kItem: case kSchoen: case kJaeger: case kYeoman: case kRic: case kCohen: case kOther1:
    case kNumeral: {
      const std::string& x = *a.TextField(type);
      const std::string& y = *b.TextField(type);
      if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
      return CompareAsciiUpper(x, y);
    }
    case kDate: {
      const auto x = IssueDate(a, settings), y = IssueDate(b, settings);
      if (x && y) return sign(*x, *y);
      if (x || y) return x ? -1 : 1;
      return CompareFolded(a.date, b.date);
    }
    case kCount: return sign(a.count, b.count);
    case kCirculation: return sign(a.circulation, b.circulation);
    case kCase: return sign(a.case_, b.case_);
    case kCertificate: return sign(a.certificate, b.certificate);
    case kCatalogue: return sign(a.catalogue, b.catalogue);
    case kEstimate: return sign(a.estimate, b.estimate);
    case kPurchaseprice: return sign(a.purchaseprice, b.purchaseprice);
    case kFine: return sign(a.fine, b.fine);
    case kWeight: return sign(a.weight, b.weight);
    case kDiameterMinimum: return sign(a.diameter_minimum, b.diameter_minimum);
    case kDiameterMaximum: return sign(a.diameter_maximum, b.diameter_maximum);
    case kWidth: return sign(a.width, b.width);
    case kCataloguesum: return sign(a.CatalogueSum(), b.CatalogueSum());
    case kPurchasedate: {
      const bool x_open = a.purchasedate == kNoDate, y_open = b.purchasedate == kNoDate;
      if (x_open || y_open) return x_open == y_open ? 0 : (x_open ? 1 : -1);
      return sign(a.purchasedate, b.purchasedate);
    }
    default: return CompareFolded(*a.TextField(type), *b.TextField(type));
  }
}

bool EqualOnKey(const TDaten& a, const TDaten& b, int type) {
  if (IsTextType(type)) return EqualAsciiUpper(*a.TextField(type), *b.TextField(type));
  if (type == kPurchasedate) return a.purchasedate == b.purchasedate;
  return CompareValues(a, b, type, FormatSettings::German()) == 0;
}

std::vector<TDaten*> SortByPasses(std::vector<TDaten*> order, const std::array<int32_t, 5>& stored,
                                  const FormatSettings& settings) {
  std::array<int32_t, 5> keys = stored;
  if (keys[0] == kNoSortKey) keys = {kSchoen, kNoSortKey, kNoSortKey, kNoSortKey, kNoSortKey};
  for (int i = 0; i < 5; ++i) {
    if (keys[i] == kNoSortKey) continue;
    bool exchanged = true;
    while (exchanged) {
      exchanged = false;
      for (std::size_t p = 0; p + 1 < order.size(); ++p) {
        const TDaten& a = *order[p];
        const TDaten& b = *order[p + 1];
        bool equal_before = true;
        for (int j = 0; j < i && equal_before; ++j) {
          if (!NamesField(keys[j])) equal_before = j != 0;  // skipped, except as the first key
          else equal_before = EqualOnKey(a, b, std::abs(keys[j]));
        }
        if (!equal_before || !NamesField(keys[i])) continue;
        const int c = CompareValues(a, b, std::abs(keys[i]), settings);
        if (keys[i] > 0 ? c > 0 : c < 0) {
          std::swap(order[p], order[p + 1]);
          exchanged = true;
        }
      }
    }
  }
  return order;
}

class RandomCollections {
 public:
  explicit RandomCollections(unsigned seed) : random_(seed) {}

  void Fill(TDaten& c) {
    for (int type = 1; type <= kFieldCount; ++type) {
      if (std::string* text = c.TextField(type)) *text = Pick(type == kDate ? kDates : kTexts);
    }
    c.count = Pick(std::vector<int32_t>{0, 1, 2, -1, 9});
    c.circulation = Pick(std::vector<int64_t>{0, 5000000000LL, 3000000000LL, 705032704LL, -2});
    // 0.015 times 9 and 0.135 times 1 differ in extended precision only.
    c.catalogue = Pick(std::vector<double>{0, 0.015, 0.135, 2.5, 1e6});
    c.estimate = Pick(std::vector<double>{0, 0.1 + 0.2, 0.3, -4});
    c.purchaseprice = c.catalogue / 3;
    c.weight = Pick(std::vector<float>{0, 7.5f, 7.25f});
    c.fine = c.weight / 2;
    c.diameter_minimum = Pick(std::vector<float>{20, 21.5f});
    c.diameter_maximum = c.diameter_minimum + Pick(std::vector<float>{0, 1});
    c.width = Pick(std::vector<float>{1.5f, 2});
    c.purchasedate = Pick(std::vector<double>{kNoDate, 36000, 36001, 0, -5});
    c.case_ = Pick(std::vector<uint8_t>{0, 1});
    c.certificate = Pick(std::vector<uint8_t>{0, 1});
  }

  int32_t Key(bool first) {
    const int roll = Uniform(0, 19);
    if (roll == 0) return kNoSortKey;
    if (roll == 1) return first ? Pick(std::vector<int32_t>{kNoSortKey, 0, 9999}) : 0;
    // Half of the keys come from the fields with special comparison rules.
    const int32_t type = Uniform(0, 1) ? Pick(kSpecialTypes) : Uniform(1, kFieldCount);
    return Uniform(0, 1) ? type : -type;
  }

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

 private:
  template <typename T>
  T Pick(const std::vector<T>& values) {
    return values[Uniform(0, static_cast<int>(values.size()) - 1)];
  }

  const std::vector<int32_t> kSpecialTypes = {kItem,    kSchoen,       kDate,         kCountry,
                                               kCount,   kCirculation,  kCataloguesum, kPurchasedate,
                                               kCase,    kWeight};
  const std::vector<std::string> kTexts = {
      "", "a", "A", test::W("ä"), test::W("Ä"), test::W("Ägypten"), "Agypten", "agypten",
      "AGYPTEN", "b", "B1", "10", "9a", "9", "100", test::W("ö"), "Oman", test::W("ß"), "z",
      test::W("Österreich"), "osterreich"};
  const std::vector<std::string> kDates = {
      "", "15.01.1989", "1.2.1990", "01.02.1990", "ca. 1990", "Mai 1990", "1990", "1x",
      "30.12.1899", "10.1.1991", "2.1.1990", "31.02.1990", test::W("ÄRA"), "12.6"};
  std::mt19937 random_;
};

TEST(SortPassesTest, FastSortGivesTheOrderOfTheNeighbourExchangePasses) {
  RandomCollections random(20240611u);
  const FormatSettings settings = FormatSettings::German();
  for (int round = 0; round < 3000; ++round) {
    test::DocumentBuilder builder;
    const int area = builder.AddArea("A");
    const int size = random.Uniform(0, 30);
    for (int i = 0; i < size; ++i) builder.AddCoin(area, [&](TDaten& c) { random.Fill(c); });
    CollectionDocument& doc = builder.document();
    for (int k = 0; k < 5; ++k) doc.sort_keys[k] = random.Key(k == 0);

    const std::vector<TDaten*> expected = SortByPasses(test::CollectionOrder(doc), doc.sort_keys, settings);
    SortCollection(doc, settings);
    ASSERT_EQ(test::CollectionOrder(doc), expected)
        << "round " << round << " keys " << doc.sort_keys[0] << " " << doc.sort_keys[1] << " "
        << doc.sort_keys[2] << " " << doc.sort_keys[3] << " " << doc.sort_keys[4];
    ASSERT_EQ(test::DisplayOrder(doc), expected);
  }
}

}  // namespace
}  // namespace korvex
