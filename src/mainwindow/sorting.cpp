#include "mainwindow/sorting.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "model/datetime.h"
#include "model/fieldcatalogue.h"
#include "model/textcompare.h"

namespace korvex {
namespace {

bool NamesField(int key) {
  return key != std::numeric_limits<int>::min() && std::abs(key) >= 1 && std::abs(key) <= kFieldCount;
}

enum class Comparison {
  kLengthFirst,   // inventory number, catalogue numbers, face value
  kFolded,        // every other text
  kIssueDate,     // a text that may read as a date
  kInteger,       // count, mintage, yes/no
  kReal,          // money, weights, lengths
  kProduct,       // catalogue value times count
  kPurchaseDate,  // a date whose open value sorts last
};

Comparison ComparisonOf(int type) {
  switch (type) {
    case kItem: case kSchoen: case kJaeger: case kYeoman: case kRic: case kCohen: case kOther1:
    case kNumeral:
      return Comparison::kLengthFirst;
    case kDate: return Comparison::kIssueDate;
    case kCount: case kCirculation: case kCase: case kCertificate: return Comparison::kInteger;
    case kCatalogue: case kEstimate: case kPurchaseprice: case kFine: case kWeight:
    case kDiameterMinimum: case kDiameterMaximum: case kWidth:
      return Comparison::kReal;
    case kCataloguesum: return Comparison::kProduct;
    case kPurchasedate: return Comparison::kPurchaseDate;
    default: return Comparison::kFolded;
  }
}

int64_t IntegerValue(const TDaten& r, int type) {
  switch (type) {
    case kCount: return r.count;
    case kCirculation: return r.circulation;
    case kCase: return r.case_;
    default: return r.certificate;
  }
}

double RealValue(const TDaten& r, int type) {
  switch (type) {
    case kCatalogue: return r.catalogue;
    case kEstimate: return r.estimate;
    case kPurchaseprice: return r.purchaseprice;
    case kFine: return r.fine;
    case kWeight: return r.weight;
    case kDiameterMinimum: return r.diameter_minimum;
    case kDiameterMaximum: return r.diameter_maximum;
    default: return r.width;
  }
}

// A NaN read from a damaged file would make the comparison inconsistent; it sorts after every
// number instead, and all NaNs compare equal to each other.
bool RealLess(double a, double b) {
  if (std::isnan(b)) return !std::isnan(a);
  return a < b;
}

bool ProductLess(long double a, long double b) {
  if (std::isnan(b)) return !std::isnan(a);
  return a < b;
}

// Order-preserving 64-bit images of the key values. A record's prefix is such an image of its
// value, or of the value's first bytes: a smaller prefix always means "sorts before", and only
// equal prefixes need the full comparison. Sorting compact (prefix, record) pairs then touches
// the records' prepared values only for ties, which keeps large collections in the cache.
constexpr uint64_t kTopBit = uint64_t{1} << 63;

uint64_t OrderedBits(double value) {
  if (std::isnan(value)) return ~uint64_t{0};  // after every number, all NaNs alike
  if (value == 0) value = 0;                   // -0 and 0 compare equal
  const uint64_t bits = std::bit_cast<uint64_t>(value);
  return (bits & kTopBit) ? ~bits : bits | kTopBit;
}

// The first `count` bytes of a text, big-endian, padded with zero bytes: comparing these numbers
// compares the texts' beginnings byte by byte without sign.
uint64_t LeadingBytes(const std::string& text, int count) {
  uint64_t value = 0;
  for (int i = 0; i < count; ++i) {
    const uint64_t byte = i < static_cast<int>(text.size()) ? static_cast<unsigned char>(text[i]) : 0;
    value = value << 8 | byte;
  }
  return value;
}

struct PrefixedRecord {
  uint64_t prefix;
  int record;
};

// Half-open range [first, last) of positions in the order being sorted.
using Run = std::pair<int, int>;

// The values of one sort key for every record, computed once per sort so that comparisons only
// look up prepared values. Records are addressed by their index in the collection order at the
// start of the sort.
class KeyColumn {
 public:
  KeyColumn(const std::vector<TDaten*>& records, int type, const FormatSettings& settings)
      : records_(records), type_(type), comparison_(ComparisonOf(type)) {
    const std::size_t n = records.size();
    switch (comparison_) {
      case Comparison::kLengthFirst:
        texts_.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
          PrefetchText(i + kPrefetchDistance);
          texts_[i] = AsciiUpper(Text(i));
        }
        break;
      case Comparison::kFolded:
        PrepareFoldedTexts();
        break;
      case Comparison::kIssueDate:
        PrepareIssueDates(settings);
        break;
      case Comparison::kInteger:
        integers_.resize(n);
        for (std::size_t i = 0; i < n; ++i) integers_[i] = IntegerValue(*records[i], type);
        break;
      case Comparison::kReal:
        reals_.resize(n);
        for (std::size_t i = 0; i < n; ++i) reals_[i] = RealValue(*records[i], type);
        break;
      case Comparison::kProduct:
        products_.resize(n);
        for (std::size_t i = 0; i < n; ++i) products_[i] = records[i]->CatalogueSum();
        break;
      case Comparison::kPurchaseDate:
        reals_.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
          const double date = records[i]->purchasedate;
          // Counts that name no day (the no-date value, damaged ones) come after every date.
          reals_[i] = IsDay(date) ? date : std::numeric_limits<double>::infinity();
        }
        break;
    }
    PreparePrefixes();
  }

  uint64_t Prefix(int record) const { return prefixes_[record]; }

  // Calls `sort` with the strict "sorts before" relation of this key, chosen once per key so that
  // the comparisons themselves do not branch on the field type.
  template <typename Sort>
  void WithLess(Sort&& sort) const {
    switch (comparison_) {
      case Comparison::kLengthFirst:
        sort([this](int a, int b) {
          const std::string& x = texts_[a];
          const std::string& y = texts_[b];
          return x.size() != y.size() ? x.size() < y.size() : x.compare(y) < 0;
        });
        break;
      case Comparison::kFolded:
        sort([this](int a, int b) { return texts_[a].compare(texts_[b]) < 0; });
        break;
      case Comparison::kIssueDate:
        sort([this](int a, int b) {
          if (is_date_[a] != is_date_[b]) return is_date_[a] > is_date_[b];
          if (is_date_[a]) return reals_[a] < reals_[b];
          return texts_[a].compare(texts_[b]) < 0;
        });
        break;
      case Comparison::kInteger:
        sort([this](int a, int b) { return integers_[a] < integers_[b]; });
        break;
      case Comparison::kReal:
      case Comparison::kPurchaseDate:
        sort([this](int a, int b) { return RealLess(reals_[a], reals_[b]); });
        break;
      case Comparison::kProduct:
        sort([this](int a, int b) { return ProductLess(products_[a], products_[b]); });
        break;
    }
  }

  // Whether two records count as equal on this key when a later key may reorder them: texts must
  // be identical after upper-casing (no folding, no date reading), numbers numerically equal.
  bool Equal(int a, int b) const {
    switch (comparison_) {
      case Comparison::kLengthFirst: return texts_[a] == texts_[b];
      case Comparison::kFolded:
      case Comparison::kIssueDate:
        // Folding only merges the umlauts into their letters, so without umlauts equal folded
        // texts are equal upper-cased texts, and the records need not be read again.
        if (texts_[a] != texts_[b]) return false;
        return !(had_umlaut_[a] || had_umlaut_[b]) || EqualAsciiUpper(Text(a), Text(b));
      case Comparison::kInteger: return integers_[a] == integers_[b];
      case Comparison::kReal:
      case Comparison::kPurchaseDate: return SameNumber(reals_[a], reals_[b]);
      case Comparison::kProduct: return SameNumber(products_[a], products_[b]);
    }
    return false;
  }

 private:
  // Records lie scattered in memory once a collection has been sorted and edited; asking for the
  // field of a record a few places ahead hides most of the cache misses of large collections.
  static constexpr std::size_t kPrefetchDistance = 8;
  void PrefetchText(std::size_t i) const {
    if (i < records_.size()) __builtin_prefetch(records_[i]->TextField(type_));
  }

  // The sort puts every NaN (only a damaged file holds one) in one group after all numbers, so
  // NaNs must also count as equal when later keys order that group.
  template <typename Number>
  static bool SameNumber(Number x, Number y) {
    return x == y || (std::isnan(x) && std::isnan(y));
  }

  const std::string& Text(std::size_t i) const { return *records_[i]->TextField(type_); }

  void PrepareFoldedTexts() {
    const std::size_t n = records_.size();
    texts_.resize(n);
    had_umlaut_.assign(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
      PrefetchText(i + kPrefetchDistance);
      const std::string& text = Text(i);
      texts_[i] = SortFold(text);
      had_umlaut_[i] = text.find_first_of(kUpperUmlauts) != std::string::npos;
    }
  }

  // Texts that read as a date other than day 0 also keep their day number. Dates sort before
  // other texts so that the relation stays a consistent order.
  void PrepareIssueDates(const FormatSettings& settings) {
    PrepareFoldedTexts();
    const std::size_t n = records_.size();
    is_date_.assign(n, 0);
    reals_.assign(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
      const std::optional<double> day = ParseDate(Text(i), settings);
      if (day && *day != 0.0) {
        is_date_[i] = 1;
        reals_[i] = *day;
      }
    }
  }

  void PreparePrefixes() {
    const std::size_t n = records_.size();
    prefixes_.resize(n);
    for (std::size_t i = 0; i < n; ++i) prefixes_[i] = PrefixOf(i);
  }

  uint64_t PrefixOf(std::size_t i) const {
    constexpr std::size_t kLongest = 254;  // longer texts share one prefix and compare in full
    switch (comparison_) {
      case Comparison::kLengthFirst:
        if (texts_[i].size() > kLongest) return uint64_t{0xFF} << 56;
        return uint64_t{texts_[i].size()} << 56 | LeadingBytes(texts_[i], 7);
      case Comparison::kFolded: return LeadingBytes(texts_[i], 8);
      case Comparison::kIssueDate:
        // Dates in the lower half before all other texts in the upper half.
        return is_date_[i] ? OrderedBits(reals_[i]) >> 1 : kTopBit | LeadingBytes(texts_[i], 7);
      case Comparison::kInteger: return static_cast<uint64_t>(integers_[i]) ^ kTopBit;
      case Comparison::kReal:
      case Comparison::kPurchaseDate: return OrderedBits(reals_[i]);
      case Comparison::kProduct: return OrderedBits(static_cast<double>(products_[i]));
    }
    return 0;
  }

  static constexpr const char* kUpperUmlauts = "\xC4\xD6\xDC";

  const std::vector<TDaten*>& records_;
  int type_;
  Comparison comparison_;
  std::vector<std::string> texts_;
  std::vector<int64_t> integers_;
  std::vector<double> reals_;
  std::vector<long double> products_;
  std::vector<unsigned char> is_date_;
  std::vector<unsigned char> had_umlaut_;
  std::vector<uint64_t> prefixes_;
};

void SortRuns(std::vector<int>& order, const std::vector<Run>& runs, const KeyColumn& column,
              bool descending) {
  std::vector<PrefixedRecord> entries;
  column.WithLess([&](auto less) {
    const auto before = [&](const PrefixedRecord& x, const PrefixedRecord& y) {
      if (x.prefix != y.prefix) return x.prefix < y.prefix;
      return less(x.record, y.record);
    };
    for (const Run& run : runs) {
      if (run.second - run.first < 2) continue;
      entries.clear();
      for (int i = run.first; i < run.second; ++i) entries.push_back({column.Prefix(order[i]), order[i]});
      if (descending) {
        std::stable_sort(entries.begin(), entries.end(),
                         [&](const PrefixedRecord& x, const PrefixedRecord& y) { return before(y, x); });
      } else {
        std::stable_sort(entries.begin(), entries.end(), before);
      }
      for (int i = run.first; i < run.second; ++i) order[i] = entries[i - run.first].record;
    }
  });
}

// Splits every run where neighbours differ on the key just sorted; the next key reorders only
// within the pieces. Pieces of one record have nothing left to sort and are dropped.
std::vector<Run> SplitRuns(const std::vector<int>& order, const std::vector<Run>& runs,
                           const KeyColumn& column) {
  std::vector<Run> pieces;
  for (const Run& run : runs) {
    int start = run.first;
    for (int i = run.first + 1; i < run.second; ++i) {
      if (!column.Equal(order[i - 1], order[i])) {
        if (i - start > 1) pieces.emplace_back(start, i);
        start = i;
      }
    }
    if (run.second - start > 1) pieces.emplace_back(start, run.second);
  }
  return pieces;
}

}  // namespace

std::vector<int> EffectiveSortKeys(const std::array<int32_t, 5>& sort_keys) {
  if (sort_keys[0] == kNoSortKey) return {kSchoen};
  if (!NamesField(sort_keys[0])) return {};
  std::vector<int> keys;
  for (int32_t key : sort_keys) {
    if (NamesField(key)) keys.push_back(key);
  }
  return keys;
}

void SortCollection(CollectionDocument& document, const FormatSettings& settings) {
  const std::vector<int> keys = EffectiveSortKeys(document.sort_keys);
  if (keys.empty()) {
    document.RebuildDisplayOrder();
    return;
  }
  std::vector<TDaten*> records;
  records.reserve(document.coin_count > 0 ? document.coin_count : 0);
  for (TDaten* record = document.first_coin; record; record = record->next) records.push_back(record);

  const int n = static_cast<int>(records.size());
  std::vector<int> order(n);
  for (int i = 0; i < n; ++i) order[i] = i;
  std::vector<Run> runs{{0, n}};
  for (std::size_t k = 0; k < keys.size() && !runs.empty(); ++k) {
    const KeyColumn column(records, std::abs(keys[k]), settings);
    SortRuns(order, runs, column, keys[k] < 0);
    if (k + 1 < keys.size()) runs = SplitRuns(order, runs, column);
  }

  std::vector<TDaten*> sorted(n);
  for (int i = 0; i < n; ++i) sorted[i] = records[order[i]];
  document.RelinkCollectionOrder(sorted);
}

}  // namespace korvex
