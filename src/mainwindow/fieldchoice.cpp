#include "mainwindow/fieldchoice.h"

#include "model/codepage.h"

namespace korvex {

const std::array<int, kFieldCount> kFieldAppendOrder = {
    8,  13, 7,  6,  41, 40, 31, 18, 17, 37, 36, 22, 38, 33, 35, 30, 34, 5,  27, 46, 45, 44, 43,
    42, 24, 23, 21, 20, 26, 28, 2,  39, 25, 32, 19, 29, 16, 15, 14, 12, 11, 10, 9,  4,  3,  1};

namespace {

constexpr std::array<const char*, kFieldCount + 1> kCaptions = {
    "",
    "Qualität", "Inventarnummer", "Schön-Nummer", "Jäger-Nummer", "YEOMAN-Nummer", "RIC-Nummer",
    "Cohen-Nummer", "Freie Katalognummer",
    "Stückzahl", "Prägestätte", "Zahl / Wertzahl", "Währungsbezeichnung", "Münzthema",
    "Motiv Avers", "Motiv Revers", "Prägejahr",
    "Ausgabedatum", "Gültig-Bis-Datum", "Auflage", "Katalogwert", "Gesamtkatalogwert", "Schätzwert",
    "Kaufpreis", "Kaufdatum",
    "Händler", "Feingehalt", "Feingewicht", "(Brutto-) Gewicht", "Durchmesser",
    "Maximal-Durchmesser", "Münzdicke", "Legierung",
    "Stadt", "Land", "Münzmeister", "Künstler Avers", "Künstler Revers", "Rand",
    "Aufbewahrungsort", "Etui vorhanden", "Echtheitszertifikat vorh.",
    "Frei Definierbar (1)", "Frei Definierbar (2)", "Frei Definierbar (3)", "Frei Definierbar (4)",
    "Frei Definierbar (5)"};

}  // namespace

const std::string& DisplayedFieldCaption(int type) {
  static const std::array<std::string, kFieldCount + 1> captions = [] {
    std::array<std::string, kFieldCount + 1> converted;
    for (int t = 0; t <= kFieldCount; ++t) converted[t] = Utf8ToWin1252(kCaptions[t]);
    return converted;
  }();
  return captions[type >= 1 && type <= kFieldCount ? type : 0];
}

FieldTicks TicksOfColumns(const std::vector<TZelle>& columns) {
  FieldTicks ticks{};
  for (const TZelle& column : columns) {
    if (column.type >= 1 && column.type <= kFieldCount) ticks[column.type] = true;
  }
  return ticks;
}

std::vector<TZelle> ChosenColumns(const std::vector<TZelle>& columns, FieldTicks ticks,
                                  const std::array<TZelle, kFieldCount + 1>& alignment_table) {
  std::vector<TZelle> chosen;
  auto append = [&](int type, int width) {
    chosen.push_back(TZelle{type, width, alignment_table[type].align});
    ticks[type] = false;  // a field listed twice survives once
  };
  for (const TZelle& column : columns) {
    if (column.type >= 1 && column.type <= kFieldCount && ticks[column.type]) append(column.type, column.width);
  }
  for (int type : kFieldAppendOrder) {
    if (ticks[type]) append(type, 100);
  }
  return chosen;
}

}  // namespace korvex
