#include "cli/documentjson.h"

#include "model/codepage.h"

namespace korvex::cli {
namespace {

using Json = nlohmann::ordered_json;

Json Text(const std::string& win1252) { return Win1252ToUtf8(win1252); }

int Switch(bool on) { return on ? 1 : 0; }

Json CellsJson(const std::vector<TZelle>& cells) {
  Json list = Json::array();
  for (const TZelle& cell : cells) {
    list.push_back({{"type", cell.type}, {"width", cell.width}, {"align", cell.align}});
  }
  return list;
}

template <typename Array>
Json SwitchArray(const Array& values) {
  Json list = Json::array();
  for (bool value : values) list.push_back(Switch(value));
  return list;
}

Json AreaJson(const TKategorie& a) {
  Json z_name = Json::array();
  for (const std::string& name : a.z_name) z_name.push_back(Text(name));
  return Json{
      {"cells", CellsJson(a.cells)}, {"category", a.category}, {"item", Switch(a.item)},
      {"name", Text(a.name)}, {"short", Text(a.short_)}, {"icon", Text(a.icon)},
      {"menu", Switch(a.menu)}, {"icon_button", Switch(a.icon_button)},
      {"quality", Switch(a.quality)}, {"number_active", SwitchArray(a.number_active)},
      {"count", Switch(a.count)}, {"mintlocation", Switch(a.mintlocation)},
      {"numeral", Switch(a.numeral)}, {"currency", Switch(a.currency)},
      {"av_motive", Switch(a.av_motive)}, {"rv_motive", Switch(a.rv_motive)},
      {"year", Switch(a.year)}, {"validtil", Switch(a.validtil)},
      {"catalogue", Switch(a.catalogue)}, {"purchaseprice", Switch(a.purchaseprice)},
      {"estimate", Switch(a.estimate)}, {"purchasedate", Switch(a.purchasedate)},
      {"weight", Switch(a.weight)}, {"standard", Switch(a.standard)}, {"fine", Switch(a.fine)},
      {"diameter_minimum", Switch(a.diameter_minimum)},
      {"diameter_maximum", Switch(a.diameter_maximum)}, {"circulation", Switch(a.circulation)},
      {"alloy", Switch(a.alloy)}, {"dealer", Switch(a.dealer)}, {"city", Switch(a.city)},
      {"location", Switch(a.location)}, {"country", Switch(a.country)},
      {"border", Switch(a.border)}, {"master", Switch(a.master)},
      {"av_artist", Switch(a.av_artist)}, {"rv_artist", Switch(a.rv_artist)},
      {"width", Switch(a.width)}, {"date", Switch(a.date)}, {"theme", Switch(a.theme)},
      {"case", Switch(a.case_)}, {"certificate", Switch(a.certificate)},
      {"z_active", SwitchArray(a.z_active)}, {"z_desc", SwitchArray(a.z_desc)},
      {"z_name", z_name}, {"av_picture", Switch(a.av_picture)},
      {"rv_picture", Switch(a.rv_picture)}, {"kind_in_use", SwitchArray(a.kind_in_use)},
      {"other_name", Text(a.other_name)},
      {"number_kind", Json(std::vector<int>(a.number_kind.begin(), a.number_kind.end()))},
  };
}

Json CoinJson(const TDaten& c) {
  Json z_desc = Json::array();
  for (const std::string& text : c.z_desc) z_desc.push_back(Text(text));
  return Json{
      {"item", Text(c.item)}, {"category", c.category}, {"quality", Text(c.quality)},
      {"jaeger", Text(c.jaeger)}, {"yeoman", Text(c.yeoman)}, {"schoen", Text(c.schoen)},
      {"ric", Text(c.ric)}, {"cohen", Text(c.cohen)}, {"other1", Text(c.other1)},
      {"count", c.count}, {"mintlocation", Text(c.mintlocation)}, {"numeral", Text(c.numeral)},
      {"currency", Text(c.currency)}, {"location", Text(c.location)},
      {"country", Text(c.country)}, {"master", Text(c.master)}, {"city", Text(c.city)},
      {"av_motive", Text(c.av_motive)}, {"rv_motive", Text(c.rv_motive)},
      {"year", Text(c.year)}, {"date", Text(c.date)}, {"validtil", Text(c.validtil)},
      {"estimate", c.estimate}, {"catalogue", c.catalogue},
      {"purchaseprice", c.purchaseprice}, {"purchasedate", c.purchasedate},
      {"weight", c.weight}, {"fine", c.fine}, {"standard", Text(c.standard)},
      {"diameter_minimum", c.diameter_minimum}, {"diameter_maximum", c.diameter_maximum},
      {"circulation", c.circulation}, {"av_artist", Text(c.av_artist)},
      {"rv_artist", Text(c.rv_artist)}, {"width", c.width}, {"theme", Text(c.theme)},
      {"alloy", Text(c.alloy)}, {"dealer", Text(c.dealer)}, {"border", Text(c.border)},
      {"case", c.case_}, {"certificate", c.certificate}, {"z1", Text(c.z1)},
      {"z2", Text(c.z2)}, {"z3", Text(c.z3)}, {"z4", Text(c.z4)}, {"z5", Text(c.z5)},
      {"z_desc", z_desc}, {"av_picture", Text(c.av_picture)},
      {"rv_picture", Text(c.rv_picture)}, {"creation", c.creation}, {"last", c.last},
      {"change_count", c.change_count},
      {"description", c.description ? Text(c.description->text) : Json(nullptr)},
  };
}

}  // namespace

Json DocumentToJson(const CollectionDocument& document, const Json& file_version) {
  Json alignment = Json::array();
  for (const TZelle& cell : document.alignment_table) alignment.push_back(cell.align);
  Json areas = Json::array();
  for (const auto& area : document.areas) areas.push_back(AreaJson(*area));
  Json coins = Json::array();
  for (const TDaten* coin = document.first_coin; coin; coin = coin->next) coins.push_back(CoinJson(*coin));
  return Json{
      {"file_version", file_version},
      {"currency", Text(document.currency_symbol)},
      {"current_view", document.current_view},
      {"standard_order", document.standard_order},
      {"sort_keys", Json(std::vector<int>(document.sort_keys.begin(), document.sort_keys.end()))},
      {"highest_item", document.highest_item},
      {"coin_count", document.coin_count},
      {"all_cells", CellsJson(document.all_cells)},
      {"alignment", alignment},
      {"areas", areas},
      {"coins", coins},
  };
}

}  // namespace korvex::cli
