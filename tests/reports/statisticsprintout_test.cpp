// The statistics printout drawn into PDF files and read back with poppler.
#include <gtest/gtest.h>

#include "common/tempdir.h"
#include "model/codepage.h"
#include "reports/listprinttestdata.h"
#include "reports/pdfoutput.h"
#include "reports/statisticsprintout.h"

namespace korvex {
namespace {

using test::ColumnText;
using test::PageLines;
using test::PdfWord;
using test::PrintUnitsToPoints;

// A collection of `areas` areas "Gebiet 1", ... with coins of area i costing i.
std::unique_ptr<test::DocumentBuilder> Areas(int areas) {
  auto builder = std::make_unique<test::DocumentBuilder>();
  for (int i = 1; i <= areas; ++i) {
    builder->AddArea("Gebiet " + std::to_string(i));
    builder->AddCoin(i, [i](TDaten& coin) {
      coin.count = i;
      coin.catalogue = 2.0 * i;
      coin.purchaseprice = i;
      coin.estimate = 3.0 * i;
    });
  }
  builder->document().SetFileName("/sammlungen/Gebiete.mvc");
  return builder;
}

std::vector<PdfWord> Print(const CollectionDocument& document, const std::filesystem::path& pdf,
                           int font_size = kDefaultPrintFontSize) {
  const StatisticsPrintout printout = MakeStatisticsPrintout(document, FormatSettings::German(), font_size);
  auto writer = NewPdfOutput(QString::fromStdString(pdf.string()), kStatisticsJobTitle);
  EXPECT_EQ(PrintStatistics(*writer, printout), PrintOutcome::kPrinted);
  writer.reset();
  return test::ReadPdfWords(pdf);
}

std::string LineText(const std::vector<PdfWord>& line) {
  std::string text;
  for (const PdfWord& word : line) text += (text.empty() ? "" : " ") + word.text;
  return text;
}

TEST(StatisticsPrintout, ColumnsTakeASeventhEachAndTheNamesTheRest) {
  const auto edges = StatisticsColumnGeometry(1800);
  ASSERT_EQ(edges.size(), 6u);
  EXPECT_EQ(edges[5].right, 1800);
  EXPECT_EQ(edges[5].left, 1800 - 257 + 10);
  EXPECT_EQ(edges[4].right, 1800 - 257 - 10);
  EXPECT_EQ(edges[1].left, 1800 - 5 * 257 + 10);
  EXPECT_EQ(edges[0].right, 1800 - 5 * 257 - 10);
  EXPECT_EQ(edges[0].left, 0);
}

TEST(StatisticsPrintout, FiveAreasOnOnePageLaidOutAsTheWindowShowsThem) {
  test::TempDir folder;
  auto builder = Areas(5);
  const auto words = Print(builder->document(), folder / "statistik.pdf");
  ASSERT_EQ(test::PdfPageCount(words), 1);
  const auto lines = PageLines(words, 1);
  ASSERT_EQ(lines.size(), 9u);  // title, headings, five areas, totals, footer
  EXPECT_EQ(LineText(lines[0]).rfind("Korvex - Version 3.1.3 Statistik Stand: ", 0), 0u) << LineText(lines[0]);
  EXPECT_NEAR(lines[0][0].y_min, PrintUnitsToPoints(0), 0.5);
  EXPECT_NEAR(lines[0].back().x_max, PrintUnitsToPoints(1800), 0.3);

  const auto edges = StatisticsColumnGeometry(1800);
  const std::vector<std::string> headings = {"Stück", "Katalogwert", "Kaufpreis", "Schätzwert", "Wertst."};
  EXPECT_NEAR(lines[1][0].y_min, PrintUnitsToPoints(36), 0.5);
  for (int column = 1; column <= 5; ++column) {
    EXPECT_EQ(ColumnText(lines[1], edges[column]), headings[column - 1]);
  }
  EXPECT_NEAR(test::FindWords(lines[1], "Kaufpreis")[0].x_max, PrintUnitsToPoints(edges[3].right), 0.3);

  const CollectionStatistics statistics = ComputeStatistics(builder->document());
  for (int area = 0; area < 5; ++area) {
    const auto& line = lines[2 + area];
    EXPECT_EQ(ColumnText(line, edges[0]), "Gebiet " + std::to_string(area + 1));
    EXPECT_NEAR(line[0].x_min, PrintUnitsToPoints(0), 0.3);
    const auto texts = StatisticsRowTexts(statistics.areas[area], "\x80", FormatSettings::German());
    for (int column = 1; column <= 5; ++column) {
      EXPECT_EQ(ColumnText(line, edges[column]), Win1252ToUtf8(texts[column - 1]));
    }
    EXPECT_NEAR(line.back().x_max, PrintUnitsToPoints(1800), 0.3);
  }
  // Pieces 1 + ... + 5; each coin of area i is worth 2i, cost i and is estimated at 3i per piece.
  EXPECT_EQ(LineText(lines[7]), "Gesamte Sammlung: 15 Stck 110,00 € 55,00 € 165,00 € 100,00 %");
  EXPECT_NEAR(lines[7].back().x_max, PrintUnitsToPoints(1800), 0.3);
  EXPECT_EQ(LineText(lines[8]), "Korvex - Version 3.1.3: Gebiete");
}

TEST(StatisticsPrintout, AreaNamesWiderThanTheirColumnAreCutWithoutEllipsis) {
  test::TempDir folder;
  auto builder = Areas(1);
  const std::string name = "Deutsches Kaiserreich und die Deutschen Staaten vor der Reichsgründung";
  builder->Area(1).name = test::W(name);
  const auto lines = PageLines(Print(builder->document(), folder / "lang.pdf"), 1);
  const std::string printed = ColumnText(lines[2], StatisticsColumnGeometry(1800)[0]);
  EXPECT_LT(printed.size(), name.size());
  EXPECT_GT(printed.size(), 10u);
  EXPECT_EQ(name.rfind(printed, 0), 0u) << printed;
}

TEST(StatisticsPrintout, AreasBeyondThePageContinueBelowRepeatedHeadingsWithNothingLost) {
  test::TempDir folder;
  auto builder = Areas(60);
  const auto words = Print(builder->document(), folder / "sechzig.pdf", 12);
  ASSERT_EQ(test::PdfPageCount(words), 2);
  std::vector<std::string> names;
  for (int page = 1; page <= 2; ++page) {
    const auto lines = PageLines(words, page);
    EXPECT_EQ(lines[0][0].text, "Korvex");
    const auto heading = test::FindWords(lines[1], "Katalogwert");
    ASSERT_EQ(heading.size(), 1u);
    EXPECT_NEAR(heading[0].x_max, PrintUnitsToPoints(StatisticsColumnGeometry(1800)[2].right), 0.3);
    for (const auto& line : lines) {
      const std::string text = LineText(line);
      if (text.rfind("Gebiet ", 0) == 0) names.push_back(line[0].text + " " + line[1].text);
    }
    EXPECT_EQ(test::FindWords(words, "Sammlung:", page).size(), page == 2 ? 1u : 0u);
  }
  ASSERT_EQ(names.size(), 60u);
  for (int i = 0; i < 60; ++i) EXPECT_EQ(names[i], "Gebiet " + std::to_string(i + 1));
  // The totals follow the last area.
  const auto last_page = PageLines(words, 2);
  EXPECT_EQ(LineText(last_page[last_page.size() - 3]).rfind("Gebiet 60 ", 0), 0u);
  EXPECT_EQ(LineText(last_page[last_page.size() - 2]).rfind("Gesamte Sammlung: 1830 Stck", 0), 0u);
}

}  // namespace
}  // namespace korvex
