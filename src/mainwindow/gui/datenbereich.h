#pragma once

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>

#include "mainwindow/gui/gridcontent.h"

namespace korvex {

// Presents a GridContent to the view. With no coin shown there is still one empty row.
class TDatenbereichModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kAlignmentRole = Qt::UserRole + 1;

  explicit TDatenbereichModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  // Rebuilds everything from the content; nothing is kept from before.
  void SetContent(const GridContent* content);
  void Refresh();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const GridContent* content_ = nullptr;
};

// Draws one text of a cell the way the whole grid draws them: top at top + 3, two pixels from
// the side it is aligned to, clipped one pixel inside the cell, "FEHLER" for a broken alignment.
void DrawCellText(QPainter& painter, const QRect& cell, const QString& text, int alignment);

// The data cells: whole rows in the highlight colours when selected, else on the light button
// colour, never bold.
class TDatenbereichDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

// The header row: bold text on the button face with a raised frame.
class TDatenbereichHeader final : public QHeaderView {
  Q_OBJECT

 public:
  explicit TDatenbereichHeader(QWidget* parent = nullptr);

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logical_index) const override;
};

// The grid `Datenbereich`. It is never edited in place: the window rebuilds its content after
// every change, and column moves and width drags are reported back so that the view's column
// list, not the grid, keeps order and widths.
class TDatenbereich final : public QTableView {
  Q_OBJECT

 public:
  static constexpr int kRowHeight = 20;

  explicit TDatenbereich(QWidget* parent = nullptr);

  TDatenbereichModel* Model() const { return model_; }
  TDatenbereichHeader* Header() const { return header_; }

  // Takes column widths from the content and rebuilds rows; keeps the current row when it
  // still exists.
  void Rebuild(const GridContent* content);

  // 1-based like the rows of the grid it stands for: row 1 is the first coin; 0 for none.
  int CurrentRow() const;
  void SetCurrentRow(int row);

  QPoint LastMousePosition() const { return last_mouse_; }

 signals:
  void ColumnMoved(int from, int to);
  void ColumnResized(int column, int width);
  // The user let go of the mouse after dragging column widths.
  void WidthDragFinished();
  void RowOpened();
  void RowClicked();
  void ContextMenuWanted(const QPoint& global_position);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyboardSearch(const QString&) override {}
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  void HeaderSectionMoved(int logical, int from, int to);
  void HeaderSectionResized(int logical, int old_size, int new_size);

  TDatenbereichModel* model_;
  TDatenbereichHeader* header_;
  bool rebuilding_ = false;
  bool header_dragged_ = false;
  QPoint last_mouse_;
};

}  // namespace korvex
