#include "files/textimportelements.h"

namespace korvex {

const std::vector<ExchangeColumn>& TextImportElements() {
  using C = ExchangeColumn;
  static const std::vector<ExchangeColumn> elements = {
      C::kItem, C::kAreaName, C::kAreaNumber, C::kQuality, C::kSchoen, C::kJaeger, C::kYeoman,
      C::kCohen, C::kRic, C::kCount, C::kMintlocation, C::kYear, C::kDate, C::kValidtil,
      C::kNumeral, C::kCurrency, C::kLocation, C::kCountry, C::kCity, C::kMaster, C::kTheme,
      C::kAvMotive, C::kRvMotive, C::kCatalogue, C::kCatalogueSum, C::kEstimate,
      C::kPurchaseprice, C::kPurchasedate, C::kWeight, C::kStandard, C::kFine,
      C::kDiameterMinimum, C::kDiameterMaximum, C::kCirculation, C::kAlloy, C::kDealer,
      C::kBorder, C::kCase, C::kCertificate, C::kCreation, C::kLast, C::kZ1, C::kZ2, C::kZ3,
      C::kZ4, C::kZ5, C::kText};
  return elements;
}

const std::vector<std::string>& TextImportElementNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> result;
    for (ExchangeColumn element : TextImportElements()) {
      result.push_back(ExchangeColumnName(element));
    }
    return result;
  }();
  return names;
}

}  // namespace korvex
