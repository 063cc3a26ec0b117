#include "reports/detailviewcontent.h"

#include "dialogs/entryfields.h"
#include "dialogs/lookuplists.h"
#include "model/datetime.h"
#include "model/numberformat.h"
#include "reports/detailviewtexts.h"

namespace korvex {
namespace {

// Builds the pairs in the order of the view's table.
class FieldList {
 public:
  FieldList(const TDaten& coin, const TKategorie& area, const DetailViewFormat& format)
      : coin_(coin), area_(area), format_(format) {}

  void Add(std::string value_name, std::string caption, DetailColumn column, bool shown,
           std::string value) {
    DetailField field;
    field.caption_name = value_name + "T";
    field.value_name = std::move(value_name);
    field.caption = std::move(caption);
    field.value = std::move(value);
    field.shown = shown;
    field.column = column;
    fields_.push_back(std::move(field));
  }

  std::string Money(double value) const { return DetailMoney(value, format_); }
  std::string Number(double value, int decimals, const char* unit) const {
    return FormatN(value, decimals, format_.format) + unit;
  }

  std::vector<DetailField> Take() { return std::move(fields_); }

 private:
  const TDaten& coin_;
  const TKategorie& area_;
  const DetailViewFormat& format_;
  std::vector<DetailField> fields_;
};

std::string DiameterText(const TDaten& coin, const TKategorie& area, const FormatSettings& format) {
  std::string text = FormatN(coin.diameter_minimum, 2, format);
  if (area.diameter_maximum && coin.diameter_maximum > 0) {
    text += " - " + FormatN(coin.diameter_maximum, 2, format);
  }
  return text + " mm";
}

std::vector<DetailField> Fields(const TDaten& c, const TKategorie& a, const DetailViewFormat& f) {
  using enum DetailColumn;
  FieldList l(c, a, f);
  // The labels of the view keep their historic names, some with an "A" in front.
  l.Add("Sammelgebiet", "Sammelgebiet:", kFullWidth, true, a.name);
  l.Add("Motiv1", "Motiv Avers:", kFullWidth, a.av_motive, c.av_motive);
  l.Add("Motiv2", "Motiv Revers:", kFullWidth, a.rv_motive, c.rv_motive);
  l.Add("ARand", "Rand:", kFullWidth, a.border, c.border);

  l.Add("AStadt", "Stadt:", kLeft, a.city, c.city);
  l.Add("AMuenzmeister", "M\xFCnzmeister:", kLeft, a.master, c.master);
  l.Add("Praegestaette", "Pr\xE4gest\xE4tte:", kLeft, a.mintlocation, c.mintlocation);
  l.Add("AAusgabedatum", "Ausgabedatum:", kLeft, a.date, c.date);
  l.Add("AGueltigBis", "G\xFCltig bis:", kLeft, a.validtil, c.validtil);
  l.Add("Qualitaet", "Qualit\xE4t:", kLeft, a.quality,
        c.quality + "  -  " + QualityLongNameOf(f.qualities, c.quality));
  for (int slot = 1; slot <= 3; ++slot) {
    l.Add("ANummer" + std::to_string(slot), CatalogueSlotCaption(a, slot), kLeft,
          a.number_active[slot - 1], CatalogueNumberText(c, a.number_kind[slot - 1]));
  }
  l.Add("Anzahl", "St\xFC" "ckzahl:", kLeft, a.count, FormatD(c.count));
  l.Add("Katalogwert", "Katalogwert:", kLeft, a.catalogue, l.Money(c.catalogue));
  l.Add("Gesamtwert", "Gesamtwert:", kLeft, a.catalogue,
        l.Money(static_cast<double>(c.CatalogueSum())));
  l.Add("ASchaetzwert", "Sch\xE4tzwert:", kLeft, a.estimate, l.Money(c.estimate));
  l.Add("Kaufpreis", "Kaufpreis:", kLeft, a.purchaseprice, l.Money(c.purchaseprice));
  l.Add("Wertsteigerung", "Wertsteigerung:", kLeft, a.catalogue && a.purchaseprice,
        l.Number(ValueIncrease(c.catalogue, c.purchaseprice), 2, "%"));
  l.Add("Kaufdatum", "Kaufdatum:", kLeft, a.purchasedate,
        c.purchasedate == kNoDate ? std::string("?")
                                  : FormatDate(c.purchasedate, f.format.short_date_format));
  l.Add("AKuenstlerAvers", "K\xFCnstler Avers:", kLeft, a.av_artist, c.av_artist);
  l.Add("AKuenstlerRevers", "K\xFCnstler Revers:", kLeft, a.rv_artist, c.rv_artist);

  l.Add("AGewicht", "Gewicht:", kRight, a.weight, l.Number(c.weight, 3, " g"));
  l.Add("AFeingehalt", "Feingehalt:", kRight, a.standard, c.standard);
  l.Add("Feingewicht", "Feingewicht:", kRight, a.fine, l.Number(c.fine, 3, " g"));
  l.Add("AMuenzdicke", "Dicke/St\xE4rke:", kRight, a.width, l.Number(c.width, 2, " mm"));
  l.Add("Durchmesser", "Durchmesser:", kRight, a.diameter_minimum, DiameterText(c, a, f.format));
  l.Add("Auflage", "Auflage:", kRight, a.circulation, CirculationText(c.circulation));
  l.Add("Legierung", "Legierung:", kRight, a.alloy, c.alloy);
  l.Add("Haendler", "H\xE4ndler:", kRight, a.dealer, c.dealer);
  l.Add("Ort", "Aufbewahrungsort:", kRight, a.location, c.location);
  l.Add("AnzLand", "Land:", kRight, a.country, c.country);
  for (int n = 1; n <= 5; ++n) {
    l.Add("Zusatz" + std::to_string(n), a.ExtraName(n), kRight, a.z_active[n - 1], c.Z(n));
  }
  return l.Take();
}

}  // namespace

const DetailField* DetailViewContent::Field(std::string_view value_name) const {
  for (const DetailField& field : fields) {
    if (field.value_name == value_name) return &field;
  }
  return nullptr;
}

std::string DetailViewContent::PresenceText(bool present) { return present ? "Vorhanden" : "Nein"; }

std::string DetailMoney(double value, const DetailViewFormat& format) {
  const std::string amount = FormatN(value, 2, format.format);
  return format.currency_before_amount ? format.currency_symbol + " " + amount
                                       : amount + " " + format.currency_symbol;
}

DetailViewContent MakeDetailViewContent(const TDaten& coin, const TKategorie& area,
                                        const DetailViewFormat& format) {
  DetailViewContent content;
  content.caption = DetailViewCaption(coin);
  content.area_name = area.name;
  content.fields = Fields(coin, area, format);
  content.value_increase_negative = ValueIncrease(coin.catalogue, coin.purchaseprice) < 0;
  content.has_case = coin.case_ != 0;
  content.has_certificate = coin.certificate != 0;
  content.area_uses_case = area.case_;
  content.area_uses_certificate = area.certificate;
  content.area_uses_item = area.item;
  content.item = coin.item;
  content.history = HistoryLine(coin, area, format.format);
  content.note = coin.description ? coin.description->text : std::string();
  content.obverse_picture = coin.av_picture;
  content.reverse_picture = coin.rv_picture;
  return content;
}

}  // namespace korvex
