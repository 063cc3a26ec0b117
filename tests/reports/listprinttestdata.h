#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "mainwindow/coinfilter.h"
#include "mainwindow/gridview.h"
#include "reports/listprintout.h"
#include "reports/pdfwords.h"
#include "common/coinbuilder.h"

namespace korvex::test {

// An area "Deutschland" whose grid shows inventory number, obverse motive, count, catalogue
// value, total catalogue value and purchase price; `coins` coins with counts 0 to 3 in turn and
// prices in whole cents.
class ListDocument {
 public:
  explicit ListDocument(int coins, std::vector<TZelle> columns = DefaultListColumns());

  static std::vector<TZelle> DefaultListColumns();

  CollectionDocument& document() { return builder_.document(); }
  // The grid of the area view with `filter`.
  GridView& View(FilterKind filter = FilterKind::kNone);

  // Prints the view's list into `pdf` and returns its words.
  std::vector<PdfWord> Print(const std::filesystem::path& pdf, const PrintControl& control = {},
                             int font_size = kDefaultPrintFontSize);
  const ListPrintout& printout() const { return printout_; }

 private:
  DocumentBuilder builder_;
  GridView view_;
  ListPrintout printout_;
};

// The text lines of one page, top to bottom, each left to right.
std::vector<std::vector<PdfWord>> PageLines(const std::vector<PdfWord>& words, int page);

// The words of `line` that begin within the column from `left` to `right` (0.1 mm), joined by blanks.
std::string ColumnText(const std::vector<PdfWord>& line, const ColumnEdges& edges);

}  // namespace korvex::test
