#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/collectiondocument.h"
#include "model/formatsettings.h"

namespace korvex {

// The sort keys in force, each a field type, negated for descending order. A first key of 65535
// selects the standard order (Schön number ascending) and nothing else; a first key that names no
// field gives no keys, so the collection order stays as it is; later keys that name no field are
// left out.
std::vector<int> EffectiveSortKeys(const std::array<int32_t, 5>& sort_keys);

// Sorts the collection order by the document's keys and rebuilds the display order from it.
//
// The records end up stably sorted by key 1; then every maximal run of neighbours that are equal
// on all earlier keys is stably sorted by the next key. "Equal" here is stricter than the sort's
// comparison (texts must match after upper-casing, umlauts are not folded), so records that only
// compare equal stay where the earlier keys put them. Ties keep the previous collection order, so
// among equal coins the one entered or changed last (it sits at the head) comes first.
//
// Comparisons: inventory and catalogue numbers and the face value compare shorter texts first,
// other texts after folding "Ä", "Ö", "Ü" to "A", "O", "U"; issue dates that read as dates in the
// date format of `settings` compare as dates and come before those that do not, which compare as
// folded texts; a purchase date left open comes after every date.
void SortCollection(CollectionDocument& document, const FormatSettings& settings);

}  // namespace korvex
