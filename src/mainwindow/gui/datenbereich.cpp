#include "mainwindow/gui/datenbereich.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/widetext.h"

namespace korvex {

// ---------------------------------------------------------------------------------------------
// Model

void TDatenbereichModel::SetContent(const GridContent* content) {
  beginResetModel();
  content_ = content;
  endResetModel();
}

void TDatenbereichModel::Refresh() {
  beginResetModel();
  endResetModel();
}

int TDatenbereichModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !content_) return 0;
  return std::max(content_->ShownCount(), 1);
}

int TDatenbereichModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid() || !content_) return 0;
  return content_->ColumnCount();
}

QVariant TDatenbereichModel::data(const QModelIndex& index, int role) const {
  if (!content_ || !index.isValid()) return {};
  if (role == Qt::DisplayRole) {
    if (index.row() >= content_->ShownCount()) return QString();
    return FromWin1252(content_->CellText(index.row(), index.column()));
  }
  if (role == kAlignmentRole) return content_->ColumnAlignment(index.column());
  return {};
}

QVariant TDatenbereichModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (!content_ || orientation != Qt::Horizontal || section >= content_->ColumnCount()) return {};
  if (role == Qt::DisplayRole) return FromWin1252(content_->HeaderText(section));
  if (role == kAlignmentRole) return content_->ColumnAlignment(section);
  return {};
}

// ---------------------------------------------------------------------------------------------
// Drawing

void DrawCellText(QPainter& painter, const QRect& cell, const QString& text, int alignment) {
  // Exclusive right and bottom edges, as the grid's cell rectangles are measured.
  const int left = cell.left();
  const int top = cell.top();
  const int right = cell.left() + cell.width();
  const int bottom = cell.top() + cell.height();
  QString shown = text;
  if (alignment < 0 || alignment > 2) {
    shown = QStringLiteral("FEHLER");
    alignment = 0;
  }
  const QFontMetrics metrics = painter.fontMetrics();
  const int width = metrics.horizontalAdvance(shown);
  int x = left + 2;
  if (alignment == 1) x = right - 2 - width;
  if (alignment == 2) x = (left + right) / 2 - width / 2;
  painter.save();
  painter.setClipRect(QRect(QPoint(left + 1, top + 1), QPoint(right - 2, bottom - 2)));
  painter.drawText(x, top + 3 + metrics.ascent(), shown);
  painter.restore();
}

void TDatenbereichDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  const QPalette& palette = option.palette;
  const bool selected = option.state & QStyle::State_Selected;
  const QColor background = selected ? palette.color(QPalette::Highlight) : palette.color(QPalette::Light);
  const QColor text = selected ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::ButtonText);
  painter->save();
  painter->fillRect(option.rect, background);
  QFont font = option.font;
  font.setBold(false);
  painter->setFont(font);
  painter->setPen(text);
  DrawCellText(*painter, option.rect, index.data(Qt::DisplayRole).toString(),
               index.data(TDatenbereichModel::kAlignmentRole).toInt());
  painter->restore();
}

TDatenbereichHeader::TDatenbereichHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setObjectName(QStringLiteral("DatenbereichKopf"));
  setSectionsMovable(true);
  setSectionsClickable(false);
  setHighlightSections(false);
  setMinimumSectionSize(8);
  setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setFixedHeight(TDatenbereich::kRowHeight + 2);
}

void TDatenbereichHeader::paintSection(QPainter* painter, const QRect& rect, int logical_index) const {
  if (!rect.isValid()) return;
  const QPalette& colours = palette();
  const int left = rect.left();
  const int top = rect.top();
  const int right = rect.left() + rect.width() - 1;
  const int bottom = rect.top() + rect.height();
  painter->save();
  painter->fillRect(rect, colours.color(QPalette::Button));
  painter->setPen(QPen(colours.color(QPalette::Light), 1));
  painter->drawLine(right - 1, top, left, top);
  painter->drawLine(left, top, left, bottom - 1);
  painter->setPen(QPen(colours.color(QPalette::Shadow), 1));
  painter->drawLine(left, bottom - 1, right, bottom - 1);
  painter->drawLine(right, bottom - 1, right, top);
  QFont bold = font();
  bold.setBold(true);
  painter->setFont(bold);
  painter->setPen(colours.color(QPalette::ButtonText));
  const QAbstractItemModel* source = model();
  if (source) {
    DrawCellText(*painter, rect,
                 source->headerData(logical_index, Qt::Horizontal, Qt::DisplayRole).toString(),
                 source->headerData(logical_index, Qt::Horizontal, TDatenbereichModel::kAlignmentRole).toInt());
  }
  painter->restore();
}

// ---------------------------------------------------------------------------------------------
// The grid

TDatenbereich::TDatenbereich(QWidget* parent)
    : QTableView(parent), model_(new TDatenbereichModel(this)), header_(new TDatenbereichHeader(this)) {
  setObjectName(QStringLiteral("Datenbereich"));
  setHorizontalHeader(header_);
  setModel(model_);
  setItemDelegate(new TDatenbereichDelegate(this));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setMouseTracking(true);
  setTabKeyNavigation(false);
  // Every row is equally high, so the view never has to measure rows: large collections scroll
  // without touching any coin but the visible ones.
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(kRowHeight);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  header_->setSectionResizeMode(QHeaderView::Interactive);
  header_->setStretchLastSection(false);
  header_->viewport()->installEventFilter(this);
  header_->viewport()->setMouseTracking(true);
  connect(header_, &QHeaderView::sectionMoved, this, &TDatenbereich::HeaderSectionMoved);
  connect(header_, &QHeaderView::sectionResized, this, &TDatenbereich::HeaderSectionResized);
  setEnabled(false);
}

void TDatenbereich::Rebuild(const GridContent* content) {
  const int row = CurrentRow();
  rebuilding_ = true;
  model_->SetContent(content);
  if (content) {
    for (int column = 0; column < content->ColumnCount(); ++column) {
      header_->resizeSection(column, std::max(content->ColumnWidth(column), 0));
    }
  }
  rebuilding_ = false;
  SetCurrentRow(std::max(row, 1));
}

int TDatenbereich::CurrentRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() + 1 : 0;
}

void TDatenbereich::SetCurrentRow(int row) {
  if (row < 1 || row > model_->rowCount() || model_->columnCount() == 0) return;
  const QModelIndex target = model_->index(row - 1, std::max(currentIndex().column(), 0));
  setCurrentIndex(target);
  scrollTo(target);
}

void TDatenbereich::HeaderSectionMoved(int, int from, int to) {
  if (rebuilding_) return;
  // The column list decides the order; the grid's own visual order is put back and the window
  // rebuilds the columns from the moved list.
  rebuilding_ = true;
  header_->moveSection(to, from);
  rebuilding_ = false;
  emit ColumnMoved(from, to);
}

void TDatenbereich::HeaderSectionResized(int logical, int, int new_size) {
  if (rebuilding_) return;
  header_dragged_ = true;
  emit ColumnResized(logical, new_size);
}

bool TDatenbereich::eventFilter(QObject* watched, QEvent* event) {
  if (watched == header_->viewport()) {
    if (event->type() == QEvent::MouseMove) {
      const QPoint in_header = static_cast<QMouseEvent*>(event)->position().toPoint();
      last_mouse_ = viewport()->mapFrom(this, header_->viewport()->mapTo(this, in_header));
    } else if (event->type() == QEvent::MouseButtonRelease && header_dragged_) {
      header_dragged_ = false;
      emit WidthDragFinished();
    }
  }
  return QTableView::eventFilter(watched, event);
}

void TDatenbereich::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit RowOpened();
    return;
  }
  // The view would copy a cell on its own; copying coins is the window's command.
  if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) return;
  QTableView::keyPressEvent(event);
}

void TDatenbereich::mouseMoveEvent(QMouseEvent* event) {
  last_mouse_ = event->position().toPoint();
  QTableView::mouseMoveEvent(event);
}

void TDatenbereich::mouseDoubleClickEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid()) {
    setCurrentIndex(index);
    emit RowOpened();
  }
}

void TDatenbereich::contextMenuEvent(QContextMenuEvent* event) {
  // Scroll areas get the positions of their viewport.
  if (event->reason() == QContextMenuEvent::Mouse) {
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid()) setCurrentIndex(index);
  }
  emit ContextMenuWanted(event->globalPos());
}

void TDatenbereich::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (!rebuilding_ && current.row() != previous.row()) emit RowClicked();
}

}  // namespace korvex
