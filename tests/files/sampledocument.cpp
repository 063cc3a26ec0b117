#include "files/sampledocument.h"

#include <gtest/gtest.h>

#include "model/datetime.h"
#include "model/fieldcatalogue.h"

namespace korvex::test {
namespace {

void SetAllSwitches(TKategorie& a, bool on) {
  for (bool* flag : {&a.item, &a.menu, &a.icon_button, &a.quality, &a.count, &a.mintlocation,
                     &a.numeral, &a.currency, &a.av_motive, &a.rv_motive, &a.year, &a.validtil,
                     &a.catalogue, &a.purchaseprice, &a.estimate, &a.purchasedate, &a.weight,
                     &a.standard, &a.fine, &a.diameter_minimum, &a.diameter_maximum,
                     &a.circulation, &a.alloy, &a.dealer, &a.city, &a.location, &a.country,
                     &a.border, &a.master, &a.av_artist, &a.rv_artist, &a.width, &a.date,
                     &a.theme, &a.case_, &a.certificate, &a.av_picture, &a.rv_picture}) {
    *flag = on;
  }
  a.number_active = {on, on, on};
  a.z_active = {on, on, on, on, on};
  a.z_desc = {on, on, on, on, on};
  a.RecomputeKindInUse();
}

std::unique_ptr<TKategorie> AllOnArea() {
  auto a = std::make_unique<TKategorie>();
  a->name = "M\xFCnzen \xD6sterreich \x80";
  a->SetShort("\xD6st");
  a->icon = "ICO/oesterreich.ico";
  SetAllSwitches(*a, true);
  a->number_kind = {3, 4, 1};
  a->RecomputeKindInUse();
  a->z_name = {"Pr\xE4gung", "Erhaltung \"gut\"", "<Serie> & Co", "", "Letztes"};
  a->cells = {{kItem, 60, kAlignRight}, {kCirculation, 90, kAlignCenter}, {kZ5, 33, kAlignLeft}};
  return a;
}

std::unique_ptr<TKategorie> AllOffArea() {
  auto a = std::make_unique<TKategorie>();
  a->name = "Leer";
  a->SetShort("");
  SetAllSwitches(*a, false);
  a->cells.clear();
  return a;
}

std::unique_ptr<TKategorie> FreeCatalogueArea() {
  auto a = std::make_unique<TKategorie>();
  a->name = "Antike";
  a->SetShort("ANT");
  a->number_kind = {5, 0, 2};
  a->other_name = "Sear-Nr. \xE9";
  a->z_active[1] = true;
  a->z_desc[1] = true;
  a->z_name[1] = "Herrscher";
  a->RecomputeKindInUse();
  return a;
}

std::unique_ptr<TDaten> FullCoin() {
  auto c = std::make_unique<TDaten>();
  c->item = "17";
  c->category = 1;
  c->quality = "vz";
  c->jaeger = "J 45";
  c->yeoman = "Y-12a";
  c->schoen = "Sch\xF6n 1";
  c->ric = "RIC II 34";
  c->cohen = "C. 7";
  c->other1 = "frei";
  c->count = 3;
  c->mintlocation = "M\xFCnchen";
  c->numeral = "5";
  c->currency = "Mark";
  c->location = "Tresor \x84oben\x93";
  c->country = "Deutschland";
  c->master = "Meister";
  c->city = "K\xF6ln";
  c->av_motive = "Adler & Krone <rund>";
  c->rv_motive = "Wert";
  c->year = "1923";
  c->date = "1.1.1923";
  c->validtil = "31.12.1925";
  c->estimate = 99.99;
  c->catalogue = 1234.5;
  c->purchaseprice = -12.25;
  c->purchasedate = *DayNumber(1955, 6, 15);
  c->weight = 3.46f;
  c->fine = 2.5f;
  c->standard = "900/1000";
  c->diameter_minimum = 20.125f;
  c->diameter_maximum = 21.5f;
  c->circulation = 9007199254740993LL;  // beyond 2^53, so only an exact 64-bit path keeps it
  c->av_artist = "K\xFCnstler A";
  c->rv_artist = "K\xFCnstler B";
  c->width = 1.75f;
  c->theme = "Tiere \x80";
  c->alloy = "Silber";
  c->dealer = "H\xE4ndler";
  c->border = "geriffelt";
  c->case_ = 1;
  c->certificate = 1;
  c->z1 = "eins";
  c->z2 = "zwei";
  c->z3 = "";
  c->z4 = "vier";
  c->z5 = "f\xFCnf";
  c->z_desc = {"Beschreibung 1", "", "\xC4rger", "d4", "d5"};
  c->av_picture = "a.jpg";
  c->rv_picture = "/bilder/r\xFC" "ck.jpg";
  c->creation = *DayNumber(1899, 12, 1);  // a negative day number
  c->last = *DayNumber(2024, 2, 29);
  c->change_count = 4;
  c->description = std::make_unique<TText>(TText{"Zeile 1\r\nZeile 2 \x80\r\n\r\nEnde"});
  return c;
}

std::unique_ptr<TDaten> SparseCoin(int category) {
  auto c = std::make_unique<TDaten>();
  c->item = "";
  c->category = category;
  c->count = 0;
  c->purchasedate = kNoDate;
  c->creation = kNoDate;
  c->last = *DayNumber(2000, 1, 1);
  c->circulation = -5;
  c->estimate = -3;
  c->case_ = 0;
  c->certificate = 0;
  c->description = std::make_unique<TText>();
  return c;
}

}  // namespace

std::unique_ptr<CollectionDocument> MakeSampleDocument() {
  auto doc = std::make_unique<CollectionDocument>("\x80");
  doc->areas.push_back(AllOnArea());
  doc->areas.push_back(AllOffArea());
  doc->areas.push_back(FreeCatalogueArea());
  for (int id = 1; id <= doc->AreaCount(); ++id) doc->Area(id)->category = id;
  doc->currency_symbol = "\x80";
  doc->current_view = 2;
  doc->standard_order = false;
  doc->sort_keys = {kCatalogue, -kPurchasedate, kNoSortKey, -kZ5, kItem};
  doc->all_cells = {{kQuality, 30, kAlignLeft}, {kEstimate, 70, kAlignRight}};
  doc->alignment_table[kCount].align = kAlignCenter;
  doc->alignment_table[kCount].width = 44;
  doc->alignment_table[kZ5].align = kAlignRight;
  doc->Append(FullCoin());
  doc->Append(SparseCoin(2));
  auto third = FullCoin();
  third->item = "18";
  third->category = 3;
  third->z2 = "Augustus";
  // Only extra field 2 of area 3 carries descriptions; the others read back as the area's
  // (empty) captions.
  third->z_desc = {"", "Kaiser", "", "", ""};
  third->description = std::make_unique<TText>(TText{" "});
  doc->Append(std::move(third));
  doc->highest_item = 18;
  return doc;
}

void ExpectSameArea(const TKategorie& e, const TKategorie& a) {
  EXPECT_EQ(e.cells, a.cells);
  EXPECT_EQ(e.category, a.category);
  EXPECT_EQ(e.name, a.name);
  EXPECT_EQ(e.short_, a.short_);
  EXPECT_EQ(e.icon, a.icon);
  const bool TKategorie::*switches[] = {
      &TKategorie::item, &TKategorie::menu, &TKategorie::icon_button, &TKategorie::quality,
      &TKategorie::count, &TKategorie::mintlocation, &TKategorie::numeral, &TKategorie::currency,
      &TKategorie::av_motive, &TKategorie::rv_motive, &TKategorie::year, &TKategorie::validtil,
      &TKategorie::catalogue, &TKategorie::purchaseprice, &TKategorie::estimate,
      &TKategorie::purchasedate, &TKategorie::weight, &TKategorie::standard, &TKategorie::fine,
      &TKategorie::diameter_minimum, &TKategorie::diameter_maximum, &TKategorie::circulation,
      &TKategorie::alloy, &TKategorie::dealer, &TKategorie::city, &TKategorie::location,
      &TKategorie::country, &TKategorie::border, &TKategorie::master, &TKategorie::av_artist,
      &TKategorie::rv_artist, &TKategorie::width, &TKategorie::date, &TKategorie::theme,
      &TKategorie::case_, &TKategorie::certificate, &TKategorie::av_picture,
      &TKategorie::rv_picture};
  for (size_t i = 0; i < std::size(switches); ++i) {
    EXPECT_EQ(e.*switches[i], a.*switches[i]) << "area switch #" << i << " of " << e.name;
  }
  EXPECT_EQ(e.number_active, a.number_active);
  EXPECT_EQ(e.number_kind, a.number_kind);
  EXPECT_EQ(e.kind_in_use, a.kind_in_use);
  EXPECT_EQ(e.other_name, a.other_name);
  EXPECT_EQ(e.z_active, a.z_active);
  EXPECT_EQ(e.z_desc, a.z_desc);
  EXPECT_EQ(e.z_name, a.z_name);
}

void ExpectSameCoin(const TDaten& e, const TDaten& a) {
  const std::string TDaten::*texts[] = {
      &TDaten::item, &TDaten::quality, &TDaten::jaeger, &TDaten::yeoman, &TDaten::schoen,
      &TDaten::ric, &TDaten::cohen, &TDaten::other1, &TDaten::mintlocation, &TDaten::numeral,
      &TDaten::currency, &TDaten::location, &TDaten::country, &TDaten::master, &TDaten::city,
      &TDaten::av_motive, &TDaten::rv_motive, &TDaten::year, &TDaten::date, &TDaten::validtil,
      &TDaten::standard, &TDaten::av_artist, &TDaten::rv_artist, &TDaten::theme, &TDaten::alloy,
      &TDaten::dealer, &TDaten::border, &TDaten::z1, &TDaten::z2, &TDaten::z3, &TDaten::z4,
      &TDaten::z5, &TDaten::av_picture, &TDaten::rv_picture};
  for (size_t i = 0; i < std::size(texts); ++i) {
    EXPECT_EQ(e.*texts[i], a.*texts[i]) << "coin text #" << i << " of item " << e.item;
  }
  EXPECT_EQ(e.category, a.category);
  EXPECT_EQ(e.count, a.count);
  EXPECT_EQ(e.estimate, a.estimate);
  EXPECT_EQ(e.catalogue, a.catalogue);
  EXPECT_EQ(e.purchaseprice, a.purchaseprice);
  EXPECT_EQ(e.purchasedate, a.purchasedate);
  EXPECT_EQ(e.weight, a.weight);
  EXPECT_EQ(e.fine, a.fine);
  EXPECT_EQ(e.diameter_minimum, a.diameter_minimum);
  EXPECT_EQ(e.diameter_maximum, a.diameter_maximum);
  EXPECT_EQ(e.circulation, a.circulation);
  EXPECT_EQ(e.width, a.width);
  EXPECT_EQ(e.case_, a.case_);
  EXPECT_EQ(e.certificate, a.certificate);
  EXPECT_EQ(e.z_desc, a.z_desc);
  EXPECT_EQ(e.creation, a.creation);
  EXPECT_EQ(e.last, a.last);
  EXPECT_EQ(e.change_count, a.change_count);
  ASSERT_TRUE(a.description);
  EXPECT_EQ(e.description ? e.description->text : "", a.description->text);
}

void ExpectSameContent(const CollectionDocument& e, const CollectionDocument& a) {
  ASSERT_EQ(e.AreaCount(), a.AreaCount());
  for (int id = 1; id <= e.AreaCount(); ++id) ExpectSameArea(*e.Area(id), *a.Area(id));
  ASSERT_EQ(e.coin_count, a.coin_count);
  const TDaten* ec = e.first_coin;
  const TDaten* ac = a.first_coin;
  for (; ec && ac; ec = ec->next, ac = ac->next) ExpectSameCoin(*ec, *ac);
  EXPECT_FALSE(ec || ac) << "the collection orders differ in length";
  EXPECT_EQ(e.all_cells, a.all_cells);
  EXPECT_EQ(e.alignment_table, a.alignment_table);
  EXPECT_EQ(e.currency_symbol, a.currency_symbol);
  EXPECT_EQ(e.current_view, a.current_view);
  EXPECT_EQ(e.standard_order, a.standard_order);
  EXPECT_EQ(e.highest_item, a.highest_item);
}

}  // namespace korvex::test
