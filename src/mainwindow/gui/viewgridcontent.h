#pragma once

#include <string>
#include <vector>

#include "mainwindow/coinfilter.h"
#include "mainwindow/gridview.h"
#include "mainwindow/gui/gridcontent.h"
#include "model/collectiondocument.h"
#include "model/formatsettings.h"

namespace korvex {

// The grid content of the document's current view: headers and widths from the view's column
// list, rows from the core's grid view, cell texts formatted only when the grid asks for them.
class ViewGridContent final : public GridContent {
 public:
  ViewGridContent(CollectionDocument& document, const FormatSettings& settings)
      : document_(document), settings_(settings), view_(document) {}

  // Header texts of the current view; a column whose header the core leaves open keeps the text
  // it had at that position.
  void RebuildHeaders();
  // The shown coins and totals.
  void RebuildRows(const CoinFilter& filter) { view_.Rebuild(filter); }

  const GridView& view() const { return view_; }

  int ShownCount() const override { return view_.ShownCount(); }
  int ColumnCount() const override;
  std::string CellText(int row, int column) const override;
  std::string HeaderText(int column) const override;
  int ColumnAlignment(int column) const override;
  int ColumnWidth(int column) const override;

 private:
  CollectionDocument& document_;
  const FormatSettings& settings_;
  GridView view_;
  std::vector<std::string> headers_;
};

}  // namespace korvex
