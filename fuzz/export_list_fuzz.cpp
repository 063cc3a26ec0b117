// Whatever the legacy reader or the XML reader lets through (NaN, infinities, huge day numbers,
// any text) must format on every path: the text export, the `list` of every view under every
// count filter, the sort and the statistics. The first byte chooses the reader and a sort key.

#include <algorithm>

#include "files/fileerrors.h"
#include "files/legacyfile.h"
#include "files/textexport.h"
#include "files/xmlcollection.h"
#include "fuzz/fuzzsupport.h"
#include "mainwindow/coinfilter.h"
#include "mainwindow/gridcolumns.h"
#include "mainwindow/gridview.h"
#include "mainwindow/sorting.h"
#include "model/fieldcatalogue.h"
#include "reports/statistics.h"

namespace {

using korvex::CollectionDocument;
using korvex::FormatSettings;

void Load(const uint8_t* data, size_t size, CollectionDocument& doc) {
  korvex::fuzz::SilentMessages messages;
  korvex::NoProgress progress;
  if (data[0] & 1) {
    korvex::fuzz::FixedPassword passwords("geheim");
    const std::string path = korvex::fuzz::WriteScratchFile("Alt.kvl", data + 1, size - 1).string();
    korvex::ReadLegacyFile(path, doc, {messages, passwords, progress, nullptr});
    return;
  }
  std::string buffer(korvex::fuzz::AsText(data + 1, size - 1));
  try {
    korvex::ReadCollectionXml(doc, buffer, progress);
  } catch (const korvex::EKorvexError&) {
    // What was read before the error is formatted as well.
  }
  doc.RebuildDisplayOrder();
}

// Every exported line holds 47 values and no line break inside.
void Export(const CollectionDocument& doc, const FormatSettings& settings) {
  for (const char separator : {'\t', ';', ','}) {
    std::string line = korvex::TextExportHeaderLine(separator);
    for (const korvex::TDaten* coin = doc.first_coin; coin; coin = coin->next) {
      line.clear();
      korvex::AppendTextExportLine(doc, *coin, separator, settings, line);
      if (std::count(line.begin(), line.end(), separator) != 46) {
        korvex::fuzz::Mismatch("Exportzeile ohne 47 Werte");
      }
      if (line.find_first_of("\r\n") != std::string::npos) {
        korvex::fuzz::Mismatch("Zeilenumbruch in einer Exportzeile");
      }
    }
  }
}

// The `list` command's output for the shown view.
void List(CollectionDocument& doc, const korvex::CoinFilter& filter, const FormatSettings& settings) {
  korvex::GridView view(doc);
  view.Rebuild(filter);
  const std::vector<korvex::TZelle>& columns = korvex::ViewColumns(doc);
  for (const korvex::TZelle& column : columns) korvex::ColumnHeaderText(doc, column.type);
  for (int row = 1; row <= view.ShownCount(); ++row) {
    for (size_t column = 0; column < columns.size(); ++column) {
      view.CellText(row, static_cast<int>(column), settings);
    }
  }
  view.PiecesPanelText(settings);
  view.ValuePanelText(settings);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  CollectionDocument doc;
  Load(data, size, doc);

  // A sort key from the first byte: field type 1 to 46, ascending or descending.
  const int key = (data[0] >> 1) % 46 + 1;
  doc.sort_keys = {data[0] & 0x80 ? -key : key, korvex::kNoSortKey, korvex::kNoSortKey,
                   korvex::kNoSortKey, korvex::kNoSortKey};
  doc.standard_order = false;

  for (const FormatSettings& settings : {FormatSettings::German(), FormatSettings::English()}) {
    korvex::SortCollection(doc, settings);
    korvex::fuzz::CheckDocument(doc);
    Export(doc, settings);
    const int views = std::min(doc.AreaCount(), 3);
    for (int view = 0; view <= views; ++view) {
      doc.current_view = view == 0 ? korvex::kAllCoinsView : view;
      for (const korvex::FilterKind kind :
           {korvex::FilterKind::kNone, korvex::FilterKind::kStock, korvex::FilterKind::kMissing,
            korvex::FilterKind::kDuplicates}) {
        korvex::CoinFilter filter;
        filter.SetCountFilter(kind);
        List(doc, filter, settings);
      }
    }
    const korvex::CollectionStatistics statistics = korvex::ComputeStatistics(doc);
    for (const korvex::StatisticsFigures& figures : statistics.areas) {
      korvex::StatisticsRowTexts(figures, doc.currency_symbol, settings);
    }
    korvex::StatisticsRowTexts(statistics.total, doc.currency_symbol, settings);
  }
  return 0;
}
