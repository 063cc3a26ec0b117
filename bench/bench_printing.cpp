// Printing the list of all coins into a PDF beside the grid's own formatting of the same cells.

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <map>
#include <memory>

#include <benchmark/benchmark.h>

#include "benchsizes.h"
#include "mainwindow/coinfilter.h"
#include "mainwindow/gridcolumns.h"
#include "mainwindow/gridlistrows.h"
#include "mainwindow/gridview.h"
#include "reports/listprintout.h"
#include "samplefiles.h"

namespace korvex::bench {
namespace {

// The all-coins view of a generated collection with its grid rows built.
struct ShownList {
  std::unique_ptr<CollectionDocument> doc;
  std::unique_ptr<GridView> view;
};

ShownList& Sample(int coins) {
  static std::map<int, ShownList> samples;
  ShownList& sample = samples[coins];
  if (!sample.doc) {
    sample.doc = GeneratedDocument(coins);
    sample.doc->RebuildDisplayOrder();
    sample.doc->current_view = kAllCoinsView;
    sample.view = std::make_unique<GridView>(*sample.doc);
    sample.view->Rebuild(CoinFilter{});
  }
  return sample;
}

void Report(benchmark::State& state, int coins) {
  state.counters["per_1000_rows"] = benchmark::Counter(
      state.iterations() * coins / 1000.0, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The whole printout: page set-up, every cell cut to its column and drawn, rules, PDF output.
void PrintListToPdf(benchmark::State& state, int coins) {
  ShownList& sample = Sample(coins);
  const GridListRows rows(*sample.view, FormatSettings::German());
  const ListPrintout list = MakeListPrintout(*sample.doc, rows, FormatSettings::German(), 9);
  for (auto _ : state) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
      QPdfWriter writer(&pdf);
      writer.setPageSize(QPageSize(QPageSize::A4));
      writer.setPageOrientation(QPageLayout::Landscape);
      if (PrintList(writer, list, {}) != PrintOutcome::kPrinted) state.SkipWithError("not printed");
    }
    benchmark::DoNotOptimize(pdf.size());
  }
  Report(state, coins);
}

// The reference: the grid formatting every cell of the same rows once, as the screen would.
void FormatGridCells(benchmark::State& state, int coins) {
  ShownList& sample = Sample(coins);
  const int columns = static_cast<int>(ViewColumns(*sample.doc).size());
  const FormatSettings settings = FormatSettings::German();
  for (auto _ : state) {
    std::size_t length = 0;
    for (int row = 1; row <= sample.view->ShownCount(); ++row) {
      for (int column = 0; column < columns; ++column) length += sample.view->CellText(row, column, settings).size();
    }
    benchmark::DoNotOptimize(length);
  }
  Report(state, coins);
}

}  // namespace
}  // namespace korvex::bench

int main(int argc, char** argv) {
  // Text is measured and drawn by Qt, which needs a GUI application; no display is needed.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qt_argc = 1;
  QGuiApplication application(qt_argc, argv);
  return korvex::bench::RunBySize(argc, argv, {{"print list to PDF", korvex::bench::PrintListToPdf},
                                               {"ref format grid cells", korvex::bench::FormatGridCells}});
}
