#include "reports/printpage.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <cmath>

#include "model/codepage.h"
#include "platform/widetext.h"

namespace korvex {

PageArea UsablePageArea(int printable_width_mm, int printable_height_mm) {
  return {printable_width_mm * kPrintUnitsPerMm - 2 * kPrintMargin,
          printable_height_mm * kPrintUnitsPerMm - 2 * kPrintMargin};
}

PrintCanvas::PrintCanvas(QPainter& painter, const QPaintDevice& device, int origin_x, int origin_y)
    : painter_(painter),
      origin_x_(origin_x),
      origin_y_(origin_y),
      scale_x_(device.logicalDpiX() / (25.4 * kPrintUnitsPerMm)),
      scale_y_(device.logicalDpiY() / (25.4 * kPrintUnitsPerMm)),
      area_(UsablePageArea(device.widthMM(), device.heightMM())) {
  SetUpPage();
  SetFont(HeadingFontHeight(kDefaultPrintFontSize), FontStyle::kNormal);
}

void PrintCanvas::SetUpPage() {
  painter_.resetTransform();
  painter_.scale(scale_x_, scale_y_);
  painter_.translate(origin_x_, origin_y_);
  QPen pen(Qt::black);
  pen.setWidth(kRuleWidth);
  pen.setCosmetic(false);
  painter_.setPen(pen);
}

void PrintCanvas::SetFont(int height, FontStyle style) {
  auto found = fonts_.find({height, style});
  if (found == fonts_.end()) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    // Unhinted, so that widths grow in proportion to the size and measure as they print.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setBold(style == FontStyle::kBold || style == FontStyle::kBoldItalic);
    font.setItalic(style == FontStyle::kItalic || style == FontStyle::kBoldItalic);
    // The layouts give cell heights (ascent and descent); Qt sizes fonts by their em.
    font.setPixelSize(std::max(1, height));
    const double cell = QFontMetricsF(font).height();
    if (cell > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(height * height / cell))));
    found = fonts_.emplace(std::make_tuple(height, style), CachedFont{font, QFontMetricsF(font)}).first;
  }
  font_ = &found->second;
  painter_.setFont(font_->font);
}

const QFontMetricsF& PrintCanvas::Metrics() const { return font_->metrics; }

int PrintCanvas::TextWidth(const QString& text) const {
  return static_cast<int>(std::ceil(Metrics().horizontalAdvance(text)));
}

void PrintCanvas::Text(int x, int y, const QString& text) {
  if (!text.isEmpty()) painter_.drawText(QPointF(x, y + Metrics().ascent()), text);
}

void PrintCanvas::TextRight(int right, int y, const QString& text) {
  if (text.isEmpty()) return;
  painter_.drawText(QPointF(right - Metrics().horizontalAdvance(text), y + Metrics().ascent()), text);
}

void PrintCanvas::TextCentred(int centre, int y, const QString& text) {
  if (text.isEmpty()) return;
  const double width = Metrics().horizontalAdvance(text);
  painter_.drawText(QPointF(centre - width / 2, y + Metrics().ascent()), text);
}

void PrintCanvas::TextClipped(int left, int top, int right, int bottom, int x, int y,
                              const QString& text) {
  if (text.isEmpty()) return;
  painter_.save();
  painter_.setClipRect(QRectF(left, top, right - left, bottom - top), Qt::IntersectClip);
  Text(x, y, text);
  painter_.restore();
}

QString PrintCanvas::CutToWidth(const QString& text, int width) const {
  const QFontMetricsF& metrics = Metrics();
  if (metrics.horizontalAdvance(text) <= width) return text;
  // Widths grow with every character added, so the longest prefix that fits is found by halving
  // instead of by taking one character off at a time.
  qsizetype fits = 0;
  qsizetype too_long = text.size();
  while (too_long - fits > 1) {
    const qsizetype middle = (fits + too_long) / 2;
    if (metrics.horizontalAdvance(text.left(middle)) <= width) fits = middle;
    else too_long = middle;
  }
  return text.left(fits);
}

void PrintCanvas::HorizontalLine(int x1, int x2, int y) { painter_.drawLine(QLineF(x1, y, x2, y)); }

void PrintCanvas::VerticalLine(int x, int y1, int y2) { painter_.drawLine(QLineF(x, y1, x, y2)); }

std::string VersionFooter(const std::string& name) { return std::string(kVersionLine) + ": " + name; }

QString PrintText(const std::string& win1252) { return FromWin1252(win1252); }

}  // namespace korvex
