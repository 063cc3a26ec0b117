#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mainwindow/coinfilter.h"
#include "model/collectiondocument.h"
#include "model/formatsettings.h"

namespace korvex {

// Whether a coin has a row in the current view: it belongs to the shown area (or all coins are
// shown) and the filter accepts it. Before any view is shown no coin is.
bool IsCoinShown(const CollectionDocument& document, const TDaten& coin, const CoinFilter& filter);

// Which commands the rows allow: copying and opening need a row, the changing commands also a
// writable document.
struct RowCommandStates {
  bool copy_and_open = false;
  bool change = false;
};
RowCommandStates RowCommandsFor(int shown_coins, bool writable);

// The rows of the grid: the shown coins in display order and their totals, rebuilt from the
// document after every change. Grid row 0 is the header; coin k of the view sits in row k. Cell
// texts are made on demand, so a large view costs only the rows that are looked at.
class GridView {
 public:
  explicit GridView(const CollectionDocument& document) : document_(&document) {}

  // The counting pass over the display order: shown coins, piece total and value total.
  void Rebuild(const CoinFilter& filter);

  int ShownCount() const { return static_cast<int>(shown_.size()); }
  // Data rows plus the header row; an empty view still has one (empty) data row.
  int RowCount() const { return ShownCount() > 0 ? ShownCount() + 1 : 2; }
  const std::vector<TDaten*>& shown() const { return shown_; }

  // The coin in grid row `row`; nothing for the header, the empty row and rows past the end.
  TDaten* CoinOfRow(int row) const;
  // The grid row that shows `coin`; 0 when the view does not show it (the selection stays).
  int RowOfCoin(const TDaten* coin) const;

  // The text of grid row `row` (1-based) in column `column` of the view's column list; empty for
  // rows and columns that do not exist.
  std::string CellText(int row, int column, const FormatSettings& settings) const;

  int64_t piece_total() const { return piece_total_; }
  double value_total() const { return value_total_; }

  // Status panel 1: the piece total and "Stück" ("3 Stück"). Windows-1252.
  std::string PiecesPanelText(const FormatSettings& settings) const;
  // Status panel 2: the value total and the document's currency symbol. The total is reduced by
  // 0.00001 before rounding, so 0.125 reads "0,12"; a total that rounds to zero has no minus sign.
  std::string ValuePanelText(const FormatSettings& settings) const;

 private:
  const CollectionDocument* document_;
  std::vector<TDaten*> shown_;
  int64_t piece_total_ = 0;
  double value_total_ = 0;
};

}  // namespace korvex
