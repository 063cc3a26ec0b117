#include "reports/listprintout.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "mainwindow/gridcolumns.h"
#include "mainwindow/windowtitle.h"
#include "model/codepage.h"
#include "model/datetime.h"
#include "model/fieldcatalogue.h"
#include "model/numberformat.h"
#include "model/rounding.h"

namespace korvex {
namespace {

// The running totals over the printed coins.
struct ListTotals {
  int64_t pieces = 0;
  double catalogue_sum = 0;
  double purchase_sum = 0;

  void Add(const TDaten& coin) {
    pieces += coin.count;
    catalogue_sum += coin.count * coin.catalogue;
    purchase_sum += coin.count * coin.purchaseprice;
  }
};

class ListPrinter {
 public:
  ListPrinter(QPainter& painter, QPagedPaintDevice& device, const ListPrintout& list)
      : device_(device),
        list_(list),
        canvas_(painter, device),
        line_(HeadingFontHeight(list.font_size)) {
    std::vector<int> widths;
    for (const ListPrintColumn& column : list.columns) widths.push_back(column.width);
    edges_ = ListColumnGeometry(canvas_.area().width, widths);
    for (const ListPrintColumn& column : list.columns) headings_.push_back(PrintText(column.heading));
  }

  PrintOutcome Print(const PrintControl& control) {
    const int rows = list_.rows ? list_.rows->ShownCount() : 0;
    if (control.progress) {
      control.progress->ProgressBegin(kListPrintProgressText);
      control.progress->ProgressTotal(rows);
      control.progress->ProgressSet(0);
    }
    PrintOutcome outcome = PrintOutcome::kPrinted;
    StartPage();
    Headings();
    for (int row = 1; row <= rows; ++row) {
      if (control.Aborted()) {
        outcome = PrintOutcome::kAborted;
        break;
      }
      if (y_ > canvas_.area().height - 4 * line_ && !BreakPage()) {
        outcome = PrintOutcome::kFailed;
        break;
      }
      Row(row);
      if (control.progress) control.progress->ProgressStep();
    }
    if (outcome == PrintOutcome::kPrinted) End();
    if (control.progress) control.progress->ProgressEnd();
    return outcome;
  }

 private:
  int ColumnCount() const { return static_cast<int>(edges_.size()); }

  // The page header and the table top.
  void StartPage() {
    canvas_.SetFont(line_, FontStyle::kBoldItalic);
    canvas_.Text(0, 0, PrintText(Utf8ToWin1252("Übersicht über ") + list_.view_name));
    canvas_.TextRight(canvas_.area().width, 0,
                      PrintText("Seite: " + FormatD(page_) + "  -  Stand: " + list_.date_text));
    y_ = line_;
    canvas_.SetFont(line_, FontStyle::kNormal);
  }

  // The bold headings at y with rules above and below them.
  void Headings() {
    canvas_.SetFont(line_, FontStyle::kBold);
    for (int i = ColumnCount() - 1; i >= 0; --i) {
      canvas_.Text(edges_[i].left, y_, canvas_.CutToWidth(headings_[i], Width(i)));
    }
    rules_.push_back(y_);
    rules_.push_back(y_ + line_);
    canvas_.SetFont(line_, FontStyle::kNormal);
  }

  int Width(int column) const { return edges_[column].right - edges_[column].left; }

  // A cell text cut to its column and placed by the column's alignment.
  void Cell(int column, const QString& text) {
    const ColumnEdges& edges = edges_[column];
    const QString cut = canvas_.CutToWidth(text, Width(column));
    switch (list_.columns[column].align) {
      case kAlignRight: canvas_.TextRight(edges.right, y_, cut); break;
      case kAlignCenter: canvas_.TextCentred((edges.left + edges.right) / 2, y_, cut); break;
      default: canvas_.Text(edges.left, y_, cut); break;
    }
  }

  void Row(int row) {
    y_ += line_;
    for (int i = ColumnCount() - 1; i >= 0; --i) {
      Cell(i, PrintText(list_.rows->CellText(row, i, list_.format)));
    }
    totals_.Add(*list_.rows->CoinOfRow(row));
  }

  // The pieces and the two sums under the columns that show them; nothing under the others.
  void TotalsRow() {
    for (int i = ColumnCount() - 1; i >= 0; --i) {
      switch (list_.columns[i].type) {
        case kCount: Cell(i, PrintText(FormatD(totals_.pieces))); break;
        case kCataloguesum:
          Cell(i, PrintText(FormatMoney(totals_.catalogue_sum, list_.currency_symbol, list_.format)));
          break;
        case kPurchaseprice:
          Cell(i, PrintText(FormatMoney(totals_.purchase_sum, list_.currency_symbol, list_.format)));
          break;
        default: break;
      }
    }
  }

  // The carried-over subtotal, the continuation notice, and on the new page the headings and
  // the subtotal again.
  bool BreakPage() {
    y_ += line_;
    rules_.push_back(y_);
    canvas_.SetFont(line_, FontStyle::kBoldItalic);
    TotalsRow();
    rules_.push_back(y_ + line_);
    ++page_;
    const int last_right = ColumnCount() > 0 ? edges_.back().right : canvas_.area().width;
    canvas_.TextRight(last_right, y_ + line_, PrintText("Fortsetzung auf Seite " + FormatD(page_)));
    DrawRules(y_ + line_);
    if (!device_.newPage()) return false;
    canvas_.SetUpPage();
    StartPage();
    Headings();
    y_ += line_;
    canvas_.SetFont(line_, FontStyle::kBoldItalic);
    TotalsRow();
    canvas_.SetFont(line_, FontStyle::kNormal);
    return true;
  }

  void End() {
    y_ += line_;
    rules_.push_back(y_);
    canvas_.SetFont(line_, FontStyle::kBold);
    TotalsRow();
    rules_.push_back(y_ + line_);
    rules_.push_back(y_ + line_ + line_ / 6);
    y_ += line_ + line_ / 6;
    canvas_.SetFont(FooterFontHeight(list_.font_size), FontStyle::kNormal);
    canvas_.TextRight(canvas_.area().width, y_, PrintText(VersionFooter(list_.file_path)));
    DrawRules(y_);
  }

  // Every recorded rule across the page, and the column borders from the table top to `bottom`.
  void DrawRules(int bottom) {
    for (const int rule : rules_) canvas_.HorizontalLine(0, canvas_.area().width, rule);
    for (int i = 1; i < ColumnCount(); ++i) {
      const int x = (edges_[i].left + edges_[i - 1].right) / 2;
      canvas_.VerticalLine(x, line_, bottom);
    }
    rules_.clear();
  }

  QPagedPaintDevice& device_;
  const ListPrintout& list_;
  PrintCanvas canvas_;
  const int line_;
  std::vector<ColumnEdges> edges_;
  std::vector<QString> headings_;
  std::vector<int> rules_;
  ListTotals totals_;
  int page_ = 1;
  int y_ = 0;
};

}  // namespace

std::vector<ColumnEdges> ListColumnGeometry(int page_width, const std::vector<int>& screen_widths) {
  std::vector<ColumnEdges> edges(screen_widths.size());
  if (edges.empty()) return edges;
  double sum = 0;
  for (const int width : screen_widths) sum += std::max(width, 0);
  int edge = page_width;
  for (int i = static_cast<int>(edges.size()) - 1; i >= 0; --i) {
    edges[i].right = edge == page_width ? edge : edge - 10;
    // A grid whose widths add up to nothing gives every column the same share.
    const double share = sum > 0 ? std::max(screen_widths[i], 0) / sum : 1.0 / edges.size();
    edge -= static_cast<int>(RoundHalfEven(page_width * share));
    edges[i].left = edge + 10;
  }
  edges[0].left = 0;
  return edges;
}

ListPrintout MakeListPrintout(const CollectionDocument& document, const GridView& rows,
                              const FormatSettings& format, int font_size) {
  ListPrintout list;
  list.rows = &rows;
  for (const TZelle& cell : ViewColumns(document)) {
    list.columns.push_back(
        {cell.type, cell.width, cell.align, ColumnHeaderText(document, cell.type).value_or("")});
  }
  list.view_name = AreaName(document, document.current_view);
  list.file_path = document.file_path();
  list.currency_symbol = document.currency_symbol;
  list.date_text = FormatDate(Today(), format.short_date_format);
  list.format = format;
  list.font_size = font_size;
  return list;
}

bool ListWantsLandscape(bool printer_landscape, int column_count) {
  return !printer_landscape && column_count > 8;
}

PrintOutcome PrintList(QPagedPaintDevice& device, const ListPrintout& list, const PrintControl& control) {
  QPainter painter;
  if (!painter.begin(&device)) return PrintOutcome::kFailed;
  ListPrinter printer(painter, device, list);
  const PrintOutcome outcome = printer.Print(control);
  painter.end();
  return outcome;
}

}  // namespace korvex
