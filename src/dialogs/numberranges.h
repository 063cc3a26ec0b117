#pragma once

#include <array>

#include "model/collectiondocument.h"

namespace korvex {

// Catalogue-number reassignment ("Nummernkreise neu zuordnen"): the numbers stored in a coin's
// three number slots are declared to belong to other catalogue systems, and the areas' slots follow.

// What the user chose: for each slot 1 to 3 the catalogue kind 0 to 5 its numbers belong to (a
// kind outside 0 to 5 means no choice: that slot's numbers and kind stay as they are), and
// whether every area and coin of the collection is meant rather than the target area alone.
struct NumberRangeChoice {
  std::array<int, 3> kinds = {0, 2, 1};
  bool all_areas = false;
};

// The kinds the dialog offers first: the slot kinds of the target area (id 1-based), or for all
// areas those of the first area. The defaults of a new area when the document has no such area.
std::array<int, 3> PreselectedNumberKinds(const CollectionDocument& document, int target_area);

// Moves every affected coin's slot numbers into the chosen catalogue fields and sets the slot kinds
// of the affected areas. Affected are the coins and the area with id `target_area`, or all of them
// with `choice.all_areas`.
//
// Each coin reads its slot numbers through the slot kinds of its own area as they were before (a
// kind outside 0 to 5 reads the Schön number), so in a collection whose areas use different
// systems every coin keeps its numbers; a coin of no existing area reads through the target area.
// Only the fields those kinds name are emptied before the numbers are written again: numbers of
// other catalogue systems stored in the coin stay. When two slots choose the same kind, the later
// slot's number wins. Afterwards the document is marked modified; the caller rebuilds the grid.
void ReassignNumberRanges(CollectionDocument& document, int target_area, const NumberRangeChoice& choice);

}  // namespace korvex
