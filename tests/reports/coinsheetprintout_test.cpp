// The coin sheet of the detail view, written into PDF files that poppler reads back.
#include <gtest/gtest.h>

#include <QImage>

#include "common/tempdir.h"
#include "reports/coinsheetprintout.h"
#include "reports/pdfoutput.h"
#include "reports/pdfpicture.h"
#include "reports/pdfwords.h"

namespace korvex {
namespace {

using test::FindWords;
using test::PdfWord;
using test::PrintUnitsToPoints;

// At the print font size 9: L = 36, W = 1800, H = 2670, M = 900, C = 300 (0.1 mm).
constexpr int kLine = 36;
constexpr int kMiddle = 900;

CoinSheet Sheet() {
  CoinSheet sheet;
  TKategorie area;
  area.name = "Deutsches Reich";
  area.z_name[0] = "Serie";
  area.z_active[0] = true;
  area.case_ = true;
  area.certificate = false;
  area.city = true;
  TDaten coin;
  coin.numeral = "5";
  coin.currency = "Mark";
  coin.year = "1936";
  coin.theme = "Olympia";
  coin.item = "42";
  coin.city = "Berlin";
  coin.weight = 13.88f;
  coin.av_motive = "Glocke";
  coin.z1 = "Olympische Spiele";
  coin.case_ = 1;
  DetailViewFormat format;
  format.format = FormatSettings::German();
  format.currency_symbol = "RM";
  sheet.content = MakeDetailViewContent(coin, area, format);
  sheet.date_text = "09.12.2026";
  return sheet;
}

class CoinSheetPrint : public ::testing::Test {
 protected:
  std::vector<PdfWord> Print(const CoinSheet& sheet, const PrintControl& control = {},
                             PrintOutcome expected = PrintOutcome::kPrinted) {
    {
      auto pdf = NewPdfOutput(QString::fromStdString(pdf_.string()), CoinSheetJobTitle(sheet.content));
      EXPECT_EQ(PrintCoinSheet(*pdf, sheet, control), expected);
    }
    return test::ReadPdfWords(pdf_);
  }

  // The words of `page` in the order printed, joined by blanks, below the header.
  static std::vector<std::string> Texts(const std::vector<PdfWord>& words, int page, double below) {
    std::vector<std::string> texts;
    for (const PdfWord& word : words) {
      if (word.page == page && word.y_min > below) texts.push_back(word.text);
    }
    return texts;
  }

  test::TempDir dir_;
  std::filesystem::path pdf_ = dir_ / "blatt.pdf";
};

TEST_F(CoinSheetPrint, HeaderFieldsAndRows) {
  const std::vector<PdfWord> words = Print(Sheet());
  ASSERT_GE(words.size(), 10u);
  EXPECT_EQ(test::PdfPageCount(words), 1);
  EXPECT_EQ(words[0].text, "5");
  EXPECT_NEAR(words[0].x_min, PrintUnitsToPoints(0), 0.5);
  EXPECT_NEAR(words[0].y_min, PrintUnitsToPoints(0), 0.5);
  const auto area = FindWords(words, "Deutsches");
  ASSERT_EQ(area.size(), 1u);
  EXPECT_NEAR(area[0].y_min, PrintUnitsToPoints(kLine), 0.5);
  const auto page = FindWords(words, "Seite:");
  ASSERT_EQ(page.size(), 1u);
  EXPECT_NEAR(page[0].x_min, PrintUnitsToPoints(kMiddle), 0.5);
  const auto number = test::WordsOnLine(words, 1, page[0].y_min);
  ASSERT_GE(number.size(), 4u);
  EXPECT_EQ(number[number.size() - 2].text, "1");
  EXPECT_EQ(number.back().text, "09.12.2026");
  EXPECT_NEAR(number.back().x_max, PrintUnitsToPoints(1800), 0.5);

  // The full-width lines, then the inventory number, then the rows from 1.3 L on.
  const double first = PrintUnitsToPoints(kLine + static_cast<int>(1.3 * kLine));
  const auto motive = FindWords(words, "Glocke");
  ASSERT_EQ(motive.size(), 1u);
  EXPECT_NEAR(motive[0].y_min, first, 0.5);
  EXPECT_NEAR(motive[0].x_min, PrintUnitsToPoints(310), 0.5);
  const auto item = FindWords(words, "Inventarnummer:");
  ASSERT_EQ(item.size(), 1u);
  EXPECT_NEAR(item[0].y_min, PrintUnitsToPoints(kLine + 46 + 3 * kLine), 0.5);
  // Row 1: Stadt on the left, Gewicht on the right, on one line.
  const auto city = FindWords(words, "Stadt:");
  const auto weight = FindWords(words, "Gewicht:");
  ASSERT_EQ(city.size(), 1u);
  ASSERT_EQ(weight.size(), 1u);
  EXPECT_NEAR(city[0].y_min, weight[0].y_min, 0.3);
  EXPECT_NEAR(weight[0].x_min, PrintUnitsToPoints(kMiddle), 0.5);
  EXPECT_EQ(FindWords(words, "13,880").size(), 1u);
  // The extra field of row 12, the case of row 17; no certificate, which the area does not use.
  EXPECT_EQ(FindWords(words, "Serie").size(), 1u);
  EXPECT_EQ(FindWords(words, "Etui:").size(), 1u);
  EXPECT_EQ(FindWords(words, "Vorhanden").size(), 1u);
  EXPECT_TRUE(FindWords(words, "Zertifikat:").empty());
  // The city is on row 1, the case far below it after empty rows that take no line.
  EXPECT_LT(city[0].y_min, FindWords(words, "Etui:")[0].y_min);
}

TEST_F(CoinSheetPrint, ALongNoteGoesOnWithTheHeaderOnTheNextPageWithoutLosingALine) {
  CoinSheet sheet = Sheet();
  std::string note;
  for (int i = 1; i <= 60; ++i) note += "Zeile" + std::to_string(i) + "\r\n";
  sheet.content.note = note;
  const std::vector<PdfWord> words = Print(sheet);
  EXPECT_EQ(test::PdfPageCount(words), 2);
  std::vector<std::string> lines;
  for (const PdfWord& word : words) {
    if (word.text.rfind("Zeile", 0) == 0) lines.push_back(word.text);
  }
  ASSERT_EQ(lines.size(), 60u);
  for (int i = 1; i <= 60; ++i) EXPECT_EQ(lines[i - 1], "Zeile" + std::to_string(i));
  const auto notice = FindWords(words, "Fortsetzung", 1);
  ASSERT_EQ(notice.size(), 1u);
  const auto notice_line = test::WordsOnLine(words, 1, notice[0].y_min);
  EXPECT_EQ(notice_line.back().text, "2");
  EXPECT_NEAR(notice_line.back().x_max, PrintUnitsToPoints(1800), 0.5);
  // The header again on page 2, with its page number, and the text going on 2L − 5 below it.
  EXPECT_EQ(FindWords(words, "Olympia)", 2).size(), 1u);
  const auto page = FindWords(words, "Seite:", 2);
  ASSERT_EQ(page.size(), 1u);
  const auto header = test::WordsOnLine(words, 2, page[0].y_min);
  const auto after = std::find_if(header.begin(), header.end(), [](const PdfWord& w) { return w.text == "Seite:"; });
  ASSERT_NE(after + 1, header.end());
  EXPECT_EQ((after + 1)->text, "2");
  const auto first_on_2 = std::find_if(words.begin(), words.end(), [](const PdfWord& w) {
    return w.page == 2 && w.text.rfind("Zeile", 0) == 0;
  });
  ASSERT_NE(first_on_2, words.end());
  EXPECT_NEAR(first_on_2->y_min, PrintUnitsToPoints(kLine + 2 * kLine - 5), 0.5);
  // Page 1 ends while a further line would come closer than 4 L to the bottom.
  double last_on_1 = 0;
  for (const PdfWord& word : words) {
    if (word.page == 1 && word.text.rfind("Zeile", 0) == 0) last_on_1 = std::max(last_on_1, word.y_min);
  }
  EXPECT_LT(last_on_1, PrintUnitsToPoints(2670 - 4 * kLine));
  EXPECT_GT(last_on_1, PrintUnitsToPoints(2670 - 6 * kLine));
}

TEST_F(CoinSheetPrint, AOneWordLineWiderThan173MillimetresIsHalvedUntilItFits) {
  CoinSheet sheet = Sheet();
  const std::string word(200, 'x');
  sheet.content.note = "kurz\r\n" + word + "\r\nEnde";
  const std::vector<PdfWord> words = Print(sheet);
  std::vector<std::string> pieces;
  for (const PdfWord& w : words) {
    if (w.text.find_first_not_of('x') == std::string::npos) {
      pieces.push_back(w.text);
      EXPECT_LE(w.x_max - w.x_min, 173 * 72.0 / 25.4);
      EXPECT_NEAR(w.x_min, PrintUnitsToPoints(0), 0.5);
    }
  }
  ASSERT_GE(pieces.size(), 2u);
  std::string joined;
  for (const std::string& piece : pieces) joined += piece;
  EXPECT_EQ(joined, word);
  // Halving: the first piece is the word halved once or more (200, 100, 50, ...).
  EXPECT_LT(pieces[0].size(), word.size());
  EXPECT_EQ(word.size() % pieces[0].size(), 0u);
  EXPECT_EQ(FindWords(words, "Ende").size(), 1u);
}

TEST(CoinSheetSplit, SplitsAtTheLastBlanksAndHalvesWords) {
  // Ten units per character: 173 characters fit.
  const auto width = [](const QString& text) { return static_cast<int>(text.size()) * 10; };
  const QString words = QString(100, 'a') + " " + QString(100, 'b');
  const std::vector<QString> lines = SplitFreeTextLine(words, width);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], QString(100, 'a'));
  EXPECT_EQ(lines[1], QString(100, 'b'));
  const std::vector<QString> halves = SplitFreeTextLine(QString(400, 'c'), width);
  ASSERT_EQ(halves.size(), 3u);
  EXPECT_EQ(halves[0].size(), 100);
  EXPECT_EQ(halves[1].size(), 150);
  EXPECT_EQ(halves[2].size(), 150);
  EXPECT_EQ(SplitFreeTextLine(QStringLiteral("passt"), width), std::vector<QString>{"passt"});
}

TEST_F(CoinSheetPrint, StopsPrintingTheNoteWhenTheJobIsAborted) {
  CoinSheet sheet = Sheet();
  sheet.content.note = "eins\r\nzwei\r\ndrei\r\nvier";
  int asked = 0;
  const PrintControl control{nullptr, [&asked] { return ++asked > 2; }};
  const std::vector<PdfWord> words = Print(sheet, control, PrintOutcome::kAborted);
  EXPECT_EQ(FindWords(words, "zwei").size(), 1u);
  EXPECT_TRUE(FindWords(words, "drei").empty());
}

TEST_F(CoinSheetPrint, PicturesSitInTheirSlotsOnlyWhenPrintedWithPictures) {
  const std::filesystem::path folder = dir_ / "Bilder";
  std::filesystem::create_directories(folder);
  QImage red(300, 200, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(QString::fromStdString((folder / "avers.jpg").string()), "JPEG", 95));
  QImage blue(200, 300, QImage::Format_RGB32);
  blue.fill(Qt::blue);
  ASSERT_TRUE(blue.save(QString::fromStdString((folder / "revers.bmp").string()), "BMP"));
  CoinSheet sheet = Sheet();
  sheet.picture_folder = folder.string() + "/";
  sheet.content.obverse_picture = "avers.jpg";
  sheet.content.reverse_picture = "revers.bmp";
  sheet.with_pictures = true;
  const std::vector<PdfWord> words = Print(sheet);
  constexpr int kDpi = 50;
  const QImage page = test::RenderPdfPage(pdf_, 1, kDpi);
  // Pictures start at y = L + 1.3 L + L, one unit lower; twice their pixel size fits the slots:
  // the avers 600 × 400 centred in 0..900, the revers 400 × 600 centred in 900..1800.
  const int top = kLine + 46 + kLine + 1;
  const QColor obverse = test::PixelAtPoints(page, kDpi, PrintUnitsToPoints(450), PrintUnitsToPoints(top + 200));
  EXPECT_GT(obverse.red(), 200);
  EXPECT_LT(obverse.blue(), 60);
  const QColor reverse = test::PixelAtPoints(page, kDpi, PrintUnitsToPoints(1350), PrintUnitsToPoints(top + 300));
  EXPECT_GT(reverse.blue(), 200);
  EXPECT_LT(reverse.red(), 60);
  // Left of the avers' rectangle (it starts at 150) the page is white.
  EXPECT_GT(test::PixelAtPoints(page, kDpi, PrintUnitsToPoints(100), PrintUnitsToPoints(top + 200)).green(), 200);
  // The fields follow the taller picture and one line.
  const auto motive = FindWords(words, "Glocke");
  ASSERT_EQ(motive.size(), 1u);
  EXPECT_NEAR(motive[0].y_min, PrintUnitsToPoints(top - 1 + 600 + kLine), 0.5);

  sheet.with_pictures = false;
  Print(sheet);
  const QImage plain = test::RenderPdfPage(pdf_, 1, kDpi);
  EXPECT_GT(test::PixelAtPoints(plain, kDpi, PrintUnitsToPoints(450), PrintUnitsToPoints(top + 200)).blue(), 200);
}

}  // namespace
}  // namespace korvex
