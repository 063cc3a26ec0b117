// The record commands on large collections: taking over a changed coin up to the rebuilt, sorted
// view, beside the plain sort of the same collection; pasting many coins at once.

#include <string>

#include <benchmark/benchmark.h>

#include "benchsizes.h"
#include "mainwindow/coinclipboard.h"
#include "mainwindow/coinfilter.h"
#include "mainwindow/coinpaste.h"
#include "mainwindow/gridview.h"
#include "mainwindow/recordbookkeeping.h"
#include "mainwindow/sorting.h"
#include "model/rounding.h"
#include "sessioncollection.h"

namespace korvex::bench {
namespace {

// Pasting asks nothing here; an unexpected question is answered with "Nein".
class NoQuestions final : public MessageService {
 public:
  MessageAnswer Show(MessageKind, const std::string&, MessageButtons, const std::string&) override {
    return MessageAnswer::kNo;
  }
};

// From OK in the change dialog to the selected row: the coin to the head, the sort the next row
// build runs, the view with its totals and the row of the coin.
void ChangeCoinToView(benchmark::State& state, int coins) {
  CollectionDocument& doc = SessionCollection(coins);
  const FormatSettings settings = FormatSettings::German();
  const CoinFilter filter;
  GridView grid(doc);
  for (auto _ : state) {
    state.PauseTiming();
    TDaten* coin = MiddleCoinOfArea(doc);
    coin->catalogue += 1;
    state.ResumeTiming();
    TakeOverChangedCoin(doc, coin, 46000.0);
    SortCollection(doc, settings);
    grid.Rebuild(filter);
    benchmark::DoNotOptimize(grid.RowOfCoin(coin));
  }
}

// The reference: the plain sort of the same collection in the same state, the changed coin at
// the head of the collection order.
void SortSameCollection(benchmark::State& state, int coins) {
  CollectionDocument& doc = SessionCollection(coins);
  const FormatSettings settings = FormatSettings::German();
  for (auto _ : state) {
    state.PauseTiming();
    TDaten* coin = MiddleCoinOfArea(doc);
    coin->catalogue += 1;
    TakeOverChangedCoin(doc, coin, 46000.0);
    state.ResumeTiming();
    SortCollection(doc, settings);
  }
}

// A clipboard text holding `count` coins of the collection.
std::string ClipboardOf(const CollectionDocument& doc, int count) {
  const std::string one = CoinClipboardText(*doc.first_coin, doc);
  const size_t begin = one.find("<mint ");
  const size_t end = one.find("</mintlist>");
  std::string text = one.substr(0, begin);
  int written = 0;
  for (const TDaten* coin = doc.first_coin; coin && written < count; coin = coin->next, ++written) {
    const std::string single = CoinClipboardText(*coin, doc);
    text += single.substr(begin, single.find("</mintlist>") - begin);
  }
  return text + one.substr(end);
}

// Takes the pasted coins (numbers above `highest`) out again.
void RemovePasted(CollectionDocument& doc, int highest) {
  for (TDaten* coin = doc.first_coin; coin;) {
    TDaten* next = coin->next;
    if (InventoryNumberValue(coin->item) > highest) doc.Remove(coin);
    coin = next;
  }
  doc.highest_item = highest;
}

void Paste(benchmark::State& state, int coins, int pasted) {
  CollectionDocument& doc = SessionCollection(coins);
  doc.current_view = kAllCoinsView;
  const std::string text = ClipboardOf(doc, pasted);
  const FormatSettings settings = FormatSettings::German();
  NoQuestions messages;
  const int highest = doc.highest_item;
  for (auto _ : state) {
    const PasteOutcome outcome = PasteCoins(doc, text, settings, PictureCopyOption::kNever, messages);
    if (outcome.pasted != pasted) state.SkipWithError("not every coin was pasted");
    state.PauseTiming();
    RemovePasted(doc, highest);
    state.ResumeTiming();
  }
  doc.current_view = kSessionShownArea;
}

void Paste100(benchmark::State& state, int coins) { Paste(state, coins, 100); }
void Paste1000(benchmark::State& state, int coins) { Paste(state, coins, 1000); }

}  // namespace
}  // namespace korvex::bench

int main(int argc, char** argv) {
  using namespace korvex::bench;
  return RunBySize(argc, argv, {
      {"change coin to view", ChangeCoinToView},
      {"ref sort same collection", SortSameCollection},
      {"paste 1000 coins", Paste1000},
      {"paste 100 coins", Paste100},
  });
}
