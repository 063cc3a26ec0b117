#include "mainwindow/coinfilter.h"

#include "model/datetime.h"

namespace korvex {
namespace {

struct CountFilterRow {
  FilterKind kind;
  int32_t count;
  const char* suffix;
};

// -2 asks for any count but 0, -3 for two pieces or more (the entry dialog's ">" codes).
constexpr CountFilterRow kCountFilters[] = {
    {FilterKind::kMissing, 0, " - [nur Fehlbestand]"},
    {FilterKind::kStock, -2, " - [ohne Fehlbestand]"},
    {FilterKind::kDuplicates, -3, " - [nur Doubletten]"},
};

}  // namespace

std::unique_ptr<TDaten> NewFilterTemplate() {
  auto t = std::make_unique<TDaten>();
  t->count = -1;
  t->circulation = -1;
  t->catalogue = -1;
  t->purchaseprice = -1;
  t->estimate = -1;
  t->weight = -1;
  t->fine = -1;
  t->diameter_minimum = -1;
  t->diameter_maximum = -1;
  t->width = -1;
  t->purchasedate = kNoDate;
  return t;
}

bool CoinFilter::Accepts(const TDaten& coin) const {
  return !template_ || MatchesTemplate(coin, *template_, switches_, TemplateMarkers::kFilter);
}

void CoinFilter::Clear() {
  template_.reset();
  suffix_.clear();
  kind_ = FilterKind::kNone;
}

void CoinFilter::SetCountFilter(FilterKind kind) {
  for (const CountFilterRow& row : kCountFilters) {
    if (row.kind != kind) continue;
    template_ = NewFilterTemplate();
    template_->count = row.count;
    switches_.all_criteria = true;
    switches_.case_ignored = true;
    switches_.certificate_ignored = true;
    suffix_ = row.suffix;
    kind_ = kind;
    return;
  }
  Clear();
}

void CoinFilter::SetFreeFilter(std::unique_ptr<TDaten> template_in, const MatchSwitches& switches) {
  template_ = std::move(template_in);
  switches_ = switches;
  suffix_ = template_ ? " - [gefiltert]" : "";
  kind_ = template_ ? FilterKind::kFree : FilterKind::kNone;
}

}  // namespace korvex
