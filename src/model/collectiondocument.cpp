#include "model/collectiondocument.h"

#include "model/fieldcatalogue.h"
#include "model/paths.h"
#include "model/rounding.h"

namespace korvex {

CollectionDocument::CollectionDocument(std::string system_currency_symbol)
    : system_currency_symbol_(std::move(system_currency_symbol)) {
  Reset();
}

CollectionDocument::~CollectionDocument() { DeleteAllCoins(); }

void CollectionDocument::DeleteAllCoins() {
  TDaten* record = first_coin;
  while (record) {
    TDaten* next = record->next;
    delete record;
    record = next;
  }
  first_coin = first_shown = last_coin_ = nullptr;
  coin_count = 0;
}

void CollectionDocument::ClearContent() {
  DeleteAllCoins();
  areas.clear();
  highest_item = 0;
}

void CollectionDocument::Reset() {
  ClearContent();
  ResetAlignmentTable();
  all_cells = DefaultCells();
  currency_symbol = system_currency_symbol_;
  current_view = kAllCoinsView;
  sort_keys.fill(kNoSortKey);
  standard_order = true;
  compressed = false;
  from_template = false;
  legacy_version = 0;
  writable_ = true;
  SetPassword("");
  ClearFileName();
  SetModified(false);
}

void CollectionDocument::ResetAlignmentTable() {
  for (int t = 0; t < kAlignmentTableSize; ++t) alignment_table[t] = TZelle{t, 100, DefaultAlignment(t)};
}

void CollectionDocument::SetFileName(const std::string& path) {
  file_path_ = path;
  file_title_ = FileTitleOf(path);
  picture_folder_ = DirectoryOf(path) + file_title_ + "/";
  if (observer_) observer_->FileNameChanged();
}

void CollectionDocument::ClearFileName() {
  file_path_ = kUnnamedFile;
  file_title_.clear();
  picture_folder_.clear();
  has_name = false;
  if (observer_) observer_->FileNameChanged();
}

void CollectionDocument::SetPassword(const std::string& password) {
  password_ = password;
  if (observer_) observer_->PasswordChanged();
}

void CollectionDocument::SetModified(bool modified) {
  if (!writable_) return;
  modified_ = modified;
  if (observer_) observer_->ModifiedChanged();
}

TKategorie* CollectionDocument::Area(int id) {
  return id >= 1 && id <= AreaCount() ? areas[id - 1].get() : nullptr;
}

const TKategorie* CollectionDocument::Area(int id) const {
  return id >= 1 && id <= AreaCount() ? areas[id - 1].get() : nullptr;
}

void CollectionDocument::InsertAtHead(std::unique_ptr<TDaten> owned) {
  TDaten* record = owned.release();
  record->prev = nullptr;
  record->next = first_coin;
  if (first_coin) first_coin->prev = record;
  else last_coin_ = record;
  first_coin = record;
  ++coin_count;
}

void CollectionDocument::Append(std::unique_ptr<TDaten> owned) {
  TDaten* record = owned.release();
  record->next = record->display_next = nullptr;
  if (last_coin_) {
    last_coin_->AppendAfter(record);
  } else {
    record->prev = record->display_prev = nullptr;
    first_coin = first_shown = record;
  }
  last_coin_ = record;
  ++coin_count;
}

std::unique_ptr<TDaten> CollectionDocument::Remove(TDaten* record) {
  if (record->prev) record->prev->next = record->next;
  if (record->next) record->next->prev = record->prev;
  if (record->display_prev) record->display_prev->display_next = record->display_next;
  if (record->display_next) record->display_next->display_prev = record->display_prev;
  if (first_coin == record) first_coin = record->next;
  if (first_shown == record) first_shown = record->display_next;
  if (last_coin_ == record) last_coin_ = record->prev;
  record->next = record->prev = record->display_next = record->display_prev = nullptr;
  --coin_count;
  return std::unique_ptr<TDaten>(record);
}

TDaten* CollectionDocument::LastCoin() const { return last_coin_; }

void CollectionDocument::RebuildDisplayOrder() {
  first_shown = first_coin;
  TDaten* last = nullptr;
  for (TDaten* record = first_coin; record; record = record->next) {
    record->display_prev = record->prev;
    record->display_next = record->next;
    last = record;
  }
  last_coin_ = last;
}

void CollectionDocument::RecomputeHighestItem() {
  highest_item = 0;
  for (const TDaten* record = first_coin; record; record = record->next) {
    const int value = InventoryNumberValue(record->item);
    if (value > highest_item) highest_item = value;
  }
}

int CollectionDocument::AppendRescueArea() {
  auto area = std::make_unique<TKategorie>();
  area->name = "Gerettete Daten, bitte in korrekte Kategorien kopieren";
  area->SetShort("sos");
  area->menu = true;
  area->icon_button = true;
  area->category = AreaCount() + 1;
  areas.push_back(std::move(area));
  return AreaCount();
}

void CollectionDocument::RelinkCollectionOrder(const std::vector<TDaten*>& order) {
  // Both orders are linked in one pass over the vector rather than by walking the new list again:
  // in a large collection every record is a cache miss, and walking a list waits for each one.
  TDaten* previous = nullptr;
  for (TDaten* record : order) {
    record->prev = record->display_prev = previous;
    if (previous) previous->next = previous->display_next = record;
    previous = record;
  }
  if (previous) previous->next = previous->display_next = nullptr;
  first_coin = first_shown = order.empty() ? nullptr : order.front();
  last_coin_ = previous;
}

}  // namespace korvex
