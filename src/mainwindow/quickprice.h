#pragma once

#include <string>
#include <string_view>

#include "model/collectiondocument.h"
#include "model/formatsettings.h"

// "Schnelle Preisänderung...": the catalogue value and the estimate of one coin after the other.
namespace korvex {

// What the price dialog shows for a coin (Windows-1252).
struct QuickPriceTexts {
  std::string praegezahl;  // "numeral currency (year quality)"
  std::string motiv1;
  std::string motiv2;
  std::string thema;
  std::string preis;        // the catalogue value, two decimals
  std::string schaetzwert;  // the estimate, two decimals
  std::string currency;
};
QuickPriceTexts QuickPriceTextsFor(const TDaten& coin, const CollectionDocument& doc,
                                   const FormatSettings& format);

// A typed price: commas and points as the entry dialog reads them, apostrophes as points; a text
// that is no number gives the value of its leading number.
double ReadQuickPrice(std::string_view text);

// Stores the two typed prices into the coin.
void StoreQuickPrices(TDaten& coin, std::string_view preis, std::string_view schaetzwert);

// The coin "&Nächste" goes on to: from the coin's successor in the collection order along the
// display order, the first coin of the current view; the filter is not consulted. Nothing when
// there is none.
TDaten* NextQuickPriceCoin(const CollectionDocument& doc, const TDaten& coin);

}  // namespace korvex
