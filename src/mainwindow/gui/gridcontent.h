#pragma once

#include <string>

namespace korvex {

// What the data grid shows, asked for on demand so that only visible cells are ever formatted.
// Texts are Windows-1252 like all document text. Column j shows entry j of the view's column
// list; alignments are the entries' (0 left, 1 right, 2 centre, anything else is an error).
class GridContent {
 public:
  virtual ~GridContent() = default;
  virtual int ShownCount() const = 0;
  virtual int ColumnCount() const = 0;
  virtual std::string CellText(int row, int column) const = 0;
  virtual std::string HeaderText(int column) const = 0;
  virtual int ColumnAlignment(int column) const = 0;
  virtual int ColumnWidth(int column) const = 0;
};

}  // namespace korvex
