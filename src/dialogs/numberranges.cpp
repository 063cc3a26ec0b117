#include "dialogs/numberranges.h"

#include "model/fieldcatalogue.h"

namespace korvex {
namespace {

bool IsKind(int kind) { return kind >= 0 && kind < kCatalogueKindCount; }

void MoveCoinNumbers(TDaten& coin, const std::array<int32_t, 3>& old_kinds, const std::array<int, 3>& new_kinds) {
  std::array<std::string, 3> values;
  for (int slot = 0; slot < 3; ++slot) values[slot] = coin.CatalogueNumber(old_kinds[slot]);
  for (int slot = 0; slot < 3; ++slot) coin.CatalogueNumber(old_kinds[slot]).clear();
  for (int slot = 0; slot < 3; ++slot) {
    // A slot without a choice keeps its number where it was.
    const int kind = IsKind(new_kinds[slot]) ? new_kinds[slot] : old_kinds[slot];
    coin.CatalogueNumber(kind) = values[slot];
  }
}

void SetSlotKinds(TKategorie& area, const std::array<int, 3>& kinds) {
  for (int slot = 0; slot < 3; ++slot) {
    if (IsKind(kinds[slot])) area.SetNumberKind(slot + 1, kinds[slot]);
  }
}

}  // namespace

std::array<int, 3> PreselectedNumberKinds(const CollectionDocument& document, int target_area) {
  const TKategorie* area = document.Area(target_area);
  if (!area) return NumberRangeChoice().kinds;
  return {area->number_kind[0], area->number_kind[1], area->number_kind[2]};
}

void ReassignNumberRanges(CollectionDocument& document, int target_area, const NumberRangeChoice& choice) {
  const TKategorie* target = document.Area(target_area);
  if (!target) return;
  // The coins must read through the kinds before any area changes.
  const TKategorie fallback_area = *target;
  for (TDaten* coin = document.first_coin; coin; coin = coin->next) {
    if (!choice.all_areas && coin->category != target_area) continue;
    const TKategorie* own = document.Area(coin->category);
    MoveCoinNumbers(*coin, (own ? own : &fallback_area)->number_kind, choice.kinds);
  }
  if (choice.all_areas) {
    for (auto& area : document.areas) SetSlotKinds(*area, choice.kinds);
  } else {
    SetSlotKinds(*document.Area(target_area), choice.kinds);
  }
  document.SetModified(true);
}

}  // namespace korvex
