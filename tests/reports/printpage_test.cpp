// The page set-up and the text helpers, drawn into PDF files that poppler reads back and into
// pictures whose pixels are looked at.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "common/tempdir.h"
#include "reports/pdfoutput.h"
#include "reports/pdfwords.h"
#include "reports/printpage.h"

namespace korvex {
namespace {

using test::PrintUnitsToPoints;

TEST(PrintPage, UsableAreaLeavesFifteenMillimetresOnEverySide) {
  const PageArea a4 = UsablePageArea(210, 297);
  EXPECT_EQ(a4.width, 1800);
  EXPECT_EQ(a4.height, 2670);
  const PageArea card = UsablePageArea(148, 105);
  EXPECT_EQ(card.width, 1180);
  EXPECT_EQ(card.height, 750);
  EXPECT_EQ(HeadingFontHeight(9), 36);
  EXPECT_EQ(FooterFontHeight(9), 18);
}

// Draws with `draw` on an A4 PDF and returns its words.
template <typename Draw>
std::vector<test::PdfWord> DrawnWords(Draw draw) {
  test::TempDir folder;
  const auto path = folder / "seite.pdf";
  {
    auto writer = NewPdfOutput(QString::fromStdString(path.string()), QStringLiteral("Probe"));
    QPainter painter(writer.get());
    PrintCanvas canvas(painter, *writer);
    draw(canvas);
  }
  return test::ReadPdfWords(path);
}

TEST(PrintPage, TextsArePlacedByTheirTopLeftInTenthsOfAMillimetreFromTheMargin) {
  const auto words = DrawnWords([](PrintCanvas& canvas) {
    EXPECT_EQ(canvas.area().width, 1800);
    canvas.SetFont(36, FontStyle::kNormal);
    canvas.Text(0, 0, QStringLiteral("Oben"));
    canvas.Text(500, 1000, QStringLiteral("Mitte"));
  });
  ASSERT_EQ(words.size(), 2u);
  EXPECT_NEAR(words[0].x_min, PrintUnitsToPoints(0), 0.3);
  EXPECT_NEAR(words[0].y_min, PrintUnitsToPoints(0), 0.3);
  EXPECT_NEAR(words[1].x_min, PrintUnitsToPoints(500), 0.3);
  EXPECT_NEAR(words[1].y_min, PrintUnitsToPoints(1000), 0.3);
  // The font height is the height of the text's cell: 3.6 mm.
  EXPECT_NEAR(words[1].y_max - words[1].y_min, 36 * 72.0 / 254, 0.4);
}

TEST(PrintPage, RightAlignedAndCentredTexts) {
  const auto words = DrawnWords([](PrintCanvas& canvas) {
    canvas.SetFont(36, FontStyle::kBold);
    canvas.TextRight(1800, 0, QStringLiteral("Rechtsbündig"));
    canvas.TextCentred(900, 100, QStringLiteral("Zentriert"));
    canvas.SetFont(18, FontStyle::kItalic);
    canvas.TextRight(1000, 200, QStringLiteral("Fußzeile"));
  });
  ASSERT_EQ(words.size(), 3u);
  EXPECT_NEAR(words[0].x_max, PrintUnitsToPoints(1800), 0.3);
  EXPECT_NEAR((words[1].x_min + words[1].x_max) / 2, PrintUnitsToPoints(900), 0.3);
  EXPECT_NEAR(words[2].x_max, PrintUnitsToPoints(1000), 0.3);
  EXPECT_EQ(words[0].text, "Rechtsbündig");
  EXPECT_EQ(words[2].text, "Fußzeile");
}

TEST(PrintPage, CutFromTheEndUntilItFitsWithoutEllipsis) {
  DrawnWords([](PrintCanvas& canvas) {
    canvas.SetFont(36, FontStyle::kNormal);
    const QString text = QStringLiteral("Deutsches Kaiserreich Preußen");
    const int full = canvas.TextWidth(text);
    EXPECT_EQ(canvas.CutToWidth(text, full), text);
    for (const int width : {full - 1, full / 2, 120, 1}) {
      const QString cut = canvas.CutToWidth(text, width);
      EXPECT_TRUE(text.startsWith(cut)) << cut.toStdString();
      EXPECT_LE(canvas.TextWidth(cut), width + 1);
      // One more character would not fit.
      EXPECT_GT(canvas.TextWidth(text.left(cut.size() + 1)), width);
      EXPECT_FALSE(cut.contains(QChar(0x2026)));
    }
    EXPECT_EQ(canvas.CutToWidth(text, 0), QString());
  });
}

TEST(PrintPage, ClippedTextLeavesNothingOutsideItsRectangle) {
  // 254 dpi: one pixel is 0.1 mm, so picture pixels and layout units coincide.
  QImage picture(600, 400, QImage::Format_RGB32);
  picture.fill(Qt::white);
  picture.setDotsPerMeterX(10000);
  picture.setDotsPerMeterY(10000);
  {
    QPainter painter(&picture);
    PrintCanvas canvas(painter, picture, 0, 0);
    canvas.SetFont(80, FontStyle::kBold);
    canvas.TextClipped(10, 10, 200, 100, 10, 10, QStringLiteral("WWWWWWWWWWWWWWWW"));
  }
  int inside = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (qGray(picture.pixel(x, y)) > 128) continue;
      EXPECT_TRUE(x >= 10 && x < 200 && y >= 10 && y < 100) << x << "," << y;
      ++inside;
      if (::testing::Test::HasFailure()) return;
    }
  }
  EXPECT_GT(inside, 500);
}

TEST(PrintPage, RulesAreATenthOfAMillimetreWide) {
  QImage picture(400, 100, QImage::Format_RGB32);
  picture.fill(Qt::white);
  picture.setDotsPerMeterX(20000);  // two pixels per unit
  picture.setDotsPerMeterY(20000);
  {
    QPainter painter(&picture);
    PrintCanvas canvas(painter, picture, 0, 0);
    canvas.HorizontalLine(0, 150, 20);
  }
  int dark_rows = 0;
  for (int y = 0; y < picture.height(); ++y) {
    if (qGray(picture.pixel(100, y)) < 128) ++dark_rows;
  }
  EXPECT_EQ(dark_rows, 2);
  EXPECT_LT(qGray(picture.pixel(299, 40)), 128);
  EXPECT_EQ(qGray(picture.pixel(305, 40)), 255);
}

}  // namespace
}  // namespace korvex
