#include "files/xmlelementreader.h"

#include "files/fileerrors.h"
#include "files/xmlcollection.h"
#include "files/xmlnodes.h"
#include "model/fieldcatalogue.h"

namespace korvex {
namespace xml {

void ReadCellList(pugi::xml_node cells, std::vector<TZelle>& target) {
  target.clear();
  for (pugi::xml_node element = cells.child("cell"); element; element = element.next_sibling("cell")) {
    target.push_back(ReadCellElement(element));
  }
}

}  // namespace xml

using xml::AttributeText;
using xml::ChildFinder;
using xml::DateValue;
using xml::DecimalNumber;
using xml::ElementText;
using xml::ReadText;
using xml::RequireAttribute;
using xml::WholeNumber;
using xml::WholeNumber64;
using xml::YesNoValue;

namespace {

bool RequiredSwitch(ChildFinder& finder, const char* name) {
  return YesNoValue(RequireAttribute(finder.Require(name), "active").value());
}

// A missing or malformed optional switch leaves the value as it is.
void OptionalSwitch(ChildFinder& finder, const char* name, bool& value) {
  pugi::xml_attribute active = finder.Find(name).attribute("active");
  if (active) value = YesNoValue(active.value());
}

void OptionalText(ChildFinder& finder, const char* name, std::string& value) {
  pugi::xml_node element = finder.Find(name);
  if (element) ReadText(element, value);
}

// The first three inner `number` elements give the slots' kinds (and the free catalogue's name)
// and then their active switches; the block ends silently at the first missing part.
void ReadNumberSlots(pugi::xml_node outer, TKategorie& area) {
  pugi::xml_node inner[3];
  pugi::xml_node node = outer.child("number");
  for (auto& slot : inner) {
    slot = node;
    if (node) node = node.next_sibling("number");
  }
  [&] {
    for (int slot = 0; slot < 3; ++slot) {
      pugi::xml_attribute kind = inner[slot].attribute("category");
      if (!kind) return;
      area.number_kind[slot] = CatalogueKindOfKey(kind.value());
      if (area.number_kind[slot] == 5) {
        pugi::xml_attribute name = inner[slot].attribute("name");
        if (!name) return;
        area.other_name = AttributeText(name);
      }
    }
    for (int slot = 0; slot < 3; ++slot) {
      pugi::xml_attribute active = inner[slot].attribute("active");
      if (!active) return;
      area.number_active[slot] = YesNoValue(active.value());
    }
  }();
  area.RecomputeKindInUse();
}

void ReadExtraNames(pugi::xml_node extra, TKategorie& area) {
  ChildFinder finder(extra);
  for (int n = 0; n < 5; ++n) {
    pugi::xml_node field = finder.Require(xml::kExtraElements[n]);
    ReadText(field, area.z_name[n]);
    area.z_active[n] = YesNoValue(RequireAttribute(field, "active").value());
    area.z_desc[n] = YesNoValue(RequireAttribute(field, "desc").value());
  }
}

void ReadSideText(pugi::xml_node side, std::string& motive, std::string& artist, std::string& picture) {
  ChildFinder finder(side);
  ReadText(finder.Require("motive"), motive);
  ReadText(finder.Require("artist"), artist);
  ReadText(finder.Require("picture"), picture);
}

void ReadCoinExtras(pugi::xml_node extra, TDaten& coin, const CollectionDocument& doc) {
  ChildFinder finder(extra);
  const TKategorie* area = doc.Area(coin.category);
  for (int n = 0; n < 5; ++n) {
    pugi::xml_node field = finder.Require(xml::kExtraElements[n]);
    ReadText(field, coin.Z(n + 1));
    if (pugi::xml_attribute desc = field.attribute("desc")) coin.z_desc[n] = AttributeText(desc);
    else coin.z_desc[n] = area ? area->z_name[n] : std::string();
  }
}

}  // namespace

TZelle ReadCellElement(pugi::xml_node cell) {
  TZelle result;
  result.type = FieldTypeOfKey(RequireAttribute(cell, "type").value());
  result.width = WholeNumber(RequireAttribute(cell, "width").value());
  result.align = AlignmentOfText(RequireAttribute(cell, "align").value());
  return result;
}

std::unique_ptr<TKategorie> ReadAreaElement(pugi::xml_node element, float version) {
  auto area = std::make_unique<TKategorie>();
  TKategorie& a = *area;
  a.category = WholeNumber(RequireAttribute(element, "category").value());
  a.name = AttributeText(RequireAttribute(element, "name"));
  a.SetShort(AttributeText(RequireAttribute(element, "short")));
  a.menu = YesNoValue(RequireAttribute(element, "menu").value());
  a.icon_button = YesNoValue(RequireAttribute(element, "icon").value());

  ChildFinder finder(element);
  ReadText(finder.Require("icon"), a.icon);
  a.item = RequiredSwitch(finder, "item");
  a.quality = RequiredSwitch(finder, "quality");
  ReadNumberSlots(finder.Require("number"), a);
  a.count = RequiredSwitch(finder, "count");
  a.mintlocation = RequiredSwitch(finder, "mintlocation");
  a.numeral = RequiredSwitch(finder, "numeral");
  a.currency = RequiredSwitch(finder, "currency");
  a.location = RequiredSwitch(finder, "location");
  a.country = RequiredSwitch(finder, "country");
  a.master = RequiredSwitch(finder, "master");
  a.city = RequiredSwitch(finder, "city");
  OptionalSwitch(finder, "year", a.year);
  OptionalSwitch(finder, "validtil", a.validtil);
  OptionalSwitch(finder, "theme", a.theme);
  OptionalSwitch(finder, "case", a.case_);
  OptionalSwitch(finder, "certificate", a.certificate);
  ChildFinder prices(finder.Require("prices"));
  a.catalogue = RequiredSwitch(prices, "catalogue");
  a.estimate = RequiredSwitch(prices, "estimate");
  ChildFinder purchases(finder.Require("purchases"));
  a.count = RequiredSwitch(purchases, "count");
  a.purchaseprice = RequiredSwitch(purchases, "purchaseprice");
  a.purchasedate = RequiredSwitch(purchases, "purchasedate");
  a.dealer = RequiredSwitch(purchases, "dealer");
  ChildFinder weight(finder.Require("weight"));
  a.weight = RequiredSwitch(weight, "mint");
  a.fine = RequiredSwitch(weight, "fine");
  a.standard = RequiredSwitch(weight, "standard");
  ChildFinder diameter(finder.Require("diameter"));
  a.diameter_minimum = RequiredSwitch(diameter, "minimum");
  a.diameter_maximum = RequiredSwitch(diameter, "maximum");
  a.circulation = RequiredSwitch(finder, "circulation");
  ChildFinder avers(finder.Require("avers"));
  a.av_motive = RequiredSwitch(avers, "motive");
  a.av_artist = RequiredSwitch(avers, "artist");
  a.av_picture = RequiredSwitch(avers, "picture");
  ChildFinder revers(finder.Require("revers"));
  a.rv_motive = RequiredSwitch(revers, "motive");
  a.rv_artist = RequiredSwitch(revers, "artist");
  a.rv_picture = RequiredSwitch(revers, "picture");
  OptionalSwitch(finder, "width", a.width);
  OptionalSwitch(finder, "date", a.date);
  a.alloy = RequiredSwitch(finder, "alloy");
  a.border = RequiredSwitch(finder, "border");
  ReadExtraNames(finder.Require("extra"), a);
  pugi::xml_node cells = finder.Require("cells");
  if (version >= xml::kCellsVersion) xml::ReadCellList(cells, a.cells);
  return area;
}

void ReadCoinElement(pugi::xml_node element, TDaten& c, const CollectionDocument& doc) {
  c.item = AttributeText(RequireAttribute(element, "item"));
  c.category = WholeNumber(RequireAttribute(element, "category").value());

  ChildFinder finder(element);
  ReadText(finder.Require("quality"), c.quality);
  ChildFinder number(finder.Require("number"));
  ReadText(number.Require("schoen"), c.schoen);
  ReadText(number.Require("jaeger"), c.jaeger);
  ReadText(number.Require("cohen"), c.cohen);
  ReadText(number.Require("ric"), c.ric);
  ReadText(number.Require("yeoman"), c.yeoman);
  OptionalText(number, "other1", c.other1);
  c.count = WholeNumber(ElementText(finder.Require("count")));
  ReadText(finder.Require("mintlocation"), c.mintlocation);
  ReadText(finder.Require("numeral"), c.numeral);
  ReadText(finder.Require("currency"), c.currency);
  ReadText(finder.Require("location"), c.location);
  ReadText(finder.Require("country"), c.country);
  ReadText(finder.Require("master"), c.master);
  ReadText(finder.Require("city"), c.city);
  ReadText(finder.Require("year"), c.year);
  OptionalText(finder, "validtil", c.validtil);
  bool flag = c.case_ != 0;
  OptionalSwitch(finder, "case", flag);
  c.case_ = flag ? 1 : 0;
  flag = c.certificate != 0;
  OptionalSwitch(finder, "certificate", flag);
  c.certificate = flag ? 1 : 0;
  OptionalText(finder, "theme", c.theme);
  ChildFinder prices(finder.Require("prices"));
  c.catalogue = DecimalNumber(ElementText(prices.Require("catalogue")));
  c.estimate = DecimalNumber(ElementText(prices.Require("estimate")));
  ChildFinder purchases(finder.Require("purchases"));
  c.count = WholeNumber(ElementText(purchases.Require("count")));
  c.purchaseprice = DecimalNumber(ElementText(purchases.Require("purchaseprice")));
  c.purchasedate = DateValue(purchases.Require("purchasedate"));
  ReadText(purchases.Require("dealer"), c.dealer);
  ChildFinder weight(finder.Require("weight"));
  c.weight = static_cast<float>(DecimalNumber(ElementText(weight.Require("mint"))));
  c.fine = static_cast<float>(DecimalNumber(ElementText(weight.Require("fine"))));
  ReadText(weight.Require("standard"), c.standard);
  ChildFinder diameter(finder.Require("diameter"));
  c.diameter_minimum = static_cast<float>(DecimalNumber(ElementText(diameter.Require("minimum"))));
  c.diameter_maximum = static_cast<float>(DecimalNumber(ElementText(diameter.Require("maximum"))));
  c.circulation = WholeNumber64(ElementText(finder.Require("circulation")));
  ReadSideText(finder.Require("avers"), c.av_motive, c.av_artist, c.av_picture);
  ReadSideText(finder.Require("revers"), c.rv_motive, c.rv_artist, c.rv_picture);
  c.width = static_cast<float>(DecimalNumber(ElementText(finder.Require("width"))));
  ReadText(finder.Require("date"), c.date);
  ReadText(finder.Require("alloy"), c.alloy);
  ReadText(finder.Require("border"), c.border);
  ReadCoinExtras(finder.Require("extra"), c, doc);
  ChildFinder changes(finder.Require("changes"));
  c.creation = DateValue(changes.Require("creation"));
  c.change_count = WholeNumber(ElementText(changes.Require("count")));
  c.last = DateValue(changes.Require("last"));
  auto note = std::make_unique<TText>();
  ReadText(finder.Require("description"), note->text);
  note->NormaliseLineEnds();
  c.description = std::move(note);
}

std::unique_ptr<TDaten> ReadCoinElement(pugi::xml_node mint, const CollectionDocument& doc) {
  auto coin = std::make_unique<TDaten>();
  ReadCoinElement(mint, *coin, doc);
  return coin;
}

}  // namespace korvex
