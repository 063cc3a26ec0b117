#pragma once

#include <array>
#include <cstdint>

namespace korvex {

// What one row of the sort dialog shows: the list entry (0 = no key, t = field type t) and
// whether "Absteigend" is checked.
struct SortRow {
  int entry = 0;
  bool descending = false;

  bool operator==(const SortRow&) const = default;
};

using SortRows = std::array<SortRow, 5>;

// How the sort dialog opens on the document's keys: in free mode when `standard_order` is no or
// the first key names something other than the standard order (65535) or the older generation's
// empty key (9999); the rows show the keys, empty for keys that name no field.
struct SortDialogOpening {
  bool free_mode = false;
  SortRows rows;
};
SortDialogOpening OpenSortDialog(const std::array<int32_t, 5>& keys, bool standard_order);

// The keys the rows give on OK: 65535 for an empty row, the field type otherwise, negated for
// "Absteigend".
std::array<int32_t, 5> SortKeysOfRows(const SortRows& rows);

// `standard_order` after OK: yes when "Standardsortierung verwenden" is checked or no key is set.
bool StandardOrderAfterDialog(bool standard_chosen, const std::array<int32_t, 5>& keys);

}  // namespace korvex
