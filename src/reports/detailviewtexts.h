#pragma once

#include <string>

#include "model/formatsettings.h"
#include "model/tdaten.h"
#include "model/tkategorie.h"

// Texts of the detail view that do not depend on its widgets. Windows-1252.
namespace korvex {

// Numeral, blank, currency and, when given, year and theme in parentheses:
// "5 Mark (1936, Olympia)", "5 Mark (Olympia)", "5 Mark".
std::string DetailViewCaption(const TDaten& coin);

// A point before every third digit from the right and " Stück" ("1.000.000 Stück", whatever the
// locale); empty for 0 and below.
std::string CirculationText(long long circulation);

// The value increase in per cent: (catalogue value − purchase price) ÷ purchase price × 100, 0
// without a purchase price.
double ValueIncrease(double catalogue, double purchaseprice);

// "Inventarnr: ...   Angelegt am: ...   Letzte Änderung: ...   Anzahl Änderungen: n", without the
// inventory number when the area does not use it or the coin has none.
std::string HistoryLine(const TDaten& coin, const TKategorie& area, const FormatSettings& format);

}  // namespace korvex
