// Sorting the collection and building the grid's view beside plain loops over the same records.

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "benchsizes.h"
#include "mainwindow/coinfilter.h"
#include "mainwindow/coinsearch.h"
#include "mainwindow/gridcolumns.h"
#include "mainwindow/gridview.h"
#include "mainwindow/sorting.h"
#include "model/fieldcatalogue.h"
#include "platform/messages.h"
#include "samplefiles.h"

namespace korvex::bench {
namespace {

// The rows a maximised grid shows at once.
constexpr int kRowsOnScreen = 40;
// The area the single-area views show; every area holds about a twelfth of the coins.
constexpr int kShownArea = 3;

std::vector<TDaten*> CollectionOrder(const CollectionDocument& doc) {
  std::vector<TDaten*> records;
  for (TDaten* coin = doc.first_coin; coin; coin = coin->next) records.push_back(coin);
  return records;
}

// A generated collection and one fixed shuffle of its records: every sort starts from that order,
// so that no run profits from the order the previous one left.
struct ShuffledCollection {
  std::unique_ptr<CollectionDocument> doc;
  std::vector<TDaten*> shuffled;
};

ShuffledCollection& Sample(int coins) {
  static std::map<int, ShuffledCollection> samples;
  ShuffledCollection& sample = samples[coins];
  if (!sample.doc) {
    sample.doc = GeneratedDocument(coins);
    sample.shuffled = CollectionOrder(*sample.doc);
    std::shuffle(sample.shuffled.begin(), sample.shuffled.end(), std::mt19937(4711));
  }
  return sample;
}

CollectionDocument& Collection(int coins) { return *Sample(coins).doc; }

void Shuffle(int coins) {
  ShuffledCollection& sample = Sample(coins);
  sample.doc->RelinkCollectionOrder(sample.shuffled);
}

void Sort(benchmark::State& state, int coins, const std::array<int32_t, 5>& keys) {
  CollectionDocument& doc = Collection(coins);
  doc.sort_keys = keys;
  doc.standard_order = keys[0] == kNoSortKey;
  const FormatSettings settings = FormatSettings::German();
  for (auto _ : state) {
    state.PauseTiming();
    Shuffle(coins);
    state.ResumeTiming();
    SortCollection(doc, settings);
  }
}

void SortStandard(benchmark::State& state, int coins) {
  Sort(state, coins, {kNoSortKey, kNoSortKey, kNoSortKey, kNoSortKey, kNoSortKey});
}

// Text, folded text (country names with umlauts), issue date, price and purchase date.
void SortFiveKeys(benchmark::State& state, int coins) {
  Sort(state, coins, {kCurrency, kCountry, kDate, -kPurchaseprice, kPurchasedate});
}

// The floor of any sort of these records: a stable sort of the record pointers by one number.
void StableSortByPrice(benchmark::State& state, int coins) {
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<TDaten*> records = Sample(coins).shuffled;
    state.ResumeTiming();
    std::stable_sort(records.begin(), records.end(), [](const TDaten* a, const TDaten* b) {
      return a->purchaseprice < b->purchaseprice;
    });
    benchmark::DoNotOptimize(records.data());
  }
}

void Grid(benchmark::State& state, int coins, int view, const CoinFilter& filter) {
  CollectionDocument& doc = Collection(coins);
  doc.RebuildDisplayOrder();
  doc.current_view = view;
  GridView grid(doc);
  for (auto _ : state) {
    grid.Rebuild(filter);
    benchmark::DoNotOptimize(grid.ShownCount());
  }
  if (grid.ShownCount() == 0) state.SkipWithError("the view shows no coin");
}

// A free filter on the obverse motive, the kind of filter a collector builds in the entry dialog.
CoinFilter MotiveFilter() {
  std::unique_ptr<TDaten> criteria = NewFilterTemplate();
  criteria->av_motive = "adler";
  CoinFilter filter;
  filter.SetFreeFilter(std::move(criteria), MatchSwitches{});
  return filter;
}

void GridAll(benchmark::State& state, int coins) { Grid(state, coins, kAllCoinsView, CoinFilter{}); }
void GridArea(benchmark::State& state, int coins) { Grid(state, coins, kShownArea, CoinFilter{}); }
void GridAllFiltered(benchmark::State& state, int coins) {
  Grid(state, coins, kAllCoinsView, MotiveFilter());
}
void GridAreaFiltered(benchmark::State& state, int coins) {
  Grid(state, coins, kShownArea, MotiveFilter());
}

// The floor of a counting pass: walking the display order and adding up the pieces and values.
void SumDisplayOrder(benchmark::State& state, int coins) {
  const CollectionDocument& doc = Collection(coins);
  for (auto _ : state) {
    int64_t pieces = 0;
    double value = 0;
    for (const TDaten* coin = doc.first_shown; coin; coin = coin->display_next) {
      pieces += coin->count;
      value += coin->count * coin->catalogue;
    }
    benchmark::DoNotOptimize(pieces);
    benchmark::DoNotOptimize(value);
  }
}

// A dealer that only the last coin of the collection order has; the search has to walk to it.
const std::string kOnlyDealer = "Nachlass Vogel";

// Messages are not expected: the searched text is always found.
class NoMessages final : public MessageService {
 public:
  MessageAnswer Show(MessageKind, const std::string&, MessageButtons, const std::string&) override {
    return MessageAnswer::kOk;
  }
};

// The search of "Suchen..." for a text only the last coin holds, from the first coin, in part-text
// mode and without regard to letter case, as the dialog starts.
void SearchLastCoin(benchmark::State& state, int coins) {
  CollectionDocument& doc = Collection(coins);
  doc.RebuildDisplayOrder();
  TDaten* last = doc.LastCoin();
  const std::string dealer = last->dealer;
  last->dealer = kOnlyDealer;
  std::unique_ptr<TDaten> criteria = NewSearchTemplate();
  criteria->dealer = "nachlass vogel";
  CoinSearch search;
  search.Start(std::move(criteria), MatchSwitches{}, true);
  NoMessages messages;
  TDaten* found = nullptr;
  for (auto _ : state) {
    found = search.SearchFrom(doc.first_coin, messages);
    benchmark::DoNotOptimize(found);
  }
  if (found != last) state.SkipWithError("the search did not find the last coin");
  last->dealer = dealer;
}

// A free filter with three text criteria that must all match (country, currency, obverse motive),
// applied to every coin of the display order.
void FilterThreeTexts(benchmark::State& state, int coins) {
  CollectionDocument& doc = Collection(coins);
  doc.RebuildDisplayOrder();
  std::unique_ptr<TDaten> criteria = NewFilterTemplate();
  criteria->country = "deutsch";
  criteria->currency = "mark";
  criteria->av_motive = "adler";
  CoinFilter filter;
  filter.SetFreeFilter(std::move(criteria), MatchSwitches{});
  int passed = 0;
  for (auto _ : state) {
    passed = 0;
    for (const TDaten* coin = doc.first_shown; coin; coin = coin->display_next) passed += filter.Accepts(*coin);
    benchmark::DoNotOptimize(passed);
  }
  if (passed == 0) state.SkipWithError("the filter passes no coin");
}

// The floor of both: walking the display order and comparing one text field with a given text.
void CompareOneField(benchmark::State& state, int coins) {
  CollectionDocument& doc = Collection(coins);
  doc.RebuildDisplayOrder();
  for (auto _ : state) {
    int equal = 0;
    for (const TDaten* coin = doc.first_shown; coin; coin = coin->display_next) equal += coin->dealer == kOnlyDealer;
    benchmark::DoNotOptimize(equal);
  }
}

// One screen of the all-coins view after scrolling to its middle: only these cells are formatted,
// so the time must not grow with the collection.
void FormatScreen(benchmark::State& state, int coins) {
  CollectionDocument& doc = Collection(coins);
  doc.current_view = kAllCoinsView;
  GridView grid(doc);
  grid.Rebuild(CoinFilter{});
  const FormatSettings settings = FormatSettings::German();
  const int columns = static_cast<int>(ViewColumns(doc).size());
  const int top = grid.ShownCount() / 2;
  for (auto _ : state) {
    for (int row = top; row < top + kRowsOnScreen; ++row) {
      for (int column = 0; column < columns; ++column) {
        benchmark::DoNotOptimize(grid.CellText(row, column, settings));
      }
    }
  }
}

}  // namespace
}  // namespace korvex::bench

int main(int argc, char** argv) {
  using namespace korvex::bench;
  return RunBySize(argc, argv, {
      {"sort standard order", SortStandard},
      {"sort five keys", SortFiveKeys},
      {"ref stable sort by price", StableSortByPrice},
      {"grid all coins", GridAll},
      {"grid one area", GridArea},
      {"grid all coins filtered", GridAllFiltered},
      {"grid one area filtered", GridAreaFiltered},
      {"ref sum display order", SumDisplayOrder},
      {"grid format one screen", FormatScreen},
      {"search last coin", SearchLastCoin},
      {"free filter three texts", FilterThreeTexts},
      {"ref compare one field", CompareOneField},
  });
}
