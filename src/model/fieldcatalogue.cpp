#include "model/fieldcatalogue.h"

#include <array>
#include <unordered_map>

#include "model/codepage.h"

namespace korvex {
namespace {

struct FieldRow {
  const char* key;
  const char* caption;  // UTF-8 here, handed out as Windows-1252
  const char* header;
  ValueKind kind;
};

constexpr std::array<FieldRow, kFieldCount + 1> kRows = {{
    {"", "", "", ValueKind::kNone},
    {"quality", "Qualität", "Qu", ValueKind::kText},
    {"item", "Inventarnummer", "Inventarnr.", ValueKind::kText},
    {"schoen", "Schön-Nummer", "Schön", ValueKind::kText},
    {"jaeger", "Jäger-Nummer", "Jäger", ValueKind::kText},
    {"yeoman", "YEOMAN-Nummer", "YEOMAN", ValueKind::kText},
    {"ric", "RIC-Nummer", "RIC", ValueKind::kText},
    {"cohen", "Cohen-Nummer", "Cohen", ValueKind::kText},
    {"other1", "Freie Katalognummer", "", ValueKind::kText},
    {"count", "Anzahl", "St.", ValueKind::kInteger},
    {"mintlocation", "Prägestätte", "Prägestätte", ValueKind::kText},
    {"numeral", "Zahl / Wertzahl", "Zahl", ValueKind::kText},
    {"currency", "Währung", "Währung", ValueKind::kText},
    {"theme", "Münzthema", "Thema", ValueKind::kText},
    {"av_motive", "Motiv Avers", "Motiv Vorderseite", ValueKind::kText},
    {"rv_motive", "Motiv Revers", "Motiv Rückseite", ValueKind::kText},
    {"year", "Prägejahr", "Prägejahr", ValueKind::kText},
    {"date", "Ausgabedatum", "Ausgabedatum", ValueKind::kText},
    {"validtil", "Gültig-bis-Datum", "Gültig bis", ValueKind::kText},
    {"circulation", "Auflage", "Auflage", ValueKind::kInteger64},
    {"catalogue", "Katalogwert", "Katalogwert", ValueKind::kMoney},
    {"cataloguesum", "Gesamt-Katalogwert", "Gesamtkatalogwert", ValueKind::kComputedMoney},
    {"estimate", "Schätzwert", "Schätzwert", ValueKind::kMoney},
    {"purchaseprice", "Kaufpreis", "Kaufpreis", ValueKind::kMoney},
    {"purchasedate", "Kaufdatum", "Kaufdatum", ValueKind::kDate},
    {"dealer", "Haendler", "Haendler", ValueKind::kText},
    {"standard", "Feingehalt", "Feingehalt", ValueKind::kText},
    {"fine", "Feingewicht", "Feingewicht", ValueKind::kMeasure},
    {"weight", "(Brutto-) Gewicht", "Gewicht", ValueKind::kMeasure},
    {"diameter_minimum", "Durchmesser", "Durchmesser", ValueKind::kMeasure},
    {"diameter_maximum", "Maximaler Durchmesser", "Max. Durchmesser", ValueKind::kMeasure},
    {"width", "Münzdicke", "Dicke", ValueKind::kMeasure},
    {"alloy", "Legierung", "Legierung", ValueKind::kText},
    {"city", "Stadt", "Stadt", ValueKind::kText},
    {"country", "Land", "Land", ValueKind::kText},
    {"master", "Münzmeister", "Münzmeister", ValueKind::kText},
    {"av_artist", "Künstler Avers", "Künstler Avers", ValueKind::kText},
    {"rv_artist", "Künstler Revers", "Künstler Revers", ValueKind::kText},
    {"border", "Rand", "Rand", ValueKind::kText},
    {"location", "Aufbewahrungsort", "Aufbewahrungsort", ValueKind::kText},
    {"case", "Etui vorhanden", "Etui", ValueKind::kYesNo},
    {"certificate", "Zertifikat vorhanden", "Zertifikat", ValueKind::kYesNo},
    {"z1", "Zusatz 1", "", ValueKind::kText},
    {"z2", "Zusatz 2", "", ValueKind::kText},
    {"z3", "Zusatz 3", "", ValueKind::kText},
    {"z4", "Zusatz 4", "", ValueKind::kText},
    {"z5", "Zusatz 5", "", ValueKind::kText},
}};

constexpr std::array<const char*, kCatalogueKindCount> kKindPickerNames = {
    "Schön-Nr.", "Jaeger-Nr.", "YEOMAN-Nr.", "RIC-Nr.", "Cohen-Nr.", ""};

struct Tables {
  std::array<std::string, kFieldCount + 1> keys;
  std::array<std::string, kFieldCount + 1> captions;
  std::array<std::string, kFieldCount + 1> headers;
  std::array<std::string, kCatalogueKindCount> picker_names;
  std::string sort_caption_other1;
  std::unordered_map<std::string, int> type_of_key;

  Tables() {
    for (int t = 0; t <= kFieldCount; ++t) {
      keys[t] = kRows[t].key;
      captions[t] = Utf8ToWin1252(kRows[t].caption);
      headers[t] = Utf8ToWin1252(kRows[t].header);
      if (t > 0) type_of_key.emplace(keys[t], t);
    }
    for (int k = 0; k < kCatalogueKindCount; ++k) picker_names[k] = Utf8ToWin1252(kKindPickerNames[k]);
    sort_caption_other1 = "(Freier Katalog)";
  }
};

const Tables& tables() {
  static const Tables instance;
  return instance;
}

bool IsFieldType(int type) { return type >= 1 && type <= kFieldCount; }

}  // namespace

const std::string& FieldKey(int type) {
  return tables().keys[IsFieldType(type) ? type : 0];
}

int FieldTypeOfKey(const std::string& key) {
  const auto& map = tables().type_of_key;
  const auto found = map.find(key);
  return found == map.end() ? 0 : found->second;
}

int DefaultAlignment(int type) {
  switch (type) {
    case kItem: case kCount: case kNumeral: case kCirculation: case kCatalogue:
    case kCataloguesum: case kEstimate: case kPurchaseprice: case kFine: case kWeight:
    case kDiameterMinimum: case kDiameterMaximum:
      return kAlignRight;
    case kPurchasedate:
      return kAlignCenter;
    default:
      return kAlignLeft;
  }
}

ValueKind ValueKindOf(int type) {
  return kRows[IsFieldType(type) ? type : 0].kind;
}

const std::string& CatalogueKindKey(int kind) {
  return FieldKey(kind >= 1 && kind <= 5 ? FieldTypeOfKind(kind) : kSchoen);
}

int CatalogueKindOfKey(const std::string& key) {
  const int type = FieldTypeOfKey(key);
  return type >= kJaeger && type <= kOther1 ? type - kSchoen : 0;
}

const std::string& FieldListCaption(int type, bool sort_dialog) {
  if (sort_dialog && type == kOther1) return tables().sort_caption_other1;
  return tables().captions[IsFieldType(type) ? type : 0];
}

const std::string& FixedColumnHeader(int type) {
  return tables().headers[IsFieldType(type) ? type : 0];
}

const std::string& CatalogueKindPickerName(int kind) {
  return tables().picker_names[kind >= 0 && kind < kCatalogueKindCount ? kind : 5];
}

}  // namespace korvex
