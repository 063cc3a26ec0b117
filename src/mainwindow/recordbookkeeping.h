#pragma once

#include <memory>

#include "mainwindow/coinfilter.h"
#include "model/collectiondocument.h"

// What the record commands do to the document once their dialog has been answered: the inventory
// numbering, the place of new and changed coins at the head of both orders and the coin count.
// The window marks the document modified and rebuilds the rows afterwards.
namespace korvex {

// A new record for the entry dialog: the next inventory number (`highest_item` + 1), an empty
// note and the shown area.
std::unique_ptr<TDaten> NewRecordFor(const CollectionDocument& doc);

// Puts a record at the head of the collection order and of the display order and takes it over.
TDaten* PutAtHeadOfBothOrders(CollectionDocument& doc, std::unique_ptr<TDaten> record);

// A new coin taken over from the dialog: stamped with `now`, no changes yet, at the head of both
// orders, counted, and `highest_item` raised to its inventory number when that is higher.
TDaten* TakeOverNewCoin(CollectionDocument& doc, std::unique_ptr<TDaten> record, double now);

// A changed coin taken over from the dialog: stamped with `now`, one change more, moved to the
// head of both orders; `highest_item` is recomputed. Returns the coin's former successor in the
// collection order, where "Weitere Münze" looks on.
TDaten* TakeOverChangedCoin(CollectionDocument& doc, TDaten* coin, double now);

// Takes a coin out of the collection and returns it with its note (the undo history keeps it);
// `highest_item` is recomputed over the remaining coins.
std::unique_ptr<TDaten> DeleteCoin(CollectionDocument& doc, TDaten* coin);

// Whether a coin belongs to the shown area, or all coins are shown.
bool InCurrentView(const CollectionDocument& doc, const TDaten& coin);

// From `from` (itself first) along the display order: the first coin of the current view that
// `filter` accepts (any coin of the view without a filter); nothing when there is none.
TDaten* NextCoinInView(const CollectionDocument& doc, TDaten* from, const CoinFilter* filter);

}  // namespace korvex
