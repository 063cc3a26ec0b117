#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/collectiondocument.h"
#include "model/tzelle.h"

namespace korvex {

// The column list of the current view: the shown area's cells, or `all_cells` for the all-coins
// view, before any view is shown and in a document without areas. Widths, order and alignment of
// the grid live only here.
std::vector<TZelle>& ViewColumns(CollectionDocument& document);
const std::vector<TZelle>& ViewColumns(const CollectionDocument& document);

// The header text of a column of field type `type` in the current view (Windows-1252). Nothing
// means the column keeps the header it had: field types outside 1 to 46, and the free catalogue
// (type 8) in a document without areas.
std::optional<std::string> ColumnHeaderText(const CollectionDocument& document, int type);

// The user dragged column `from` to position `to`: the entry moves there and the entries between
// shift one place towards `from`. Positions outside the list change nothing.
void MoveColumn(std::vector<TZelle>& columns, int from, int to);

}  // namespace korvex
