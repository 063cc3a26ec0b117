#pragma once

#include "model/collectiondocument.h"

// The collection the record and undo benchmarks work on, as a session has it.
namespace korvex::bench {

// The area the view shows.
inline constexpr int kSessionShownArea = 3;

// The generated collection of `coins` coins, sorted once and showing kSessionShownArea, kept for
// the whole program so that every run starts from the order a session has.
CollectionDocument& SessionCollection(int coins);

// The coin in the middle of the shown area, as the selected row.
TDaten* MiddleCoinOfArea(CollectionDocument& doc);

}  // namespace korvex::bench
