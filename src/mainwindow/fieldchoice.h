#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/fieldcatalogue.h"
#include "model/tzelle.h"

namespace korvex {

// The order in which fields ticked in "Angezeigte Felder" are added behind the columns kept.
extern const std::array<int, kFieldCount> kFieldAppendOrder;

// The caption of the check box of field type `type` in "Angezeigte Felder" (Windows-1252); empty
// outside 1 to 46.
const std::string& DisplayedFieldCaption(int type);

// Which field types are ticked; index 0 is unused.
using FieldTicks = std::array<bool, kFieldCount + 1>;

// The ticks the dialog opens with: every field type that occurs in `columns`.
FieldTicks TicksOfColumns(const std::vector<TZelle>& columns);

// The column list after OK: the columns whose field is still ticked, in their order and with their
// widths (a field listed twice survives once, at its first place), then every other ticked field in
// the append order at width 100. Each column takes its alignment from the alignment table.
std::vector<TZelle> ChosenColumns(const std::vector<TZelle>& columns, FieldTicks ticks,
                                  const std::array<TZelle, kFieldCount + 1>& alignment_table);

}  // namespace korvex
