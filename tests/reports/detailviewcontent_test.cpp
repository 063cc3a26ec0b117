// What the detail view shows of a coin, and the card set-up's paper list.
#include <gtest/gtest.h>

#include <map>

#include "common/coinbuilder.h"
#include "model/datetime.h"
#include "reports/cardpapers.h"
#include "reports/detailviewcontent.h"

namespace korvex {
namespace {

using test::W;

DetailViewFormat German() {
  DetailViewFormat format;
  format.format = FormatSettings::German();
  format.currency_symbol = "EUR";
  format.qualities = {"vz=vorz\xFCglich", "st=Stempelglanz"};
  return format;
}

std::string Value(const DetailViewContent& content, const char* name) {
  const DetailField* field = content.Field(name);
  EXPECT_NE(field, nullptr) << name;
  return field ? field->value : std::string();
}

bool Shown(const DetailViewContent& content, const char* name) {
  const DetailField* field = content.Field(name);
  EXPECT_NE(field, nullptr) << name;
  return field && field->shown;
}

TEST(DetailViewContent, EveryPairFollowsItsAreaSwitch) {
  TKategorie area;
  TDaten coin;
  // Each switch of the area against the pairs it governs.
  const std::vector<std::pair<bool TKategorie::*, std::vector<const char*>>> switches = {
      {&TKategorie::mintlocation, {"Praegestaette"}}, {&TKategorie::quality, {"Qualitaet"}},
      {&TKategorie::count, {"Anzahl"}},           {&TKategorie::estimate, {"ASchaetzwert"}},
      {&TKategorie::purchasedate, {"Kaufdatum"}}, {&TKategorie::width, {"AMuenzdicke"}},
      {&TKategorie::date, {"AAusgabedatum"}},     {&TKategorie::validtil, {"AGueltigBis"}},
      {&TKategorie::av_artist, {"AKuenstlerAvers"}}, {&TKategorie::rv_artist, {"AKuenstlerRevers"}},
      {&TKategorie::weight, {"AGewicht"}},        {&TKategorie::standard, {"AFeingehalt"}},
      {&TKategorie::fine, {"Feingewicht"}},       {&TKategorie::diameter_minimum, {"Durchmesser"}},
      {&TKategorie::country, {"AnzLand"}},        {&TKategorie::city, {"AStadt"}},
      {&TKategorie::master, {"AMuenzmeister"}},   {&TKategorie::border, {"ARand"}},
      {&TKategorie::circulation, {"Auflage"}},    {&TKategorie::alloy, {"Legierung"}},
      {&TKategorie::dealer, {"Haendler"}},        {&TKategorie::location, {"Ort"}},
      {&TKategorie::av_motive, {"Motiv1"}},       {&TKategorie::rv_motive, {"Motiv2"}},
      {&TKategorie::catalogue, {"Katalogwert", "Gesamtwert", "Wertsteigerung"}},
      {&TKategorie::purchaseprice, {"Kaufpreis", "Wertsteigerung"}},
  };
  for (const auto& [member, names] : switches) {
    area.*member = true;
    for (const char* name : names) {
      EXPECT_TRUE(Shown(MakeDetailViewContent(coin, area, German()), name)) << name;
    }
    area.*member = false;
    for (const char* name : names) {
      EXPECT_FALSE(Shown(MakeDetailViewContent(coin, area, German()), name)) << name;
    }
    area.*member = true;
  }
  area.z_active = {false, true, false, false, false};
  area.number_active = {true, false, true};
  const DetailViewContent content = MakeDetailViewContent(coin, area, German());
  EXPECT_FALSE(Shown(content, "Zusatz1"));
  EXPECT_TRUE(Shown(content, "Zusatz2"));
  EXPECT_TRUE(Shown(content, "ANummer1"));
  EXPECT_FALSE(Shown(content, "ANummer2"));
  EXPECT_TRUE(Shown(content, "Sammelgebiet"));
}

TEST(DetailViewContent, ValueFormats) {
  TKategorie area;
  area.name = "Euro";
  area.diameter_maximum = true;
  area.SetNumberKind(3, 5);
  area.other_name = "Krause";
  area.z_name[0] = "Herkunft";
  TDaten coin;
  coin.quality = "vz";
  coin.other1 = "KM 12";
  coin.count = 3;
  coin.catalogue = 1234.5;
  coin.purchaseprice = 0;
  coin.circulation = 999;
  coin.diameter_minimum = 23.25f;
  coin.diameter_maximum = 0;
  coin.weight = 7.5f;
  coin.width = 2.2f;
  coin.purchasedate = kNoDate;
  coin.z1 = W("Erbstück");
  DetailViewContent content = MakeDetailViewContent(coin, area, German());
  EXPECT_EQ(Value(content, "Qualitaet"), W("vz  -  vorzüglich"));
  EXPECT_EQ(content.Field("ANummer3")->caption, "Krause:");
  EXPECT_EQ(content.Field("Anzahl")->caption, W("Stückzahl:"));
  EXPECT_EQ(Value(content, "ANummer3"), "KM 12");
  EXPECT_EQ(Value(content, "Katalogwert"), "1.234,50 EUR");
  EXPECT_EQ(Value(content, "Gesamtwert"), "3.703,50 EUR");
  // Without a purchase price the increase is 0,00 %, shown in blue.
  EXPECT_EQ(Value(content, "Wertsteigerung"), "0,00%");
  EXPECT_FALSE(content.value_increase_negative);
  EXPECT_EQ(Value(content, "Auflage"), W("999 Stück"));
  EXPECT_EQ(Value(content, "Durchmesser"), "23,25 mm");
  EXPECT_EQ(Value(content, "AGewicht"), "7,500 g");
  EXPECT_EQ(Value(content, "AMuenzdicke"), "2,20 mm");
  EXPECT_EQ(Value(content, "Kaufdatum"), "?");
  EXPECT_EQ(content.Field("Zusatz1")->caption, "Herkunft");
  EXPECT_EQ(Value(content, "Zusatz1"), W("Erbstück"));

  coin.circulation = 1000;
  coin.diameter_maximum = 24.5f;
  coin.purchaseprice = 2469;
  coin.purchasedate = 45000;  // 15.03.2023
  content = MakeDetailViewContent(coin, area, German());
  EXPECT_EQ(Value(content, "Auflage"), W("1.000 Stück"));
  EXPECT_EQ(Value(content, "Durchmesser"), "23,25 - 24,50 mm");
  EXPECT_EQ(Value(content, "Wertsteigerung"), "-50,00%");
  EXPECT_TRUE(content.value_increase_negative);
  EXPECT_EQ(Value(content, "Kaufdatum"), "15.03.2023");
  // Without the maximum switched on, the area shows the minimum alone.
  area.diameter_maximum = false;
  EXPECT_EQ(Value(MakeDetailViewContent(coin, area, German()), "Durchmesser"), "23,25 mm");
}

TEST(DetailViewContent, MoneyFollowsTheLocalesCurrencyPosition) {
  DetailViewFormat format = German();
  EXPECT_EQ(DetailMoney(1234.5, format), "1.234,50 EUR");
  format.currency_before_amount = true;
  format.format = FormatSettings::English();
  format.currency_symbol = "$";
  EXPECT_EQ(DetailMoney(1234.5, format), "$ 1,234.50");
}

TEST(DetailViewContent, HiddenPrintTextsAndHistory) {
  TKategorie area;
  area.certificate = false;
  TDaten coin;
  coin.item = "17";
  coin.case_ = 1;
  coin.change_count = 4;
  coin.description = std::make_unique<TText>();
  coin.description->text = "Zeile 1\r\nZeile 2";
  coin.av_picture = "a.jpg";
  const DetailViewContent content = MakeDetailViewContent(coin, area, German());
  EXPECT_TRUE(content.has_case);
  EXPECT_TRUE(content.area_uses_case);
  EXPECT_FALSE(content.has_certificate);
  EXPECT_FALSE(content.area_uses_certificate);
  EXPECT_EQ(DetailViewContent::PresenceText(content.has_case), "Vorhanden");
  EXPECT_EQ(DetailViewContent::PresenceText(content.has_certificate), "Nein");
  EXPECT_EQ(content.item, "17");
  EXPECT_EQ(content.history.rfind("Inventarnr: 17   Angelegt am: ", 0), 0u) << content.history;
  EXPECT_NE(content.history.find("Anzahl \xC4nderungen: 4"), std::string::npos);
  EXPECT_EQ(content.note, "Zeile 1\r\nZeile 2");
  EXPECT_EQ(content.obverse_picture, "a.jpg");
}

// Printers with scripted paper lists.
class ScriptedPrinters final : public CardPrinterCatalogue {
 public:
  std::map<std::string, std::pair<std::vector<int>, std::vector<std::string>>> printers;
  std::vector<std::string> PrinterNames() const override {
    std::vector<std::string> names;
    for (const auto& [name, papers] : printers) names.push_back(name);
    return names;
  }
  std::vector<int> PaperCodes(const std::string& printer) const override {
    return printers.at(printer).first;
  }
  std::vector<std::string> PaperNames(const std::string& printer) const override {
    return printers.at(printer).second;
  }
};

TEST(CardPapers, PreselectsTheFirstA6PaperElseTheFirst) {
  ScriptedPrinters printers;
  printers.printers["Karten"] = {{9, 70, 71}, {"A4", "A6", "A6 quer"}};
  printers.printers["Büro"] = {{1, 9}, {"Letter", "A4"}};
  const CardPaperList cards = ListCardPapers(printers, "Karten");
  EXPECT_EQ(cards.message, "");
  EXPECT_EQ(cards.names, (std::vector<std::string>{"A4", "A6", "A6 quer"}));
  EXPECT_EQ(DefaultCardPaper(cards), 1);
  EXPECT_EQ(CardPaperOfCode(cards, 71), 2);
  EXPECT_EQ(CardPaperOfCode(cards, 5), -1);
  EXPECT_EQ(DefaultCardPaper(ListCardPapers(printers, "Büro")), 0);
}

TEST(CardPapers, TooManyPapersAndNamesThatDoNotMatchTheCodes) {
  ScriptedPrinters printers;
  std::vector<int> codes(41);
  for (int i = 0; i < 41; ++i) codes[i] = i + 1;
  printers.printers["Gross"] = {codes, std::vector<std::string>(41, "A4")};
  printers.printers["Falsch"] = {{9, 70, 8}, {"A4", "A6"}};
  printers.printers["Leer"] = {{}, {}};
  const CardPaperList many = ListCardPapers(printers, "Gross");
  EXPECT_EQ(many.message, "Zu viele Papiergrößen: 41 ");
  EXPECT_EQ(many.names.size(), 40u);
  // Without asking for names, every slot reads "leer".
  EXPECT_EQ(many.names.front(), "leer");
  const CardPaperList wrong = ListCardPapers(printers, "Falsch");
  EXPECT_EQ(wrong.message, "Fehler bei Papiergrößen und Papieranzahl!");
  EXPECT_EQ(wrong.names, (std::vector<std::string>{"A4", "A6", "leer"}));
  EXPECT_EQ(wrong.codes, (std::vector<int>{9, 70, 8}));
  const CardPaperList none = ListCardPapers(printers, "Leer");
  EXPECT_TRUE(none.names.empty());
  EXPECT_EQ(DefaultCardPaper(none), -1);
}

}  // namespace
}  // namespace korvex
