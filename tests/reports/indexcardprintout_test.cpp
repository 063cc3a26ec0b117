// The A6 index card, written into PDF files that poppler reads back.
#include <gtest/gtest.h>

#include <QImage>

#include "common/tempdir.h"
#include "reports/indexcardprintout.h"
#include "reports/pdfoutput.h"
#include "reports/pdfpicture.h"
#include "reports/pdfwords.h"

namespace korvex {
namespace {

using test::FindWords;
using test::PdfWord;

// The card's origin lies 1 mm inside the sheet; CW = 1480, E = 1460, M = 729 on A6 landscape.
double CardPoints(int units) { return (units + 10) * 72.0 / 254.0; }
constexpr int kMiddle = 729;
int Row(int n) { return IndexCardRowTop(kDefaultPrintFontSize, n); }

IndexCard Card() {
  TKategorie area;
  area.certificate = false;
  area.country = false;  // printed whatever the area uses
  TDaten coin;
  coin.numeral = "2";
  coin.currency = "Euro";
  coin.year = "2006";
  coin.schoen = "S-77";
  coin.country = "Deutschland";
  coin.city = "Hamburg";
  coin.master = "Meister";
  coin.mintlocation = "J";
  coin.av_motive = "Holstentor";
  coin.rv_motive = "Europa";
  coin.border = "Riffel";
  coin.weight = 8.5f;
  coin.dealer = "Schmidt";
  coin.case_ = 1;
  coin.item = "7";
  DetailViewFormat format;
  format.format = FormatSettings::German();
  format.currency_symbol = "EUR";
  IndexCard card;
  card.content = MakeDetailViewContent(coin, area, format);
  return card;
}

class IndexCardPrint : public ::testing::Test {
 protected:
  std::vector<PdfWord> Print(const IndexCard& card) {
    {
      auto pdf = NewPdfOutput(QString::fromStdString(pdf_.string()), IndexCardJobTitle(card.content),
                              QPageSize::A6, true);
      EXPECT_EQ(PrintIndexCard(*pdf, card), PrintOutcome::kPrinted);
    }
    return test::ReadPdfWords(pdf_);
  }

  static PdfWord Only(const std::vector<PdfWord>& words, const std::string& text) {
    const auto found = FindWords(words, text);
    EXPECT_EQ(found.size(), 1u) << text;
    return found.empty() ? PdfWord{} : found.front();
  }

  test::TempDir dir_;
  std::filesystem::path pdf_ = dir_ / "karte.pdf";
};

TEST_F(IndexCardPrint, TitleAndFieldRows) {
  const std::vector<PdfWord> words = Print(Card());
  EXPECT_EQ(test::PdfPageCount(words), 1);
  EXPECT_EQ(words[0].text, "2");
  EXPECT_NEAR(words[0].x_min, CardPoints(1), 0.5);
  // The first catalogue slot at the top right, ending 3 mm left of the card's width.
  const PdfWord number = Only(words, "S-77");
  EXPECT_NEAR(number.x_max, CardPoints(1480 - 30), 0.5);
  EXPECT_NEAR(number.y_min, CardPoints(5), 0.5);
  // Row 1: country at x = 1, city at M + 2; printed although the area does not use the country.
  const PdfWord land = Only(words, "Land:");
  EXPECT_NEAR(land.x_min, CardPoints(1), 0.5);
  EXPECT_NEAR(land.y_min, CardPoints(Row(1)), 0.5);
  const PdfWord city = Only(words, "Stadt:");
  EXPECT_NEAR(city.x_min, CardPoints(kMiddle + 2), 0.5);
  EXPECT_NEAR(city.y_min, CardPoints(Row(1)), 0.5);
  EXPECT_NEAR(Only(words, "Prägestätte:").y_min, CardPoints(Row(2)), 0.5);
  // Rows 3 to 5: the motive texts start together behind the widest caption.
  const PdfWord obverse = Only(words, "Holstentor");
  const PdfWord reverse = Only(words, "Europa");
  const PdfWord edge = Only(words, "Riffel");
  EXPECT_NEAR(obverse.y_min, CardPoints(Row(3)), 0.5);
  EXPECT_NEAR(edge.y_min, CardPoints(Row(5)), 0.5);
  EXPECT_NEAR(obverse.x_min, reverse.x_min, 0.3);
  EXPECT_NEAR(obverse.x_min, edge.x_min, 0.3);
  // The widest caption, "Motiv Revers:", ends where the texts begin.
  const auto row4 = test::WordsOnLine(words, 1, reverse.y_min);
  ASSERT_EQ(row4.size(), 3u);
  EXPECT_EQ(row4[1].text, "Revers:");
  EXPECT_GT(obverse.x_min, row4[1].x_max);
  EXPECT_NEAR(Only(words, "Gewicht:").y_min, CardPoints(Row(6)), 0.5);
  EXPECT_NEAR(Only(words, "Händler:").y_min, CardPoints(Row(9)), 0.5);
  const PdfWord case_ = Only(words, "Etui:");
  EXPECT_NEAR(case_.y_min, CardPoints(Row(10)), 0.5);
  EXPECT_NEAR(case_.x_min, CardPoints(kMiddle + 2), 0.5);
  EXPECT_TRUE(FindWords(words, "Zertifikat:").empty());
  EXPECT_NEAR(Only(words, "Bemerkungen,").y_min, CardPoints(Row(12)), 0.5);
  // The history line at half the font size below the picture band.
  const PdfWord history = Only(words, "Inventarnr:");
  EXPECT_NEAR(history.y_min, CardPoints(Row(24) + 1), 0.5);
  EXPECT_NEAR(history.y_max - history.y_min, 18 * 72.0 / 254, 0.4);
}

TEST_F(IndexCardPrint, TheNoteFlowsOverAtMostThreeRows) {
  IndexCard card = Card();
  std::string note;
  for (int i = 10; i < 99; ++i) note += "Wort" + std::to_string(i) + (i % 5 == 0 ? "\r\n" : " ");
  card.content.note = note;
  const std::vector<PdfWord> words = Print(card);
  std::vector<double> rows;
  std::vector<std::string> printed;
  for (const PdfWord word : words) {
    if (word.text.find("Wort") == std::string::npos) continue;
    printed.push_back(word.text);
    if (rows.empty() || std::abs(rows.back() - word.y_min) > 1) rows.push_back(word.y_min);
  }
  ASSERT_EQ(rows.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(rows[i], CardPoints(Row(13 + i)), 0.5);
  // The line breaks became blanks: the words follow one another, and the rest is dropped.
  ASSERT_GT(printed.size(), 10u);
  EXPECT_EQ(printed[0], "Wort10");
  EXPECT_EQ(printed[1], "Wort11");
  EXPECT_LT(printed.size(), 89u);
}

TEST_F(IndexCardPrint, PicturesInTheBandBelowTheNote) {
  const std::filesystem::path folder = dir_ / "Bilder";
  std::filesystem::create_directories(folder);
  QImage red(40, 40, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(QString::fromStdString((folder / "a.jpg").string()), "JPEG", 95));
  IndexCard card = Card();
  card.picture_folder = folder.string() + "/";
  card.content.obverse_picture = "a.jpg";
  Print(card);
  constexpr int kDpi = 100;
  const QImage page = test::RenderPdfPage(pdf_, 1, kDpi);
  // A = r(24) − r(16) = 304; 40 pixels are less than A div 2, so the picture prints 80 × 80,
  // centred in the slot from 1 to M + 1, its top at r(16) + 1.
  const int centre_x = 1 + (kMiddle - 80) / 2 + 40;
  const QColor inside = test::PixelAtPoints(page, kDpi, CardPoints(centre_x), CardPoints(Row(16) + 41));
  EXPECT_GT(inside.red(), 200);
  EXPECT_LT(inside.green(), 60);
  const QColor beside = test::PixelAtPoints(page, kDpi, CardPoints(centre_x - 60), CardPoints(Row(16) + 41));
  EXPECT_GT(beside.green(), 200);
  // Nothing in the reverse slot.
  const QColor reverse = test::PixelAtPoints(page, kDpi, CardPoints(kMiddle + 360), CardPoints(Row(16) + 41));
  EXPECT_GT(reverse.green(), 200);
}

}  // namespace
}  // namespace korvex
