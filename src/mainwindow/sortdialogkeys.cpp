#include "mainwindow/sortdialogkeys.h"

#include <algorithm>

#include "model/fieldcatalogue.h"

namespace korvex {
namespace {

constexpr int32_t kNoKey = 65535;
constexpr int32_t kLegacyNoKey = 9999;

SortRow RowOfKey(int32_t key) {
  const int32_t type = key < 0 ? -key : key;
  // 65535, 9999 and anything else outside the field types leave the row empty.
  if (type < 1 || type > kFieldCount) return {};
  return {static_cast<int>(type), key < 0};
}

}  // namespace

SortDialogOpening OpenSortDialog(const std::array<int32_t, 5>& keys, bool standard_order) {
  SortDialogOpening opening;
  opening.free_mode = !standard_order || (keys[0] != kNoKey && keys[0] != kLegacyNoKey);
  for (size_t k = 0; k < keys.size(); ++k) opening.rows[k] = RowOfKey(keys[k]);
  return opening;
}

std::array<int32_t, 5> SortKeysOfRows(const SortRows& rows) {
  std::array<int32_t, 5> keys{};
  for (size_t k = 0; k < rows.size(); ++k) {
    const SortRow& row = rows[k];
    keys[k] = row.entry == 0 ? kNoKey : (row.descending ? -row.entry : row.entry);
  }
  return keys;
}

bool StandardOrderAfterDialog(bool standard_chosen, const std::array<int32_t, 5>& keys) {
  return standard_chosen || std::all_of(keys.begin(), keys.end(), [](int32_t key) { return key == kNoKey; });
}

}  // namespace korvex
