#include "files/textexportcolumns.h"

#include <array>

#include "model/codepage.h"

namespace korvex {
namespace {

constexpr std::array<const char*, kExchangeColumnCount> kNamesUtf8 = {
    "Inventarnr.", "Kategorie", "Kategorie (als Zahl)", "Qu", "Schön", "Jäger", "YEOMAN",
    "Cohen", "RIC", "St.", "Prägestätte", "Zahl", "Währung", "Aufbewahrungsort", "Land",
    "Stadt", "Münzmeister", "Thema", "Motiv Vorderseite", "Motiv Rückseite", "Prägejahr",
    "Ausgabedatum", "Gültig bis", "Katalogwert", "Gesamtkatalogwert", "Schätzwert",
    "Kaufpreis", "Kaufdatum", "Gewicht", "Feingehalt", "Feingewicht", "Durchmesser",
    "Max. Durchmesser", "Auflage", "Legierung", "Haendler", "Rand", "Anlagedatum",
    "Letzte Änderung", "Etui", "Zertifikat", "Zusatzfeld 1", "Zusatzfeld 2", "Zusatzfeld 3",
    "Zusatzfeld 4", "Zusatzfeld 5", "Text"};

std::array<std::string, kExchangeColumnCount> ConvertedNames() {
  std::array<std::string, kExchangeColumnCount> names;
  for (int i = 0; i < kExchangeColumnCount; ++i) names[i] = Utf8ToWin1252(kNamesUtf8[i]);
  return names;
}

}  // namespace

const std::string& ExchangeColumnName(ExchangeColumn column) {
  static const std::array<std::string, kExchangeColumnCount> names = ConvertedNames();
  return names[static_cast<int>(column)];
}

}  // namespace korvex
