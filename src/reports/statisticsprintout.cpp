#include "reports/statisticsprintout.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "model/datetime.h"

namespace korvex {
namespace {

constexpr int kColumns = 6;

class StatisticsPrinter {
 public:
  StatisticsPrinter(QPainter& painter, QPagedPaintDevice& device, const StatisticsPrintout& printout)
      : device_(device),
        printout_(printout),
        canvas_(painter, device),
        line_(HeadingFontHeight(printout.font_size)),
        edges_(StatisticsColumnGeometry(canvas_.area().width)) {
    for (const std::string& heading : StatisticsHeadings()) headings_.push_back(PrintText(heading));
  }

  bool Print() {
    StartPage();
    const CollectionStatistics& statistics = printout_.statistics;
    for (std::size_t i = 0; i < statistics.areas.size(); ++i) {
      if (y_ > canvas_.area().height - 4 * line_ && !BreakPage()) return false;
      y_ += line_;
      Figures(statistics.areas[i]);
      canvas_.Text(0, y_, canvas_.CutToWidth(PrintText(statistics.area_names[i]), Width(0)));
    }
    y_ += line_;
    rules_.push_back(y_);
    canvas_.SetFont(line_, FontStyle::kBold);
    canvas_.Text(0, y_, PrintText(StatisticsTotalCaption()));
    Figures(statistics.total);
    y_ += line_;
    rules_.push_back(y_);
    rules_.push_back(y_ + line_ / 6);
    canvas_.SetFont(FooterFontHeight(printout_.font_size), FontStyle::kNormal);
    y_ += line_ / 6;
    canvas_.TextRight(canvas_.area().width, y_, PrintText(VersionFooter(printout_.file_title)));
    DrawRules(y_);
    return true;
  }

 private:
  int Width(int column) const { return edges_[column].right - edges_[column].left; }

  // The title line, and the bold headings of the figure columns with the rule at their top.
  void StartPage() {
    canvas_.SetFont(line_, FontStyle::kBoldItalic);
    canvas_.Text(0, 0, PrintText(std::string(kVersionLine) + " Statistik"));
    canvas_.TextRight(canvas_.area().width, 0, PrintText("Stand: " + printout_.date_text));
    y_ = line_;
    top_ = y_;
    canvas_.SetFont(line_, FontStyle::kBold);
    for (int column = kColumns - 1; column >= 1; --column) {
      canvas_.TextRight(edges_[column].right, y_, headings_[column - 1]);
    }
    rules_.push_back(y_);
    canvas_.SetFont(line_, FontStyle::kNormal);
  }

  void Figures(const StatisticsFigures& figures) {
    const auto texts = StatisticsRowTexts(figures, printout_.currency_symbol, printout_.format);
    for (int column = kColumns - 1; column >= 1; --column) {
      canvas_.TextRight(edges_[column].right, y_, PrintText(texts[column - 1]));
    }
  }

  // The table closes under the last row of the page and goes on below the headings of the next.
  bool BreakPage() {
    y_ += line_;
    rules_.push_back(y_);
    DrawRules(y_);
    if (!device_.newPage()) return false;
    canvas_.SetUpPage();
    StartPage();
    return true;
  }

  void DrawRules(int bottom) {
    for (const int rule : rules_) canvas_.HorizontalLine(0, canvas_.area().width, rule);
    for (int column = 1; column < kColumns; ++column) {
      canvas_.VerticalLine(edges_[column].left - 10, top_, bottom);
    }
    rules_.clear();
  }

  QPagedPaintDevice& device_;
  const StatisticsPrintout& printout_;
  PrintCanvas canvas_;
  const int line_;
  const std::vector<ColumnEdges> edges_;
  std::vector<QString> headings_;
  std::vector<int> rules_;
  int y_ = 0;
  int top_ = 0;
};

}  // namespace

StatisticsPrintout MakeStatisticsPrintout(const CollectionDocument& document,
                                          const FormatSettings& format, int font_size) {
  StatisticsPrintout printout;
  printout.statistics = ComputeStatistics(document);
  printout.currency_symbol = document.currency_symbol;
  printout.file_title = document.file_title();
  printout.date_text = FormatDate(Today(), format.short_date_format);
  printout.format = format;
  printout.font_size = font_size;
  return printout;
}

std::vector<ColumnEdges> StatisticsColumnGeometry(int page_width) {
  std::vector<ColumnEdges> edges(kColumns);
  const int share = page_width / 7;
  int edge = page_width;
  for (int column = kColumns - 1; column >= 0; --column) {
    edges[column].right = column == kColumns - 1 ? edge : edge - 10;
    edge -= share;
    edges[column].left = edge + 10;
  }
  edges[0].left = 0;
  return edges;
}

PrintOutcome PrintStatistics(QPagedPaintDevice& device, const StatisticsPrintout& printout) {
  QPainter painter;
  if (!painter.begin(&device)) return PrintOutcome::kFailed;
  StatisticsPrinter printer(painter, device, printout);
  const bool printed = printer.Print();
  painter.end();
  return printed ? PrintOutcome::kPrinted : PrintOutcome::kFailed;
}

}  // namespace korvex
