#include "mainwindow/celltext.h"

#include "model/datetime.h"
#include "model/fieldcatalogue.h"
#include "model/numberformat.h"

namespace korvex {
namespace {

std::string ValueText(const TDaten& coin, int type, const FormatSettings& settings) {
  switch (type) {
    case kCount: return FormatD(coin.count);
    case kCirculation: return FormatD(coin.circulation);
    case kCatalogue: return FormatN(coin.catalogue, 2, settings);
    case kEstimate: return FormatN(coin.estimate, 2, settings);
    case kPurchaseprice: return FormatN(coin.purchaseprice, 2, settings);
    case kCataloguesum: return FormatNExtended(coin.CatalogueSum(), 2, settings);
    case kPurchasedate: return FormatDate(coin.purchasedate, settings.short_date_format);
    case kFine: return FormatN(coin.fine, 3, settings) + " g";
    case kWeight: return FormatN(coin.weight, 3, settings) + " g";
    case kDiameterMinimum: return FormatN(coin.diameter_minimum, 2, settings) + " mm";
    case kDiameterMaximum: return FormatN(coin.diameter_maximum, 2, settings) + " mm";
    case kWidth: return FormatN(coin.width, 3, settings) + " mm";
    case kCase: return coin.CaseText();
    case kCertificate: return coin.CertificateText();
    default: {
      const std::string* text = coin.TextField(type);
      return text ? *text : std::string();
    }
  }
}

}  // namespace

std::string CoinCellText(const CollectionDocument& document, const TDaten& coin, int type,
                         const FormatSettings& settings) {
  const TKategorie* area = document.Area(coin.category);
  if (!area || !area->FieldEnabled(type)) return {};
  return ValueText(coin, type, settings);
}

}  // namespace korvex
