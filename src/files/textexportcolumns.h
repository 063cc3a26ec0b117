#pragma once

#include <string>

namespace korvex {

// The columns of a text export file in the order of its header line. The text import knows the
// same names as its elements.
enum class ExchangeColumn : int {
  kItem, kAreaName, kAreaNumber, kQuality, kSchoen, kJaeger, kYeoman, kCohen, kRic, kCount,
  kMintlocation, kNumeral, kCurrency, kLocation, kCountry, kCity, kMaster, kTheme, kAvMotive,
  kRvMotive, kYear, kDate, kValidtil, kCatalogue, kCatalogueSum, kEstimate, kPurchaseprice,
  kPurchasedate, kWeight, kStandard, kFine, kDiameterMinimum, kDiameterMaximum, kCirculation,
  kAlloy, kDealer, kBorder, kCreation, kLast, kCase, kCertificate, kZ1, kZ2, kZ3, kZ4, kZ5, kText
};

inline constexpr int kExchangeColumnCount = 47;

// The column's name in the header line ("Inventarnr.", "Schön", ...), Windows-1252.
const std::string& ExchangeColumnName(ExchangeColumn column);

}  // namespace korvex
