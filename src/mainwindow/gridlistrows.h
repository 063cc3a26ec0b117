#pragma once

#include <string>

#include "mainwindow/gridview.h"
#include "model/collectiondocument.h"
#include "model/formatsettings.h"
#include "reports/listprintout.h"

namespace korvex {

// The grid's rows as the list printout reads them: the same coins and the same cell texts.
class GridListRows final : public ListRows {
 public:
  GridListRows(const GridView& view, const FormatSettings& format) : view_(view), format_(format) {}

  int RowCount() const override { return view_.ShownCount(); }
  std::string CellText(int row, int column) const override { return view_.CellText(row, column, format_); }
  const TDaten& CoinOfRow(int row) const override { return *view_.CoinOfRow(row); }

 private:
  const GridView& view_;
  const FormatSettings format_;
};

// The printout of the document's current view: its column list with their headers, the rows of
// `rows`, the view's name, the file, today's date.
ListPrintout MakeListPrintout(const CollectionDocument& document, const GridListRows& rows,
                              const FormatSettings& format, int font_size);

}  // namespace korvex
