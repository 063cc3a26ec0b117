#include "dialogs/numberranges.h"

#include <algorithm>

#include "model/fieldcatalogue.h"
#include "platform/messages.h"

namespace korvex {
namespace {

bool IsKind(int kind) { return kind >= 0 && kind < kCatalogueKindCount; }

using CatalogueNumbers = std::array<std::string, kCatalogueKindCount>;

CatalogueNumbers NumbersOf(const TDaten& coin) {
  CatalogueNumbers numbers;
  for (int kind = 0; kind < kCatalogueKindCount; ++kind) numbers[kind] = coin.CatalogueNumber(kind);
  return numbers;
}

// The coin's six catalogue numbers after its slot numbers have moved from `old_kinds` to
// `new_kinds`.
CatalogueNumbers NumbersAfterMove(const TDaten& coin, const std::array<int32_t, 3>& old_kinds,
                                  const std::array<int, 3>& new_kinds) {
  CatalogueNumbers numbers = NumbersOf(coin);
  std::array<std::string, 3> values;
  for (int slot = 0; slot < 3; ++slot) values[slot] = coin.CatalogueNumber(old_kinds[slot]);
  for (int slot = 0; slot < 3; ++slot) numbers[IsKind(old_kinds[slot]) ? old_kinds[slot] : 0].clear();
  for (int slot = 0; slot < 3; ++slot) {
    // A slot without a choice keeps its number where it was.
    const int kind = IsKind(new_kinds[slot]) ? new_kinds[slot] : old_kinds[slot];
    numbers[IsKind(kind) ? kind : 0] = values[slot];
  }
  return numbers;
}

// True when a number the coin holds is held nowhere after the move: another number was written
// over it.
bool LosesNumber(const CatalogueNumbers& before, const CatalogueNumbers& after) {
  for (const std::string& number : before) {
    if (!number.empty() && std::find(after.begin(), after.end(), number) == after.end()) return true;
  }
  return false;
}

// The affected coins with the kinds their slot numbers are read through.
template <typename Visit>
void ForEachAffectedCoin(const CollectionDocument& document, int target_area, const NumberRangeChoice& choice,
                         Visit visit) {
  const TKategorie* target = document.Area(target_area);
  if (!target) return;
  for (TDaten* coin = document.first_coin; coin; coin = coin->next) {
    if (!choice.all_areas && coin->category != target_area) continue;
    const TKategorie* own = document.Area(coin->category);
    visit(*coin, (own ? own : target)->number_kind);
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

int CoinsLosingNumbers(const CollectionDocument& document, int target_area, const NumberRangeChoice& choice) {
  int coins = 0;
  ForEachAffectedCoin(document, target_area, choice, [&](const TDaten& coin, const std::array<int32_t, 3>& kinds) {
    if (LosesNumber(NumbersOf(coin), NumbersAfterMove(coin, kinds, choice.kinds))) ++coins;
  });
  return coins;
}

bool ConfirmNumberRangeChoice(const CollectionDocument& document, int target_area, const NumberRangeChoice& choice,
                              MessageService& messages) {
  const int coins = CoinsLosingNumbers(document, target_area, choice);
  if (coins == 0) return true;
  const std::string count = coins == 1 ? "einer Münze" : std::to_string(coins) + " Münzen";
  return messages.AskYesNo("Bei dieser Zuordnung würden bei " + count +
                           " vorhandene Katalognummern durch andere Nummern überschrieben und gingen "
                           "verloren. Sollen die Nummernkreise trotzdem so zugeordnet werden?");
}

void ReassignNumberRanges(CollectionDocument& document, int target_area, const NumberRangeChoice& choice) {
  if (!document.Area(target_area)) return;
  // Every coin reads through the kinds before any area changes.
  ForEachAffectedCoin(document, target_area, choice, [&](TDaten& coin, const std::array<int32_t, 3>& kinds) {
    const CatalogueNumbers numbers = NumbersAfterMove(coin, kinds, choice.kinds);
    for (int kind = 0; kind < kCatalogueKindCount; ++kind) coin.CatalogueNumber(kind) = numbers[kind];
  });
  if (choice.all_areas) {
    for (auto& area : document.areas) SetSlotKinds(*area, choice.kinds);
  } else {
    SetSlotKinds(*document.Area(target_area), choice.kinds);
  }
  document.SetModified(true);
}

}  // namespace korvex
