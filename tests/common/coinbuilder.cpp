#include "common/coinbuilder.h"

#include "model/codepage.h"

namespace korvex::test {

DocumentBuilder::DocumentBuilder() : document_("\x80") {}

int DocumentBuilder::AddArea(const std::string& name) {
  auto area = std::make_unique<TKategorie>();
  area->name = W(name);
  document_.areas.push_back(std::move(area));
  const int id = document_.AreaCount();
  document_.areas.back()->category = id;
  return id;
}

TDaten* DocumentBuilder::AddCoin(int area, const std::function<void(TDaten&)>& fill) {
  auto coin = std::make_unique<TDaten>();
  coin->category = area;
  if (fill) fill(*coin);
  TDaten* raw = coin.get();
  document_.Append(std::move(coin));
  return raw;
}

std::string W(const std::string& utf8) { return Utf8ToWin1252(utf8); }

std::vector<TDaten*> CollectionOrder(const CollectionDocument& document) {
  std::vector<TDaten*> order;
  for (TDaten* r = document.first_coin; r; r = r->next) order.push_back(r);
  return order;
}

std::vector<TDaten*> DisplayOrder(const CollectionDocument& document) {
  std::vector<TDaten*> order;
  for (TDaten* r = document.first_shown; r; r = r->display_next) order.push_back(r);
  return order;
}

std::vector<std::string> FieldTexts(const CollectionDocument& document, int field_type) {
  std::vector<std::string> texts;
  for (const TDaten* r = document.first_coin; r; r = r->next) {
    texts.push_back(Win1252ToUtf8(*r->TextField(field_type)));
  }
  return texts;
}

}  // namespace korvex::test
