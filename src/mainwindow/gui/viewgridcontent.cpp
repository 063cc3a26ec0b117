#include "mainwindow/gui/viewgridcontent.h"

#include "mainwindow/gridcolumns.h"

namespace korvex {

void ViewGridContent::RebuildHeaders() {
  const std::vector<TZelle>& columns = ViewColumns(document_);
  headers_.resize(columns.size());
  for (size_t i = 0; i < columns.size(); ++i) {
    if (auto header = ColumnHeaderText(document_, columns[i].type)) headers_[i] = *header;
  }
}

int ViewGridContent::ColumnCount() const { return static_cast<int>(ViewColumns(document_).size()); }

std::string ViewGridContent::CellText(int row, int column) const {
  // The grid counts data rows from 0, the core from 1 below the header.
  return view_.CellText(row + 1, column, settings_);
}

std::string ViewGridContent::HeaderText(int column) const {
  return column >= 0 && column < static_cast<int>(headers_.size()) ? headers_[column] : std::string();
}

int ViewGridContent::ColumnAlignment(int column) const {
  const std::vector<TZelle>& columns = ViewColumns(document_);
  return column >= 0 && column < static_cast<int>(columns.size()) ? columns[column].align : 0;
}

int ViewGridContent::ColumnWidth(int column) const {
  const std::vector<TZelle>& columns = ViewColumns(document_);
  return column >= 0 && column < static_cast<int>(columns.size()) ? columns[column].width : 0;
}

}  // namespace korvex
