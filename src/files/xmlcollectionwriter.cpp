#include <cstdlib>

#include "files/xmlcoinelement.h"
#include "files/xmlcollection.h"
#include "files/xmlnodes.h"
#include "model/fieldcatalogue.h"

namespace korvex {
namespace {

using xml::AppendSwitch;
using xml::AppendText;
using xml::AppendWhole;
using xml::SetAttributeText;
using xml::SetAttributeWhole;
using xml::SetAttributeYesNo;

constexpr unsigned kFormat = pugi::format_raw | pugi::format_no_declaration;
// Rough size of one written coin, to reserve the output at once.
constexpr size_t kBytesPerCoin = 1200;

void WriteFileInfo(pugi::xml_node parent) {
  pugi::xml_node fileinfo = parent.append_child("fileinfo");
  AppendText(fileinfo, "version", "1.0");
  pugi::xml_node program = fileinfo.append_child("program");
  program.append_attribute("name").set_value("Korvex");
  program.append_attribute("version").set_value(" - Version 3.1.3");
}

void WriteOrders(pugi::xml_node options, const CollectionDocument& doc) {
  pugi::xml_node orders = options.append_child("orders");
  SetAttributeYesNo(orders, "active", doc.standard_order);
  if (doc.standard_order) return;
  for (const int32_t key : doc.sort_keys) {
    const long long magnitude = std::llabs(static_cast<long long>(key));
    const int type = magnitude <= kFieldCount ? static_cast<int>(magnitude) : 0;
    pugi::xml_node order = AppendText(orders, "order", FieldKey(type));
    if (key < 0) order.append_attribute("direction").set_value("desc");
  }
}

void WriteOptions(pugi::xml_node parent, const CollectionDocument& doc) {
  pugi::xml_node options = parent.append_child("options");
  AppendText(options, "currency", doc.currency_symbol);
  AppendWhole(options, "category", doc.current_view);
  pugi::xml_node cells = options.append_child("cells");
  for (int t = kAlignmentTableSize - 1; t >= 0; --t) WriteCellElement(cells, doc.alignment_table[t]);
  WriteOrders(options, doc);
}

void WriteCategories(pugi::xml_node parent, const CollectionDocument& doc) {
  pugi::xml_node categories = parent.append_child("categories");
  pugi::xml_node all_coins = categories.append_child("category");
  all_coins.append_attribute("category").set_value("0");
  pugi::xml_node cells = all_coins.append_child("cells");
  for (const TZelle& cell : doc.all_cells) WriteCellElement(cells, cell);
  for (int id = 1; id <= doc.AreaCount(); ++id) WriteAreaElement(categories, *doc.Area(id), id);
}

void WriteGroup(pugi::xml_node parent, const char* name,
                std::initializer_list<std::pair<const char*, bool>> switches) {
  pugi::xml_node group = parent.append_child(name);
  for (const auto& [child, active] : switches) AppendSwitch(group, child, active);
}



}  // namespace

pugi::xml_node WriteCellElement(pugi::xml_node parent, const TZelle& cell) {
  pugi::xml_node element = parent.append_child("cell");
  element.append_attribute("type").set_value(FieldKey(cell.type).c_str());
  SetAttributeWhole(element, "width", cell.width);
  element.append_attribute("align").set_value(AlignmentText(cell.align).c_str());
  return element;
}

pugi::xml_node WriteAreaElement(pugi::xml_node parent, const TKategorie& a, int id) {
  pugi::xml_node element = parent.append_child("category");
  SetAttributeWhole(element, "category", id);
  SetAttributeText(element, "name", a.name);
  SetAttributeText(element, "short", a.short_);
  SetAttributeYesNo(element, "menu", a.menu);
  SetAttributeYesNo(element, "icon", a.icon_button);

  AppendText(element, "icon", a.icon);
  AppendSwitch(element, "item", a.item);
  AppendSwitch(element, "quality", a.quality);
  pugi::xml_node numbers = element.append_child("number");
  for (int slot = 0; slot < 3; ++slot) {
    pugi::xml_node number = numbers.append_child("number");
    const int kind = a.number_kind[slot];
    number.append_attribute("category").set_value(CatalogueKindKey(kind).c_str());
    SetAttributeYesNo(number, "active", a.number_active[slot]);
    if (kind == 5) SetAttributeText(number, "name", a.other_name);
  }
  AppendSwitch(element, "count", a.count);
  AppendSwitch(element, "mintlocation", a.mintlocation);
  AppendSwitch(element, "numeral", a.numeral);
  AppendSwitch(element, "currency", a.currency);
  AppendSwitch(element, "location", a.location);
  AppendSwitch(element, "country", a.country);
  AppendSwitch(element, "master", a.master);
  AppendSwitch(element, "city", a.city);
  AppendSwitch(element, "year", a.year);
  AppendSwitch(element, "validtil", a.validtil);
  AppendSwitch(element, "theme", a.theme);
  AppendSwitch(element, "case", a.case_);
  AppendSwitch(element, "certificate", a.certificate);
  WriteGroup(element, "prices", {{"catalogue", a.catalogue}, {"estimate", a.estimate}});
  WriteGroup(element, "purchases", {{"count", a.count}, {"purchaseprice", a.purchaseprice},
                                    {"purchasedate", a.purchasedate}, {"dealer", a.dealer}});
  WriteGroup(element, "weight", {{"mint", a.weight}, {"fine", a.fine}, {"standard", a.standard}});
  WriteGroup(element, "diameter", {{"minimum", a.diameter_minimum}, {"maximum", a.diameter_maximum}});
  AppendSwitch(element, "circulation", a.circulation);
  WriteGroup(element, "avers", {{"motive", a.av_motive}, {"artist", a.av_artist}, {"picture", a.av_picture}});
  WriteGroup(element, "revers", {{"motive", a.rv_motive}, {"artist", a.rv_artist}, {"picture", a.rv_picture}});
  AppendSwitch(element, "width", a.width);
  AppendSwitch(element, "date", a.date);
  AppendSwitch(element, "alloy", a.alloy);
  AppendSwitch(element, "border", a.border);
  pugi::xml_node extra = element.append_child("extra");
  for (int n = 0; n < 5; ++n) {
    pugi::xml_node field = AppendText(extra, xml::kExtraElements[n], a.z_name[n]);
    SetAttributeYesNo(field, "active", a.z_active[n]);
    SetAttributeYesNo(field, "desc", a.z_desc[n]);
  }
  pugi::xml_node cells = element.append_child("cells");
  for (const TZelle& cell : a.cells) WriteCellElement(cells, cell);
  return element;
}

pugi::xml_node WriteCoinElement(pugi::xml_node parent, const TDaten& coin,
                                const CollectionDocument& doc, bool absolute_paths) {
  xml::CoinElement element(parent);
  element.Fill(coin, doc, absolute_paths);
  return element.element();
}

std::string WriteCollectionXml(const CollectionDocument& doc, Progress& progress) {
  std::string out;
  out.reserve(64 * 1024 + static_cast<size_t>(doc.coin_count) * kBytesPerCoin);
  xml::StringWriter writer(out);

  // The head of the document is built as a small tree; the coins are serialised one at a time
  // from one coin element filled again for each, which gives the text of one big tree without
  // building it.
  pugi::xml_document head;
  pugi::xml_node root = head.append_child("deduvidarov");
  WriteFileInfo(root);
  WriteOptions(root, doc);
  WriteCategories(root, doc);
  out += "<deduvidarov>";
  for (pugi::xml_node part = root.first_child(); part; part = part.next_sibling()) {
    part.print(writer, "", kFormat, pugi::encoding_utf8);
  }

  if (!doc.first_coin) {
    out += "<mintlist/></deduvidarov>";
    return out;
  }
  struct ProgressEnd {
    Progress& progress;
    ~ProgressEnd() { progress.ProgressEnd(); }
  } end{progress};
  progress.ProgressBegin("Speichere Daten. Fertig:");
  progress.ProgressTotal(doc.coin_count);
  progress.ProgressSet(0);
  out += "<mintlist>";
  pugi::xml_document scratch;
  xml::CoinElement mint(scratch);
  for (const TDaten* coin = doc.first_coin; coin; coin = coin->next) {
    progress.ProgressStep();
    mint.Fill(*coin, doc, false);
    mint.element().print(writer, "", kFormat, pugi::encoding_utf8);
  }
  out += "</mintlist></deduvidarov>";
  return out;
}

std::string CoinClipboardXml(const TDaten& coin, const CollectionDocument& doc) {
  pugi::xml_document xml;
  pugi::xml_node mintlist = xml.append_child("deduvidarov").append_child("mintlist");
  WriteCoinElement(mintlist, coin, doc, true);
  std::string out;
  xml::StringWriter writer(out);
  xml.save(writer, "", kFormat, pugi::encoding_utf8);
  return out;
}

}  // namespace korvex
