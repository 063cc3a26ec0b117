// The undo history on large collections: taking back the deletion of one coin up to the rebuilt
// view, beside the plain sort of the same collection; taking back a currency conversion, beside
// the conversion itself, with the memory the step holds.

#include <memory>

#include <benchmark/benchmark.h>

#include "benchsizes.h"
#include "dialogs/currencyconversion.h"
#include "mainwindow/coinfilter.h"
#include "mainwindow/documentstep.h"
#include "mainwindow/gridview.h"
#include "mainwindow/recordbookkeeping.h"
#include "mainwindow/sorting.h"
#include "memoryprobe.h"
#include "sessioncollection.h"

namespace korvex::bench {
namespace {

const ConversionAmounts kMarkToEuro{1.95583, 1.0};

StepScope OrderScope() {
  StepScope scope;
  scope.order = true;
  return scope;
}

// The deletion of the middle coin of the shown area as the window records it, the sort that
// follows included.
std::unique_ptr<DocumentStep> DeleteMiddleCoin(CollectionDocument& doc, TDaten*& coin) {
  coin = MiddleCoinOfArea(doc);
  StepRecorder recorder(doc, OrderScope(), coin);
  recorder.KeepRemoved(DeleteCoin(doc, coin));
  SortCollection(doc, FormatSettings::German());
  return recorder.Finish(doc, nullptr);
}

// From "&Rückgängig" to the selected row: the coin back in its place, the view with its totals
// and the row of the coin.
void UndoDeleteToView(benchmark::State& state, int coins) {
  CollectionDocument& doc = SessionCollection(coins);
  const CoinFilter filter;
  GridView grid(doc);
  for (auto _ : state) {
    state.PauseTiming();
    TDaten* coin = nullptr;
    std::unique_ptr<DocumentStep> step = DeleteMiddleCoin(doc, coin);
    state.ResumeTiming();
    step->Undo(doc);
    grid.Rebuild(filter);
    benchmark::DoNotOptimize(grid.RowOfCoin(coin));
    state.PauseTiming();
    step.reset();
    state.ResumeTiming();
  }
}

// The reference: the plain sort of the same collection.
void SortForUndo(benchmark::State& state, int coins) {
  CollectionDocument& doc = SessionCollection(coins);
  const FormatSettings settings = FormatSettings::German();
  for (auto _ : state) {
    state.PauseTiming();
    TDaten* coin = MiddleCoinOfArea(doc);
    TakeOverChangedCoin(doc, coin, 46000.0);
    state.ResumeTiming();
    SortCollection(doc, settings);
  }
}

// A conversion recorded as the options dialog's step; the heap it leaves behind is the step's.
std::unique_ptr<DocumentStep> ConvertedStep(CollectionDocument& doc, size_t& heap_held) {
  NoProgress progress;
  StepScope scope = OrderScope();
  scope.prices = true;
  const size_t heap_before = HeapInUse();
  std::unique_ptr<DocumentStep> step;
  {
    StepRecorder recorder(doc, scope, nullptr);
    ConvertCurrency(doc, "\x80", kMarkToEuro, progress);
    step = recorder.Finish(doc, nullptr);
  }
  heap_held = HeapInUse() - heap_before;
  return step;
}

void UndoCurrencyConversion(benchmark::State& state, int coins) {
  CollectionDocument& doc = SessionCollection(coins);
  size_t heap_held = 0;
  size_t step_bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<DocumentStep> step = ConvertedStep(doc, heap_held);
    step_bytes = step->MemorySize();
    state.ResumeTiming();
    step->Undo(doc);
    state.PauseTiming();
    step.reset();
    state.ResumeTiming();
  }
  state.counters["step_bytes"] = static_cast<double>(step_bytes);
  state.counters["heap_held_bytes"] = static_cast<double>(heap_held);
}

// The reference: the conversion itself, without recording.
void ConvertCurrencyPlain(benchmark::State& state, int coins) {
  CollectionDocument& doc = SessionCollection(coins);
  NoProgress progress;
  for (auto _ : state) ConvertCurrency(doc, "\x80", kMarkToEuro, progress);
}

}  // namespace
}  // namespace korvex::bench

int main(int argc, char** argv) {
  using namespace korvex::bench;
  return RunBySize(argc, argv, {
      {"undo delete to view", UndoDeleteToView},
      {"ref sort for undo", SortForUndo},
      {"undo currency conversion", UndoCurrencyConversion},
      {"ref currency conversion", ConvertCurrencyPlain},
  });
}
