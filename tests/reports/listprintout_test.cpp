// The list printout drawn into PDF files and read back with poppler.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "common/tempdir.h"
#include "mainwindow/statusprogress.h"
#include "model/codepage.h"
#include "model/fieldcatalogue.h"
#include "model/numberformat.h"
#include "reports/listprinttestdata.h"

namespace korvex {
namespace {

using test::ColumnText;
using test::ListDocument;
using test::PageLines;
using test::PdfWord;
using test::PrintUnitsToPoints;

// "1.234,50" as a number.
double GermanNumber(std::string text) {
  std::string plain;
  for (const char c : text) {
    if (c == ',') plain += '.';
    else if (c != '.') plain += c;
  }
  return std::stod(plain);
}

// The amount of a money cell "1.234,50 €".
double Money(const std::string& text) { return GermanNumber(text.substr(0, text.find(' '))); }

TEST(ListColumnGeometry, ColumnsShareTheWidthByTheirScreenWidthsWithOneMillimetreGaps) {
  const auto edges = ListColumnGeometry(2000, {100, 50, 50});
  ASSERT_EQ(edges.size(), 3u);
  EXPECT_EQ(edges[2].right, 2000);
  EXPECT_EQ(edges[2].left, 1510);
  EXPECT_EQ(edges[1].right, 1490);
  EXPECT_EQ(edges[1].left, 1010);
  EXPECT_EQ(edges[0].right, 990);
  EXPECT_EQ(edges[0].left, 0);

  // Uneven widths: the shares are rounded, each border keeps 1 mm, the first column starts at 0.
  const std::vector<int> widths = {37, 120, 64, 64, 9};
  const auto uneven = ListColumnGeometry(1800, widths);
  const double sum = std::accumulate(widths.begin(), widths.end(), 0.0);
  for (std::size_t i = 1; i < uneven.size(); ++i) {
    EXPECT_EQ(uneven[i].left - uneven[i - 1].right, 20) << i;
    const int span = uneven[i].right - uneven[i].left + (i + 1 == uneven.size() ? 10 : 20);
    EXPECT_NEAR(span, 1800 * widths[i] / sum, 0.5) << i;
  }
  EXPECT_EQ(uneven[0].left, 0);
  // A grid whose widths add up to nothing still prints, in equal columns.
  const auto zero = ListColumnGeometry(900, {0, 0, 0});
  EXPECT_EQ(zero[2].left, 610);
  EXPECT_EQ(zero[1].left, 310);
}

TEST(ListPrintout, OrientationQuestionOnlyForMoreThanEightColumnsInPortrait) {
  EXPECT_FALSE(ListWantsLandscape(false, 8));
  EXPECT_TRUE(ListWantsLandscape(false, 9));
  EXPECT_FALSE(ListWantsLandscape(true, 9));
  EXPECT_FALSE(ListWantsLandscape(true, 30));
}

// A filtered view of 150 shown coins over three pages.
class ThreePageList : public ::testing::Test {
 protected:
  void SetUp() override {
    view_ = &list_.View(FilterKind::kStock);
    ASSERT_EQ(view_->ShownCount(), 150);
    words_ = list_.Print(folder_ / "liste.pdf");
    edges_ = ListColumnGeometry(1800, {90, 200, 40, 90, 110, 90});
  }

  // Count and total catalogue value of a table line.
  std::pair<int64_t, double> Sums(const std::vector<PdfWord>& line) const {
    return {std::stoll(ColumnText(line, edges_[2])), Money(ColumnText(line, edges_[4]))};
  }

  test::TempDir folder_;
  ListDocument list_{200};
  GridView* view_ = nullptr;
  std::vector<PdfWord> words_;
  std::vector<ColumnEdges> edges_;
};

TEST_F(ThreePageList, EveryPageHasTheHeaderAndTheHeadingRowInTheGridsColumnOrder) {
  ASSERT_EQ(test::PdfPageCount(words_), 3);
  const std::vector<std::string> headings = {"Inventarnr.", "Motiv", "St.", "Katalogwert",
                                             "Gesamtkatalogwert", "Kaufpreis"};
  for (int page = 1; page <= 3; ++page) {
    const auto lines = PageLines(words_, page);
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[0][0].text, "Übersicht");
    EXPECT_EQ(lines[0][2].text, "Deutschland");
    EXPECT_NEAR(lines[0][0].y_min, PrintUnitsToPoints(0), 0.5);
    EXPECT_EQ(lines[0][4].text, std::to_string(page));
    EXPECT_NEAR(lines[0].back().x_max, PrintUnitsToPoints(1800), 0.3);

    const auto& heading_line = lines[1];
    EXPECT_NEAR(heading_line[0].y_min, PrintUnitsToPoints(36), 0.5);
    for (std::size_t i = 0; i < edges_.size(); ++i) {
      const std::string heading = ColumnText(heading_line, edges_[i]);
      EXPECT_EQ(heading.substr(0, headings[i].size()), headings[i]) << page << " " << i;
    }
    // Headings stand at their columns' left edges.
    EXPECT_NEAR(heading_line[0].x_min, PrintUnitsToPoints(0), 0.3);
    EXPECT_NEAR(test::FindWords(heading_line, "Katalogwert")[0].x_min, PrintUnitsToPoints(edges_[3].left), 0.3);
  }
}

TEST_F(ThreePageList, SubtotalsAtEveryBreakAreTheSumsOfTheRowsPrintedSoFar) {
  int64_t pieces = 0;
  double catalogue = 0;
  int row = 0;
  for (int page = 1; page <= 3; ++page) {
    const auto lines = PageLines(words_, page);
    std::size_t first = 2;
    if (page > 1) {
      // The subtotal carried over stands under the headings.
      EXPECT_EQ(Sums(lines[2]).first, pieces);
      EXPECT_DOUBLE_EQ(Sums(lines[2]).second, catalogue);
      first = 3;
    }
    const std::size_t last = lines.size() - 2;  // before the subtotal or totals and the last line
    for (std::size_t i = first; i < last; ++i) {
      ++row;
      // Rows follow the grid and show the grid's own cell texts.
      EXPECT_EQ(ColumnText(lines[i], edges_[0]), view_->CellText(row, 0, FormatSettings::German()));
      EXPECT_EQ(ColumnText(lines[i], edges_[3]), view_->CellText(row, 3, FormatSettings::German()));
      pieces += Sums(lines[i]).first;
      catalogue += GermanNumber(ColumnText(lines[i], edges_[4]));
    }
    EXPECT_EQ(Sums(lines[last]).first, pieces) << page;
    EXPECT_NEAR(Sums(lines[last]).second, catalogue, 1e-6) << page;
    const std::string closing = lines.back()[0].text;
    if (page < 3) {
      EXPECT_EQ(closing, "Fortsetzung");
      EXPECT_EQ(lines.back().back().text, std::to_string(page + 1));
      EXPECT_NEAR(lines.back().back().x_max, PrintUnitsToPoints(edges_.back().right), 0.3);
    } else {
      EXPECT_EQ(closing, "Korvex");
      EXPECT_EQ(lines.back().back().text, "/sammlungen/Deutschland.mvc");
      EXPECT_NEAR(lines.back().back().x_max, PrintUnitsToPoints(1800), 0.3);
    }
  }
  EXPECT_EQ(row, 150);
}

TEST_F(ThreePageList, TotalsEqualTheStatusBarsAndMoneyEndsAtTheColumnsRightEdge) {
  const auto lines = PageLines(words_, 3);
  const auto& totals = lines[lines.size() - 2];
  const FormatSettings german = FormatSettings::German();
  EXPECT_EQ(ColumnText(totals, edges_[2]) + " " + Win1252ToUtf8(Utf8ToWin1252("Stück")),
            Win1252ToUtf8(view_->PiecesPanelText(german)));
  EXPECT_EQ(ColumnText(totals, edges_[4]), Win1252ToUtf8(view_->ValuePanelText(german)));
  double purchase = 0;
  for (const TDaten* coin : view_->shown()) purchase += coin->count * coin->purchaseprice;
  EXPECT_EQ(ColumnText(totals, edges_[5]), Win1252ToUtf8(FormatMoney(purchase, "\x80", german)));
  // The catalogue column has no total; left-aligned texts start at their left edge.
  EXPECT_EQ(ColumnText(totals, edges_[3]), "");
  for (int page = 1; page <= 3; ++page) {
    const auto page_lines = PageLines(words_, page);
    for (std::size_t i = 2; i + 1 < page_lines.size(); ++i) {
      const auto& line = page_lines[i];
      for (const int column : {2, 3, 4, 5}) {
        if (ColumnText(line, edges_[column]).empty()) continue;  // no total under the catalogue value
        double x_max = 0;
        for (const PdfWord& word : line) {
          if (word.x_min >= PrintUnitsToPoints(edges_[column].left) - 0.5 &&
              word.x_min <= PrintUnitsToPoints(edges_[column].right)) {
            x_max = std::max(x_max, word.x_max);
          }
        }
        EXPECT_NEAR(x_max, PrintUnitsToPoints(edges_[column].right), 0.3) << page << " " << i;
      }
      if (!ColumnText(line, edges_[0]).empty()) EXPECT_NEAR(line[0].x_min, PrintUnitsToPoints(0), 0.3);
    }
  }
}

TEST(ListPrintout, PurchaseTotalIsPiecesTimesPriceAndWideTextsAreCut) {
  test::TempDir folder;
  ListDocument list(0);
  list.document().Area(1)->cells = {{kAvMotive, 10, kAlignLeft}, {kPurchaseprice, 70, kAlignRight}};
  const auto add = [&](int count, double price) {
    auto coin = std::make_unique<TDaten>();
    coin->category = 1;
    coin->count = count;
    coin->purchaseprice = price;
    coin->av_motive = "Reichsadler mit Wappenschild";
    list.document().Append(std::move(coin));
  };
  add(3, 2.5);
  add(1, 4);
  list.document().RebuildDisplayOrder();
  list.View();
  const auto words = list.Print(folder / "kauf.pdf");
  const auto lines = PageLines(words, 1);
  ASSERT_EQ(lines.size(), 6u);  // header, headings, two rows, totals, footer
  const auto edges = ListColumnGeometry(1800, {10, 70});
  EXPECT_EQ(ColumnText(lines[2], edges[1]), "2,50");
  EXPECT_EQ(ColumnText(lines[3], edges[1]), "4,00");
  EXPECT_EQ(ColumnText(lines[4], edges[1]), "11,50 €");
  const std::string cut = ColumnText(lines[2], edges[0]);
  EXPECT_FALSE(cut.empty());
  EXPECT_LT(cut.size(), std::string("Reichsadler mit Wappenschild").size());
  EXPECT_EQ(std::string("Reichsadler mit Wappenschild").rfind(cut, 0), 0u) << cut;
  EXPECT_EQ(cut.find("…"), std::string::npos);
}

TEST(ListPrintout, ViewWithoutSumColumnsPrintsAnEmptyTotalsRow) {
  test::TempDir folder;
  ListDocument list(5, {{kItem, 90, kAlignLeft}, {kAvMotive, 200, kAlignCenter}});
  list.View();
  const auto lines = PageLines(list.Print(folder / "ohne.pdf"), 1);
  // Header, headings, five rows and the footer: the totals row holds no text.
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines.back()[0].text, "Korvex");
  // Centred cells sit in the middle of their column.
  const auto edges = ListColumnGeometry(1800, {90, 200});
  const auto& row = lines[2];
  const double middle = (row[1].x_min + row.back().x_max) / 2;
  EXPECT_NEAR(middle, PrintUnitsToPoints((edges[1].left + edges[1].right) / 2), 0.3);
}

TEST(ListPrintout, AListEndingAtAPageBreakContinuesOnlyWhenAnotherCoinFollows) {
  // A4 portrait: H = 2670, L = 36; a row is printed on the page while y <= H - 4L, y = k * L
  // before row k, so 70 rows fill the first page.
  const int per_page = (2670 - 4 * 36) / 36;
  test::TempDir folder;
  ListDocument full(per_page);
  full.View();
  const auto one = full.Print(folder / "voll.pdf");
  EXPECT_EQ(test::PdfPageCount(one), 1);
  EXPECT_TRUE(test::FindWords(one, "Fortsetzung").empty());

  ListDocument more(per_page + 1);
  more.View();
  const auto two = more.Print(folder / "mehr.pdf");
  EXPECT_EQ(test::PdfPageCount(two), 2);
  EXPECT_EQ(test::FindWords(two, "Fortsetzung", 1).size(), 1u);
  // The second page holds the headings, the carried subtotal, the one row and the totals.
  EXPECT_EQ(PageLines(two, 2).size(), 6u);
}

TEST(ListPrintout, ProgressMovesInStepsOfFiveAndAnAbortStopsBetweenRows) {
  test::TempDir folder;
  ListDocument list(200);
  list.View();
  std::vector<std::string> shown;
  bool ended = false;
  StatusProgress progress([&](const std::string& text) { shown.push_back(text); }, [&] { ended = true; });
  list.Print(folder / "fortschritt.pdf", {&progress, {}});
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back(), "Sende an Drucker. Fertig:100%");
  int last = -5;
  for (const std::string& text : shown) {
    ASSERT_EQ(text.rfind("Sende an Drucker. Fertig:", 0), 0u) << text;
    if (text.size() == 25) continue;  // the text alone, before the first step
    const int percent = std::stoi(text.substr(25));
    // Only the step that reaches 100 may follow less than five points after the last one shown.
    EXPECT_GE(percent, percent == 100 ? last : last + 5) << text;
    last = percent;
  }
  EXPECT_TRUE(ended);

  int asked = 0;
  const auto words = list.Print(folder / "abbruch.pdf", {nullptr, [&] { return ++asked > 5; }});
  EXPECT_EQ(asked, 6);
  // Five rows were printed; no totals row and no footer follow.
  EXPECT_EQ(PageLines(words, 1).size(), 7u);
  EXPECT_TRUE(test::FindWords(words, "Korvex").empty());
}

}  // namespace
}  // namespace korvex
