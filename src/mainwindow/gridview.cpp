#include "mainwindow/gridview.h"

#include <algorithm>

#include "mainwindow/celltext.h"
#include "mainwindow/gridcolumns.h"
#include "model/codepage.h"
#include "model/numberformat.h"

namespace korvex {

bool IsCoinShown(const CollectionDocument& document, const TDaten& coin, const CoinFilter& filter) {
  const int view = document.current_view;
  if (view == 0) return false;
  if (view != kAllCoinsView && coin.category != view) return false;
  return filter.Accepts(coin);
}

RowCommandStates RowCommandsFor(int shown_coins, bool writable) {
  return {shown_coins > 0, shown_coins > 0 && writable};
}

void GridView::Rebuild(const CoinFilter& filter) {
  shown_.clear();
  piece_total_ = 0;
  value_total_ = 0;
  for (TDaten* coin = document_->first_shown; coin; coin = coin->display_next) {
    if (!IsCoinShown(*document_, *coin, filter)) continue;
    shown_.push_back(coin);
    piece_total_ += coin->count;
    value_total_ += coin->count * coin->catalogue;
  }
}

TDaten* GridView::CoinOfRow(int row) const {
  return row >= 1 && row <= ShownCount() ? shown_[row - 1] : nullptr;
}

int GridView::RowOfCoin(const TDaten* coin) const {
  if (!coin) return 0;
  const auto found = std::find(shown_.begin(), shown_.end(), coin);
  return found == shown_.end() ? 0 : static_cast<int>(found - shown_.begin()) + 1;
}

std::string GridView::CellText(int row, int column, const FormatSettings& settings) const {
  const TDaten* coin = CoinOfRow(row);
  const std::vector<TZelle>& columns = ViewColumns(*document_);
  if (!coin || column < 0 || column >= static_cast<int>(columns.size())) return {};
  return CoinCellText(*document_, *coin, columns[column].type, settings);
}

std::string GridView::PiecesPanelText(const FormatSettings& settings) const {
  return FormatN(static_cast<double>(piece_total_), 0, settings) + " " + Utf8ToWin1252("Stück");
}

std::string GridView::ValuePanelText(const FormatSettings& settings) const {
  return FormatN(value_total_ - 0.00001, 2, settings) + " " + document_->currency_symbol;
}

}  // namespace korvex
