#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/collectiondocument.h"
#include "platform/progress.h"

namespace korvex::test {

// Adds an area named `name` at the end of the document's areas, numbered by its position.
inline TKategorie& AddArea(CollectionDocument& document, const std::string& name) {
  auto area = std::make_unique<TKategorie>();
  area->name = name;
  area->category = document.AreaCount() + 1;
  document.areas.push_back(std::move(area));
  return *document.areas.back();
}

// Appends a coin of area `category` whose inventory number is `item`.
inline TDaten& AddCoin(CollectionDocument& document, int category, const std::string& item) {
  auto coin = std::make_unique<TDaten>();
  coin->category = category;
  coin->item = item;
  TDaten& added = *coin;
  document.Append(std::move(coin));
  return added;
}

// A coin of `category` holding 12, Y5 and J7 in the fields of a new area's slots (Schön, YEOMAN,
// Jaeger).
inline TDaten& NumberedCoin(CollectionDocument& document, int category) {
  TDaten& coin = AddCoin(document, category, "1");
  coin.schoen = "12";
  coin.yeoman = "Y5";
  coin.jaeger = "J7";
  return coin;
}

// The inventory numbers of the coins of area `category`, in collection order.
inline std::vector<std::string> ItemsOfArea(const CollectionDocument& document, int category) {
  std::vector<std::string> items;
  for (const TDaten* coin = document.first_coin; coin; coin = coin->next) {
    if (coin->category == category) items.push_back(coin->item);
  }
  return items;
}

// Records how a long operation drove its progress display.
class RecordingProgress : public Progress {
 public:
  void ProgressBegin(const std::string& text) override { texts.push_back(text); }
  void ProgressTotal(int value) override { total = value; }
  void ProgressSet(int value) override { position = value; }
  void ProgressStep() override { ++position; }

  std::vector<std::string> texts;
  int total = 0;
  int position = 0;
};

}  // namespace korvex::test
