#include "dialogs/areaworklist.h"

#include <unordered_map>
#include <utility>

#include "dialogs/arearules.h"

namespace korvex {

AreaWorkList AreaWorkList::FromDocument(const CollectionDocument& document, Progress& progress) {
  progress.ProgressBegin(kAreaWorkProgressText);
  progress.ProgressTotal(document.coin_count + 2);
  AreaWorkList list;
  list.had_areas_ = document.AreaCount() > 0;
  if (list.had_areas_) {
    for (int position = 1; position <= document.AreaCount(); ++position) {
      TKategorieCache entry;
      entry.area = *document.Area(position);
      entry.id_at_opening = position;
      list.entries_.push_back(std::move(entry));
    }
  } else {
    list.AddNewArea();
  }
  progress.ProgressStep();
  for (const TDaten* coin = document.first_coin; coin; coin = coin->next) {
    // Entry p - 1 holds the area with id p.
    if (coin->category >= 1 && coin->category <= list.Count()) list.entries_[coin->category - 1].in_use = true;
    progress.ProgressStep();
  }
  progress.ProgressStep();
  progress.ProgressEnd();
  return list;
}

int AreaWorkList::AddNewArea() {
  TKategorieCache entry;
  entry.area = NewArea(Count() + 1);
  entries_.push_back(std::move(entry));
  return Count() - 1;
}

int AreaWorkList::MoveUp(int index) {
  if (index <= 0 || index >= Count()) return index;
  std::swap(entries_[index], entries_[index - 1]);
  return index - 1;
}

int AreaWorkList::MoveDown(int index) {
  if (index < 0 || index + 1 >= Count()) return index;
  std::swap(entries_[index], entries_[index + 1]);
  return index + 1;
}

bool AreaWorkList::CanDelete(int index) const {
  return index >= 0 && index < Count() && !entries_[index].in_use && Count() > 1;
}

std::string AreaWorkList::DeleteBlockedText(int index) const {
  return index >= 0 && index < Count() && entries_[index].in_use ? kAreaInUseText : "";
}

std::optional<int> AreaWorkList::Delete(int index) {
  if (!CanDelete(index)) return std::nullopt;
  entries_.erase(entries_.begin() + index);
  return index < Count() ? index : Count() - 1;
}

void ApplyAreaDefinition(CollectionDocument& document, AreaWorkList work_list,
                         const std::optional<std::string>& currency_symbol, Progress& progress) {
  progress.ProgressBegin(kAreaWorkProgressText);
  progress.ProgressTotal(work_list.Count() + document.coin_count + 1);
  // Old id -> new position. Areas made in the dialog have id 0 and no coins, so they take part in
  // no renumbering; the first entry with an id wins should two ever share one.
  std::unordered_map<int32_t, int32_t> new_position;
  std::vector<std::unique_ptr<TKategorie>> areas;
  for (int index = 0; index < work_list.Count(); ++index) {
    TKategorieCache& entry = work_list.Entry(index);
    const int32_t position = index + 1;
    if (entry.id_at_opening > 0) new_position.emplace(entry.id_at_opening, position);
    entry.area.category = position;
    areas.push_back(std::make_unique<TKategorie>(std::move(entry.area)));
    progress.ProgressStep();
  }
  document.areas = std::move(areas);
  for (TDaten* coin = document.first_coin; coin; coin = coin->next) {
    const auto found = new_position.find(coin->category);
    if (found != new_position.end()) coin->category = found->second;
    progress.ProgressStep();
  }
  if (currency_symbol) document.currency_symbol = *currency_symbol;
  document.current_view = kAllCoinsView;
  progress.ProgressStep();
  document.SetModified(true);
  progress.ProgressEnd();
}

}  // namespace korvex
