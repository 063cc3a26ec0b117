#include "reports/statistics.h"

#include "model/codepage.h"
#include "model/numberformat.h"

namespace korvex {
namespace {

void AddCoin(StatisticsFigures& figures, const TDaten& coin) {
  const int32_t n = coin.count;
  figures.pieces += n;
  figures.catalogue_sum += n * coin.catalogue;
  figures.purchase_sum += n * coin.purchaseprice;
  figures.estimate_sum += n * coin.estimate;
}

std::string ValueIncreaseText(const StatisticsFigures& figures, const FormatSettings& settings) {
  if (!(figures.purchase_sum > 0)) return "---";
  const double increase =
      (figures.catalogue_sum - figures.purchase_sum) * 100 / figures.purchase_sum;
  return FormatN(increase, 2, settings) + " %";
}

}  // namespace

CollectionStatistics ComputeStatistics(const CollectionDocument& document) {
  CollectionStatistics statistics;
  const int area_count = document.AreaCount();
  statistics.areas.resize(area_count);
  for (int id = 1; id <= area_count; ++id) statistics.area_names.push_back(document.Area(id)->name);
  for (const TDaten* coin = document.first_coin; coin; coin = coin->next) {
    ++statistics.positions;
    if (coin->category >= 1 && coin->category <= area_count) {
      AddCoin(statistics.areas[coin->category - 1], *coin);
    }
    AddCoin(statistics.total, *coin);
  }
  return statistics;
}

std::array<std::string, 5> StatisticsRowTexts(const StatisticsFigures& figures,
                                              const std::string& currency_symbol,
                                              const FormatSettings& settings) {
  return {FormatD(figures.pieces) + " Stck",
          FormatMoney(figures.catalogue_sum, currency_symbol, settings),
          FormatMoney(figures.purchase_sum, currency_symbol, settings),
          FormatMoney(figures.estimate_sum, currency_symbol, settings),
          ValueIncreaseText(figures, settings)};
}

const std::array<std::string, 5>& StatisticsHeadings() {
  static const std::array<std::string, 5> headings = {
      Utf8ToWin1252("Stück"), "Katalogwert", "Kaufpreis", Utf8ToWin1252("Schätzwert"), "Wertst. "};
  return headings;
}

const std::string& StatisticsTotalCaption() {
  static const std::string caption = "Gesamte Sammlung:";
  return caption;
}

std::string StatisticsPositionsText(int64_t positions) {
  return Utf8ToWin1252("Die Datei enthält ") + FormatD(positions) + " Positionen.";
}

}  // namespace korvex
