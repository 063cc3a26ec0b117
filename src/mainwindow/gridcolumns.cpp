#include "mainwindow/gridcolumns.h"

#include <algorithm>

#include "model/fieldcatalogue.h"

namespace korvex {

std::vector<TZelle>& ViewColumns(CollectionDocument& document) {
  TKategorie* area = document.Area(document.current_view);
  return area ? area->cells : document.all_cells;
}

const std::vector<TZelle>& ViewColumns(const CollectionDocument& document) {
  const TKategorie* area = document.Area(document.current_view);
  return area ? area->cells : document.all_cells;
}

std::optional<std::string> ColumnHeaderText(const CollectionDocument& document, int type) {
  if (type < 1 || type > kFieldCount) return std::nullopt;
  const TKategorie* shown = document.Area(document.current_view);
  if (type == kOther1) {
    const TKategorie* area = shown ? shown : document.Area(1);
    if (!area) return std::nullopt;
    return area->other_name;
  }
  if (type >= kZ1 && type <= kZ5) {
    const int n = type - kZ1 + 1;
    if (shown) return shown->ExtraName(n);
    return "Zusatz " + std::to_string(n);
  }
  return FixedColumnHeader(type);
}

void MoveColumn(std::vector<TZelle>& columns, int from, int to) {
  const int size = static_cast<int>(columns.size());
  if (from < 0 || from >= size || to < 0 || to >= size || from == to) return;
  const auto first = columns.begin();
  if (from < to) std::rotate(first + from, first + from + 1, first + to + 1);
  else std::rotate(first + to, first + from, first + from + 1);
}

}  // namespace korvex
