// print: the list and the statistics written as PDF files and read back with poppler.
#include <gtest/gtest.h>

#include "cli/clirunner.h"
#include "cli/clitestfiles.h"
#include "common/tempdir.h"
#include "reports/pdfwords.h"

namespace korvex::test {
namespace {

class CliPrint : public ::testing::Test {
 protected:
  std::vector<PdfWord> Printed(std::vector<std::string> arguments) {
    const CliResult result = RunCli(arguments);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    return ReadPdfWords(arguments[3]);
  }

  // The first word of every line of page 1 below the header and the headings that begins left of
  // `right` (0.1 mm): the first cells of the rows.
  static std::vector<std::string> FirstColumn(const std::vector<PdfWord>& words, int right) {
    std::vector<std::string> cells;
    double last_line = -1;
    for (const PdfWord& word : words) {
      if (word.page != 1 || word.y_min < PrintUnitsToPoints(2 * 36) - 1) continue;
      if (std::abs(word.y_min - last_line) < 1) continue;
      last_line = word.y_min;
      if (word.x_min < PrintUnitsToPoints(right)) cells.push_back(word.text);
    }
    return cells;
  }

  // The right end of the page header.
  static double HeaderEnd(const std::vector<PdfWord>& words) {
    double end = 0;
    for (const PdfWord& word : WordsOnLine(words, 1, words[0].y_min)) end = std::max(end, word.x_max);
    return end;
  }

  TempDir dir_;
  std::filesystem::path file_ = WriteToolCollection(dir_ / "s.mvc");
  std::string pdf_ = (dir_ / "aus.pdf").string();
};

TEST_F(CliPrint, ListOfAViewSortedByTheStoredKeysWithItsTotals) {
  const auto words = Printed({"print", "list", file_.string(), pdf_, "--area", "all", "--locale", "de"});
  EXPECT_EQ(PdfPageCount(words), 1);
  EXPECT_EQ(words[0].text, "Übersicht");
  EXPECT_EQ(words[2].text, "alle");
  // Item descending; the totals row has nothing in the first column, then comes the footer.
  // The item column is the first of four (widths 60, 30, 70, 70) and right-aligned.
  const int item_right = 1800 * 60 / 230 - 10;
  EXPECT_EQ(FirstColumn(words, item_right), (std::vector<std::string>{"4", "3", "2", "1"}));
  EXPECT_EQ(FindWords(words, "2.485,75").size(), 0u);  // no total catalogue value column
  EXPECT_EQ(FindWords(words, "6").size(), 1u);          // the pieces total
  EXPECT_EQ(FindWords(words, "03.02.2001").size(), 3u);
  // Portrait: the header ends at the right margin of a sheet 210 mm wide.
  EXPECT_NEAR(HeaderEnd(words), PrintUnitsToPoints(1800), 0.3);
}

TEST_F(CliPrint, ListWithFilterAreaAndLandscape) {
  const auto words = Printed({"print", "list", file_.string(), pdf_, "--area", "1", "--filter",
                              "missing", "--landscape", "--locale", "en"});
  EXPECT_EQ(words[2].text, "Deutschland");
  // The area's first column is the Schön number: "9" of the one coin missing.
  EXPECT_EQ(FirstColumn(words, 400), (std::vector<std::string>{"9"}));
  EXPECT_NEAR(HeaderEnd(words), PrintUnitsToPoints(2970 - 300), 0.3);
}

TEST_F(CliPrint, StatisticsOfTheWholeCollection) {
  const auto words = Printed({"print", "statistics", file_.string(), pdf_, "--locale", "de"});
  EXPECT_EQ(PdfPageCount(words), 1);
  EXPECT_EQ(words[4].text, "Statistik");
  ASSERT_EQ(FindWords(words, "Sammlung:").size(), 1u);
  const double totals_y = FindWords(words, "Sammlung:")[0].y_min;
  std::string totals;
  for (const PdfWord& word : WordsOnLine(words, 1, totals_y)) totals += word.text + " ";
  EXPECT_EQ(totals, "Gesamte Sammlung: 6 Stck 2.485,75 € 2.000,00 € 2.600,00 € 24,29 % ");
  EXPECT_EQ(FindWords(words, "Österreich").size(), 1u);
  EXPECT_EQ(words.back().text, "s");  // the footer names the file title
}

TEST_F(CliPrint, WrongUseAndOutputsThatCannotBeWritten) {
  EXPECT_EQ(RunCli({"print"}).exit_code, 2);
  EXPECT_EQ(RunCli({"print", "poster", file_.string(), pdf_}).exit_code, 2);
  EXPECT_EQ(RunCli({"print", "list", file_.string()}).exit_code, 2);
  EXPECT_EQ(RunCli({"print", "list", file_.string(), pdf_, "--font-size", "100"}).exit_code, 2);
  const CliResult overview = RunCli({"print", "--help"});
  EXPECT_EQ(overview.exit_code, 0);
  EXPECT_NE(overview.out.find("  list "), std::string::npos);
  EXPECT_NE(overview.out.find("  statistics "), std::string::npos);

  const CliResult same = RunCli({"print", "statistics", file_.string(), file_.string()});
  EXPECT_EQ(same.exit_code, 1);
  EXPECT_NE(same.err.find("nicht überschrieben"), std::string::npos) << same.err;
  const CliResult folder = RunCli({"print", "list", file_.string(), (dir_ / "fehlt" / "a.pdf").string()});
  EXPECT_EQ(folder.exit_code, 1);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "fehlt"));
  EXPECT_EQ(RunCli({"print", "list", file_.string(), pdf_, "--area", "7"}).exit_code, 1);
  EXPECT_FALSE(std::filesystem::exists(pdf_));
}

TEST_F(CliPrint, CoinSheetAndIndexCardOfOneCoin) {
  const auto sheet = Printed({"print", "sheet", file_.string(), pdf_, "--item", "1", "--locale", "de"});
  EXPECT_EQ(PdfPageCount(sheet), 1);
  ASSERT_FALSE(sheet.empty());
  // A coin without numeral and currency has a blank caption: the area's name comes first.
  EXPECT_EQ(sheet[0].text, "Deutschland");
  EXPECT_EQ(FindWords(sheet, "Seite:").size(), 1u);
  EXPECT_EQ(FindWords(sheet, "1.234,50").size(), 1u);
  EXPECT_EQ(FindWords(sheet, "Notiz").size(), 1u);
  EXPECT_EQ(FindWords(sheet, "Inventarnummer:").size(), 1u);

  const auto card = Printed({"print", "card", file_.string(), pdf_, "--item", "3", "--locale", "de"});
  EXPECT_EQ(PdfPageCount(card), 1);
  EXPECT_EQ(FindWords(card, "Bemerkungen,").size(), 1u);
  EXPECT_EQ(FindWords(card, "Edelweiß").size(), 1u);
  EXPECT_EQ(FindWords(card, "100").size(), 1u);  // the first catalogue slot at the top right
  // A6 landscape: the card is 148 mm wide.
  double right = 0;
  for (const PdfWord& word : card) right = std::max(right, word.x_max);
  EXPECT_LT(right, 148 * 72.0 / 25.4);
  EXPECT_GT(right, 120 * 72.0 / 25.4);

  const CliResult unknown = RunCli({"print", "card", file_.string(), pdf_, "--item", "99"});
  EXPECT_EQ(unknown.exit_code, 1);
  EXPECT_NE(unknown.err.find("Inventarnummer „99“"), std::string::npos) << unknown.err;
  EXPECT_EQ(RunCli({"print", "sheet", file_.string(), pdf_}).exit_code, 2);
  EXPECT_EQ(RunCli({"print", "card", file_.string(), pdf_, "--item", "1", "--pictures"}).exit_code, 2);
}

}  // namespace
}  // namespace korvex::test
