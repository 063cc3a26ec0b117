#pragma once

#include <string>
#include <vector>

#include "model/collectiondocument.h"
#include "model/formatsettings.h"
#include "reports/listprintout.h"
#include "reports/printcontrol.h"
#include "reports/printpage.h"
#include "reports/statistics.h"

class QPagedPaintDevice;

namespace korvex {

// What the statistics printout shows: the figures and the page texts.
struct StatisticsPrintout {
  CollectionStatistics statistics;
  std::string currency_symbol;  // Windows-1252
  std::string file_title;       // for the footer (Windows-1252)
  std::string date_text;        // today in the date format in use
  FormatSettings format;
  int font_size = kDefaultPrintFontSize;
};

// The statistics of the whole collection, dated today.
StatisticsPrintout MakeStatisticsPrintout(const CollectionDocument& document,
                                          const FormatSettings& format, int font_size);

// The six columns of the statistics table on a page of width W, in 0.1 mm: the five figure
// columns take a seventh of W each, the area names the rest.
std::vector<ColumnEdges> StatisticsColumnGeometry(int page_width);

// The job title of the statistics printout, "Korvex - Statistik".
inline constexpr const char* kStatisticsJobTitle = "Korvex - Statistik";

// Prints the statistics table on `device`. Areas that do not fit on one page continue on the
// next one below the repeated headings; the totals follow the last area.
PrintOutcome PrintStatistics(QPagedPaintDevice& device, const StatisticsPrintout& printout);

}  // namespace korvex
