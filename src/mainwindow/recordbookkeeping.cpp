#include "mainwindow/recordbookkeeping.h"

#include <algorithm>

#include "model/rounding.h"

namespace korvex {

std::unique_ptr<TDaten> NewRecordFor(const CollectionDocument& doc) {
  auto record = std::make_unique<TDaten>();
  record->item = std::to_string(static_cast<long long>(doc.highest_item) + 1);
  record->category = doc.current_view;
  record->description = std::make_unique<TText>();
  return record;
}

TDaten* PutAtHeadOfBothOrders(CollectionDocument& doc, std::unique_ptr<TDaten> owned) {
  TDaten* record = owned.get();
  doc.InsertAtHead(std::move(owned));
  record->display_prev = nullptr;
  record->display_next = doc.first_shown;
  if (doc.first_shown) doc.first_shown->display_prev = record;
  doc.first_shown = record;
  return record;
}

TDaten* TakeOverNewCoin(CollectionDocument& doc, std::unique_ptr<TDaten> record, double now) {
  record->creation = now;
  record->last = now;
  record->change_count = 0;
  TDaten* coin = PutAtHeadOfBothOrders(doc, std::move(record));
  doc.highest_item = std::max(doc.highest_item, InventoryNumberValue(coin->item));
  return coin;
}

TDaten* TakeOverChangedCoin(CollectionDocument& doc, TDaten* coin, double now) {
  coin->last = now;
  ++coin->change_count;
  TDaten* successor = coin->next;
  PutAtHeadOfBothOrders(doc, doc.Remove(coin));
  doc.RecomputeHighestItem();
  return successor;
}

std::unique_ptr<TDaten> DeleteCoin(CollectionDocument& doc, TDaten* coin) {
  std::unique_ptr<TDaten> removed = doc.Remove(coin);
  doc.RecomputeHighestItem();
  return removed;
}

bool InCurrentView(const CollectionDocument& doc, const TDaten& coin) {
  return doc.current_view == kAllCoinsView || coin.category == doc.current_view;
}

TDaten* NextCoinInView(const CollectionDocument& doc, TDaten* from, const CoinFilter* filter) {
  for (TDaten* coin = from; coin; coin = coin->display_next) {
    if (InCurrentView(doc, *coin) && (!filter || filter->Accepts(*coin))) return coin;
  }
  return nullptr;
}

}  // namespace korvex
