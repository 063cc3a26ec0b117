#include "mainwindow/quickprice.h"

#include "dialogs/entryfields.h"
#include "mainwindow/recordbookkeeping.h"
#include "model/numberformat.h"

namespace korvex {

QuickPriceTexts QuickPriceTextsFor(const TDaten& coin, const CollectionDocument& doc,
                                   const FormatSettings& format) {
  QuickPriceTexts texts;
  texts.praegezahl = coin.numeral + " " + coin.currency + " (" + coin.year + " " + coin.quality + ")";
  texts.motiv1 = coin.av_motive;
  texts.motiv2 = coin.rv_motive;
  texts.thema = coin.theme;
  texts.preis = FormatN(coin.catalogue, 2, format);
  texts.schaetzwert = FormatN(coin.estimate, 2, format);
  texts.currency = doc.currency_symbol;
  return texts;
}

double ReadQuickPrice(std::string_view text) { return ReadDecimalA(text); }

void StoreQuickPrices(TDaten& coin, std::string_view preis, std::string_view schaetzwert) {
  coin.catalogue = ReadQuickPrice(preis);
  coin.estimate = ReadQuickPrice(schaetzwert);
}

TDaten* NextQuickPriceCoin(const CollectionDocument& doc, const TDaten& coin) {
  return NextCoinInView(doc, coin.next, nullptr);
}

}  // namespace korvex
