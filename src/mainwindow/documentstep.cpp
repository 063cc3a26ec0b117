#include "mainwindow/documentstep.h"

#include <utility>

namespace korvex {
namespace {

std::vector<std::unique_ptr<TKategorie>> CopyOfAreas(const CollectionDocument& document) {
  std::vector<std::unique_ptr<TKategorie>> copy;
  copy.reserve(document.areas.size());
  for (const auto& area : document.areas) copy.push_back(std::make_unique<TKategorie>(*area));
  return copy;
}

bool SameAreas(const std::vector<std::unique_ptr<TKategorie>>& a, const std::vector<std::unique_ptr<TKategorie>>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (!(*a[i] == *b[i])) return false;
  }
  return true;
}

size_t AreaMemory(const TKategorie& area) {
  return sizeof(TKategorie) + area.cells.capacity() * sizeof(TZelle) + area.name.capacity() +
         area.icon.capacity() + area.other_name.capacity();
}

}  // namespace

DocumentSettings DocumentSettings::Of(const CollectionDocument& document) {
  return {document.highest_item, document.currency_symbol, document.sort_keys,
          document.standard_order, document.all_cells, document.alignment_table};
}

void DocumentSettings::ExchangeWith(CollectionDocument& document) {
  using std::swap;
  swap(highest_item, document.highest_item);
  swap(currency_symbol, document.currency_symbol);
  swap(sort_keys, document.sort_keys);
  swap(standard_order, document.standard_order);
  swap(all_cells, document.all_cells);
  swap(alignment_table, document.alignment_table);
}

// ---------------------------------------------------------------------------------------------

DocumentStep::~DocumentStep() = default;

void DocumentStep::ExchangeValues(CollectionDocument& document) {
  for (const auto& change : values_) change->Exchange();
  if (settings_) settings_->ExchangeWith(document);
  if (areas_) std::swap(*areas_, document.areas);
}

// The order goes first: it checks that the document is where the step expects it before anything
// changes.
void DocumentStep::Undo(CollectionDocument& document) {
  if (order_) order_->Apply(document, true);
  ExchangeValues(document);
  document.current_view = before_.view;
}

void DocumentStep::Redo(CollectionDocument& document) {
  if (order_) order_->Apply(document, false);
  ExchangeValues(document);
  document.current_view = after_.view;
}

size_t DocumentStep::MemorySize() const {
  size_t bytes = sizeof(*this) + caption_.capacity();
  for (const auto& change : values_) bytes += change->MemorySize();
  if (order_) bytes += order_->MemorySize();
  if (settings_) bytes += sizeof(DocumentSettings) + settings_->all_cells.capacity() * sizeof(TZelle);
  if (areas_) {
    for (const auto& area : *areas_) bytes += sizeof(area) + AreaMemory(*area);
  }
  for (const auto& coin : kept_) bytes += RecordMemory(*coin);
  return bytes;
}

// ---------------------------------------------------------------------------------------------

StepRecorder::StepRecorder(const CollectionDocument& document, StepScope scope, const TDaten* selected)
    : scope_(std::move(scope)),
      before_{document.current_view, selected},
      settings_(DocumentSettings::Of(document)),
      areas_(CopyOfAreas(document)) {
  const bool whole_collection = scope_.prices || scope_.catalogue_numbers || scope_.coin_areas;
  if (scope_.order || whole_collection) order_ = CollectionOrderOf(document);
  if (!scope_.coins.empty()) records_ = std::make_unique<RecordValues>(scope_.coins);
  if (scope_.prices) {
    for (const auto member : {&TDaten::catalogue, &TDaten::purchaseprice, &TDaten::estimate}) {
      numbers_.push_back(std::make_unique<MemberValues<double>>(member, order_));
    }
  }
  if (scope_.catalogue_numbers) {
    for (const auto member : {&TDaten::jaeger, &TDaten::yeoman, &TDaten::schoen, &TDaten::ric,
                              &TDaten::cohen, &TDaten::other1}) {
      texts_.push_back(std::make_unique<MemberValues<std::string>>(member, order_));
    }
  }
  if (scope_.coin_areas) coin_areas_ = std::make_unique<MemberValues<int32_t>>(&TDaten::category, order_);
}

StepRecorder::~StepRecorder() = default;

std::unique_ptr<DocumentStep> StepRecorder::Finish(const CollectionDocument& document, const TDaten* selected) {
  std::unique_ptr<DocumentStep> step(new DocumentStep);
  step->caption_ = std::move(caption_);
  step->before_ = before_;
  step->after_ = {document.current_view, selected};
  if (scope_.order) step->order_ = OrderChange::Between(order_, CollectionOrderOf(document), removed_);
  if (records_) step->values_.push_back(std::move(records_));
  for (auto& numbers : numbers_) {
    if (numbers->KeepChanged()) step->values_.push_back(std::move(numbers));
  }
  for (auto& texts : texts_) {
    if (texts->KeepChanged()) step->values_.push_back(std::move(texts));
  }
  if (coin_areas_ && coin_areas_->KeepChanged()) step->values_.push_back(std::move(coin_areas_));
  if (!(DocumentSettings::Of(document) == settings_)) step->settings_ = std::move(settings_);
  if (!SameAreas(areas_, document.areas)) step->areas_ = std::move(areas_);
  step->kept_ = std::move(removed_);
  const bool changed = !step->values_.empty() || step->order_ || step->settings_ || step->areas_;
  if (!changed) return nullptr;
  return step;
}

}  // namespace korvex
