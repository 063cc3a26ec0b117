#include "sessioncollection.h"

#include <map>
#include <memory>

#include "mainwindow/coinfilter.h"
#include "mainwindow/gridview.h"
#include "mainwindow/sorting.h"
#include "samplefiles.h"

namespace korvex::bench {

CollectionDocument& SessionCollection(int coins) {
  static std::map<int, std::unique_ptr<CollectionDocument>> samples;
  std::unique_ptr<CollectionDocument>& doc = samples[coins];
  if (!doc) {
    doc = GeneratedDocument(coins);
    doc->current_view = kSessionShownArea;
    SortCollection(*doc, FormatSettings::German());
    doc->RecomputeHighestItem();
  }
  return *doc;
}

TDaten* MiddleCoinOfArea(CollectionDocument& doc) {
  GridView grid(doc);
  grid.Rebuild(CoinFilter{});
  return grid.CoinOfRow(grid.ShownCount() / 2);
}

}  // namespace korvex::bench
