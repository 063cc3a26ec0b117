#include "mainwindow/coinsearch.h"

#include "model/codepage.h"
#include "model/datetime.h"

namespace korvex {
namespace {

constexpr const char* kTemplateKindCaptions[] = {"Schön-Nr.", "Jaeger-Nr.", "YEOMAN-Nr.",
                                                 "RIC-Nr.",   "Cohen-Nr.",  "Katalog-Nr."};

}  // namespace

std::unique_ptr<TDaten> NewSearchTemplate() {
  auto t = std::make_unique<TDaten>();
  t->count = 0;
  t->purchasedate = kNoDate;
  return t;
}

const TKategorie* TemplateArea(const CollectionDocument& document) {
  if (const TKategorie* shown = document.Area(document.current_view)) return shown;
  return document.first_coin ? document.Area(document.first_coin->category) : nullptr;
}

std::array<std::string, 3> TemplateNumberCaptions(const CollectionDocument& document) {
  std::array<std::string, 3> captions;
  const TKategorie* area = TemplateArea(document);
  if (!area) return captions;
  for (int slot = 0; slot < 3; ++slot) {
    const int kind = area->number_kind[slot];
    if (kind >= 0 && kind <= 5) captions[slot] = Utf8ToWin1252(kTemplateKindCaptions[kind]);
  }
  return captions;
}

int RestrictedSearchArea(const CollectionDocument& document) {
  const TKategorie* area = TemplateArea(document);
  for (int id = 1; area && id <= document.AreaCount(); ++id) {
    if (document.Area(id) == area) return id;
  }
  return 1;
}

CoinSearch::CoinSearch() : template_(NewSearchTemplate()) {}

void CoinSearch::Start(std::unique_ptr<TDaten> template_in, const MatchSwitches& switches,
                       bool all_areas) {
  template_ = template_in ? std::move(template_in) : NewSearchTemplate();
  switches_ = switches;
  all_areas_ = all_areas;
  continuation_ = nullptr;
}

TDaten* CoinSearch::SearchFrom(TDaten* record, MessageService& messages) {
  for (; record; record = record->next) {
    if (!all_areas_ && record->category != template_->category) continue;
    if (MatchesTemplate(*record, *template_, switches_, TemplateMarkers::kSearch)) {
      continuation_ = record->next;
      return record;
    }
  }
  continuation_ = nullptr;
  messages.Show(MessageKind::kError, kSearchNotFoundMessage, MessageButtons::kOk, "Korvex");
  return nullptr;
}

void CoinSearch::RecordRemoving(const TDaten* record) {
  if (record && continuation_ == record) continuation_ = record->next;
}

}  // namespace korvex
