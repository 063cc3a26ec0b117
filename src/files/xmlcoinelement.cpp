#include "files/xmlcoinelement.h"

#include "files/xmlnodes.h"
#include "model/paths.h"

namespace korvex::xml {
namespace {

// The text node of a new element for a number, to be filled later.
pugi::xml_node AppendSlot(pugi::xml_node parent, const char* name) {
  return parent.append_child(name).append_child(pugi::node_pcdata);
}

// A new element for a text. It holds a text node only while the text is not empty, so that an
// empty text is written as an element without content ("<theme/>").
pugi::xml_node AppendTextSlot(pugi::xml_node parent, const char* name) {
  return parent.append_child(name);
}

void FillText(pugi::xml_node element, std::string_view win1252) {
  pugi::xml_node text = element.first_child();
  if (win1252.empty()) {
    if (text) element.remove_child(text);
    return;
  }
  if (!text) text = element.append_child(pugi::node_pcdata);
  SetText(text, win1252);
}

pugi::xml_attribute AppendSwitchSlot(pugi::xml_node parent, const char* name) {
  return parent.append_child(name).append_attribute("active");
}

std::string_view PictureReference(const std::string& reference, const CollectionDocument& doc,
                                  bool absolute_paths, std::string& scratch) {
  if (absolute_paths && !reference.empty() && HasNoDirectory(reference)) {
    scratch = doc.picture_folder() + reference;
    return scratch;
  }
  return reference;
}

const char* YesNo(bool value) { return value ? "yes" : "no"; }

}  // namespace

CoinElement::CoinElement(pugi::xml_node parent) : element_(parent.append_child("mint")) {
  item_ = element_.append_attribute("item");
  category_ = element_.append_attribute("category");
  quality_ = AppendTextSlot(element_, "quality");
  pugi::xml_node number = element_.append_child("number");
  schoen_ = AppendTextSlot(number, "schoen");
  jaeger_ = AppendTextSlot(number, "jaeger");
  cohen_ = AppendTextSlot(number, "cohen");
  ric_ = AppendTextSlot(number, "ric");
  yeoman_ = AppendTextSlot(number, "yeoman");
  other1_ = AppendTextSlot(number, "other1");
  count_ = AppendSlot(element_, "count");
  mintlocation_ = AppendTextSlot(element_, "mintlocation");
  numeral_ = AppendTextSlot(element_, "numeral");
  currency_ = AppendTextSlot(element_, "currency");
  location_ = AppendTextSlot(element_, "location");
  country_ = AppendTextSlot(element_, "country");
  master_ = AppendTextSlot(element_, "master");
  city_ = AppendTextSlot(element_, "city");
  year_ = AppendTextSlot(element_, "year");
  validtil_ = AppendTextSlot(element_, "validtil");
  case_ = AppendSwitchSlot(element_, "case");
  certificate_ = AppendSwitchSlot(element_, "certificate");
  theme_ = AppendTextSlot(element_, "theme");
  pugi::xml_node prices = element_.append_child("prices");
  catalogue_ = AppendSlot(prices, "catalogue");
  estimate_ = AppendSlot(prices, "estimate");
  pugi::xml_node purchases = element_.append_child("purchases");
  purchase_count_ = AppendSlot(purchases, "count");
  purchaseprice_ = AppendSlot(purchases, "purchaseprice");
  purchasedate_ = AppendDate(purchases, "purchasedate");
  dealer_ = AppendTextSlot(purchases, "dealer");
  pugi::xml_node weight = element_.append_child("weight");
  weight_ = AppendSlot(weight, "mint");
  fine_ = AppendSlot(weight, "fine");
  standard_ = AppendTextSlot(weight, "standard");
  pugi::xml_node diameter = element_.append_child("diameter");
  diameter_minimum_ = AppendSlot(diameter, "minimum");
  diameter_maximum_ = AppendSlot(diameter, "maximum");
  circulation_ = AppendSlot(element_, "circulation");
  avers_ = AppendSide(element_, "avers");
  revers_ = AppendSide(element_, "revers");
  width_ = AppendSlot(element_, "width");
  date_ = AppendTextSlot(element_, "date");
  alloy_ = AppendTextSlot(element_, "alloy");
  border_ = AppendTextSlot(element_, "border");
  pugi::xml_node extra = element_.append_child("extra");
  for (int n = 0; n < 5; ++n) {
    extra_[n] = AppendTextSlot(extra, xml::kExtraElements[n]);
  }
  pugi::xml_node changes = element_.append_child("changes");
  creation_ = AppendDate(changes, "creation");
  change_count_ = AppendSlot(changes, "count");
  last_ = AppendDate(changes, "last");
  description_ = AppendTextSlot(element_, "description");
}

CoinElement::Date CoinElement::AppendDate(pugi::xml_node parent, const char* name) {
  pugi::xml_node date = parent.append_child(name);
  return {AppendSlot(date, "year"), AppendSlot(date, "month"), AppendSlot(date, "day")};
}

CoinElement::Side CoinElement::AppendSide(pugi::xml_node parent, const char* name) {
  pugi::xml_node side = parent.append_child(name);
  return {AppendTextSlot(side, "motive"), AppendTextSlot(side, "artist"),
          AppendTextSlot(side, "picture")};
}

void CoinElement::FillDate(const Date& date, double day_number) {
  // A count that names no day is written as 0, 0, 0.
  const CalendarDate parts = CalendarDateOf(day_number);
  SetWhole(date.year, parts.year);
  SetWhole(date.month, parts.month);
  SetWhole(date.day, parts.day);
}

// The `desc` attribute is there only where the coin's area carries extra-field descriptions.
void CoinElement::FillExtraDescription(int n, bool written, const std::string& text) {
  pugi::xml_attribute desc = extra_[n].attribute("desc");
  if (!written) {
    if (desc) extra_[n].remove_attribute(desc);
    return;
  }
  if (!desc) desc = extra_[n].append_attribute("desc");
  SetText(desc, text);
}

void CoinElement::Fill(const TDaten& c, const CollectionDocument& doc, bool absolute_paths) {
  SetText(item_, c.item);
  SetWhole(category_, c.category);
  FillText(quality_, c.quality);
  FillText(schoen_, c.schoen);
  FillText(jaeger_, c.jaeger);
  FillText(cohen_, c.cohen);
  FillText(ric_, c.ric);
  FillText(yeoman_, c.yeoman);
  FillText(other1_, c.other1);
  SetWhole(count_, c.count);
  FillText(mintlocation_, c.mintlocation);
  FillText(numeral_, c.numeral);
  FillText(currency_, c.currency);
  FillText(location_, c.location);
  FillText(country_, c.country);
  FillText(master_, c.master);
  FillText(city_, c.city);
  FillText(year_, c.year);
  FillText(validtil_, c.validtil);
  case_.set_value(YesNo(c.case_ != 0));
  certificate_.set_value(YesNo(c.certificate != 0));
  FillText(theme_, c.theme);
  SetFixed(catalogue_, c.catalogue, 2);
  SetFixed(estimate_, c.estimate, 2);
  SetWhole(purchase_count_, c.count);
  SetFixed(purchaseprice_, c.purchaseprice, 2);
  FillDate(purchasedate_, c.purchasedate);
  FillText(dealer_, c.dealer);
  SetFixed(weight_, c.weight, 2);
  SetFixed(fine_, c.fine, 2);
  FillText(standard_, c.standard);
  SetFixed(diameter_minimum_, c.diameter_minimum, 3);
  SetFixed(diameter_maximum_, c.diameter_maximum, 3);
  SetWhole(circulation_, c.circulation);
  std::string scratch;
  FillText(avers_.motive, c.av_motive);
  FillText(avers_.artist, c.av_artist);
  FillText(avers_.picture, PictureReference(c.av_picture, doc, absolute_paths, scratch));
  FillText(revers_.motive, c.rv_motive);
  FillText(revers_.artist, c.rv_artist);
  FillText(revers_.picture, PictureReference(c.rv_picture, doc, absolute_paths, scratch));
  SetFixed(width_, c.width, 2);
  FillText(date_, c.date);
  FillText(alloy_, c.alloy);
  FillText(border_, c.border);
  const TKategorie* area = doc.Area(c.category);
  for (int n = 0; n < 5; ++n) {
    FillText(extra_[n], c.Z(n + 1));
    FillExtraDescription(n, area && area->z_desc[n], c.z_desc[n]);
  }
  FillDate(creation_, c.creation);
  SetWhole(change_count_, c.change_count);
  FillDate(last_, c.last);
  FillText(description_, c.description ? std::string_view(c.description->text) : std::string_view());
}

}  // namespace korvex::xml
