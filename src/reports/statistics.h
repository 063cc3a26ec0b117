#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/collectiondocument.h"
#include "model/formatsettings.h"

namespace korvex {

// The sums of one collecting area, or of the whole collection.
struct StatisticsFigures {
  int64_t pieces = 0;
  double catalogue_sum = 0;
  double purchase_sum = 0;
  double estimate_sum = 0;
};

// The figures of the statistics window over every coin of the collection, whatever the view,
// filter or sort order.
struct CollectionStatistics {
  std::vector<std::string> area_names;  // in area order, Windows-1252
  std::vector<StatisticsFigures> areas;  // one per area, in area order
  StatisticsFigures total;               // the whole collection
  int64_t positions = 0;                 // the number of coin records
};

// Sums pieces and, per piece, catalogue value, purchase price and estimate for every area and in
// total. A coin whose area does not exist still counts in the total.
CollectionStatistics ComputeStatistics(const CollectionDocument& document);

// The five figure texts of one row (Windows-1252): "12 Stck", three money amounts with the
// currency symbol, and the value increase of the catalogue value over the purchase price
// ("12,50 %"), or "---" when nothing was paid.
std::array<std::string, 5> StatisticsRowTexts(const StatisticsFigures& figures,
                                              const std::string& currency_symbol,
                                              const FormatSettings& settings);

// The headings of the figure columns 1 to 5 (Windows-1252).
const std::array<std::string, 5>& StatisticsHeadings();

// The caption of the totals row, "Gesamte Sammlung:".
const std::string& StatisticsTotalCaption();

// "Die Datei enthält 17 Positionen." (Windows-1252).
std::string StatisticsPositionsText(int64_t positions);

}  // namespace korvex
