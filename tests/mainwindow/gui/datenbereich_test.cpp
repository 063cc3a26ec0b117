// The grid widget on its own: cell drawing, the empty row, and that cells are formatted only when
// they are shown.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "mainwindow/gui/datenbereich.h"

namespace korvex::test {
namespace {

// A grid content that counts how often it is asked for cell texts.
class CountingContent final : public GridContent {
 public:
  CountingContent(int rows, int columns) : rows_(rows), columns_(columns) {}
  int ShownCount() const override { return rows_; }
  int ColumnCount() const override { return columns_; }
  std::string CellText(int row, int column) const override {
    ++cell_requests;
    return "R" + std::to_string(row) + "C" + std::to_string(column);
  }
  std::string HeaderText(int column) const override { return "Kopf " + std::to_string(column); }
  int ColumnAlignment(int) const override { return 0; }
  int ColumnWidth(int column) const override { return 60 + column; }
  mutable long cell_requests = 0;

 private:
  int rows_;
  int columns_;
};

// The x range covered by dark pixels of a text drawn into a white cell of the given width.
std::pair<int, int> InkRange(const QString& text, int alignment, int width = 200) {
  QImage image(width, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  DrawCellText(painter, QRect(0, 0, width, 20), text, alignment);
  painter.end();
  int first = width, last = -1;
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < 20; ++y) {
      if (qGray(image.pixel(x, y)) < 128) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  }
  return {first, last};
}

}  // namespace

class DatenbereichTest : public QObject {
  Q_OBJECT

 private slots:
  void TextsKeepTheirDistanceFromTheAlignedSide();
  void BrokenAlignmentDrawsFehler();
  void EmptyViewHasOneEmptyRow();
  void OnlyVisibleCellsAreFormatted();
  void ColumnWidthsComeFromTheContent();
};

void DatenbereichTest::TextsKeepTheirDistanceFromTheAlignedSide() {
  const auto [left_first, left_last] = InkRange("Wert", 0);
  QVERIFY(left_first >= 2 && left_first <= 4);
  const auto [right_first, right_last] = InkRange("Wert", 1);
  QVERIFY(right_last <= 197 && right_last >= 194);
  const auto [centre_first, centre_last] = InkRange("Wert", 2);
  QVERIFY(std::abs((centre_first + centre_last) / 2 - 100) <= 2);
  // A text too long for its cell is cut one pixel inside the cell, not drawn over the next one.
  const auto [long_first, long_last] = InkRange("Ein sehr langer Text", 0, 40);
  QVERIFY(long_last <= 38);
}

void DatenbereichTest::BrokenAlignmentDrawsFehler() {
  QCOMPARE(InkRange("Wert", 7), InkRange("FEHLER", 0));
  QVERIFY(InkRange("Wert", 7) != InkRange("Wert", 0));
}

void DatenbereichTest::EmptyViewHasOneEmptyRow() {
  TDatenbereich grid;
  CountingContent content(0, 3);
  grid.Rebuild(&content);
  QCOMPARE(grid.model()->rowCount(), 1);
  QCOMPARE(grid.model()->index(0, 2).data().toString(), QString());
  QCOMPARE(content.cell_requests, 0L);
  QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Kopf 1"));
}

void DatenbereichTest::OnlyVisibleCellsAreFormatted() {
  TDatenbereich grid;
  grid.setEnabled(true);
  grid.resize(400, 300);
  CountingContent content(100000, 8);
  grid.Rebuild(&content);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
  grid.repaint();
  QVERIFY(content.cell_requests > 0);
  // About fifteen rows of eight columns are visible; nothing near the hundred thousand rows.
  QVERIFY(content.cell_requests < 2000);
  content.cell_requests = 0;
  grid.SetCurrentRow(90000);
  grid.repaint();
  QVERIFY(content.cell_requests < 2000);
  QCOMPARE(grid.CurrentRow(), 90000);
  QCOMPARE(grid.model()->index(89999, 0).data().toString(), QStringLiteral("R89999C0"));
}

void DatenbereichTest::ColumnWidthsComeFromTheContent() {
  TDatenbereich grid;
  CountingContent content(5, 3);
  QSignalSpy resized(&grid, &TDatenbereich::ColumnResized);
  grid.Rebuild(&content);
  QCOMPARE(grid.columnWidth(0), 60);
  QCOMPARE(grid.columnWidth(2), 62);
  // Widths set by a rebuild are no user drag and are not reported back.
  QCOMPARE(resized.count(), 0);
  grid.horizontalHeader()->resizeSection(1, 90);
  QCOMPARE(resized.count(), 1);
  QCOMPARE(resized.at(0).at(1).toInt(), 90);
}

}  // namespace korvex::test

QTEST_MAIN(korvex::test::DatenbereichTest)
#include "datenbereich_test.moc"
