#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <map>
#include <string>
#include <tuple>

class QPainter;
class QPaintDevice;

namespace korvex {

// Printouts are laid out in units of 0.1 mm with y growing downward.
inline constexpr int kPrintUnitsPerMm = 10;
// The margin every printout keeps on each side of the printable area: 15 mm.
inline constexpr int kPrintMargin = 150;
// The width of every rule: 0.1 mm.
inline constexpr int kRuleWidth = 1;

// The part of a page a printout fills, in 0.1 mm: the printable size less the margins on both
// sides (W and H of the layouts).
struct PageArea {
  int width = 0;
  int height = 0;
};
PageArea UsablePageArea(int printable_width_mm, int printable_height_mm);

// The print font size F of a first start (`Printer_Font_Size`).
inline constexpr int kDefaultPrintFontSize = 9;

// The font heights of printouts, scaled from the print font size F of the settings: 4F for
// headings and table lines (which is also their line step), 2F for footers.
inline constexpr int HeadingFontHeight(int font_size) { return 4 * font_size; }
inline constexpr int FooterFontHeight(int font_size) { return 2 * font_size; }

enum class FontStyle { kNormal, kBold, kItalic, kBoldItalic };

// A page to print on: a painter on any paint device (a printer in the window, a PDF writer in the
// command-line tool and the tests) mapped to units of 0.1 mm, y downward, with the origin at the
// margin inside the printable area. Texts are placed by their top edge, as the layouts give them.
class PrintCanvas {
 public:
  // `painter` is active on `device`. The origin lies `origin_x` and `origin_y` units right of and
  // below the printable area's top-left corner; the usable area is what the margins leave.
  PrintCanvas(QPainter& painter, const QPaintDevice& device, int origin_x = kPrintMargin,
              int origin_y = kPrintMargin);

  const PageArea& area() const { return area_; }
  QPainter& painter() { return painter_; }

  // Maps the painter again; a printer keeps its painter across pages, but the mapping is set up
  // anew for every page as the layouts describe it.
  void SetUpPage();

  // "Arial" with a cell height of `height` units; until the first call, the table font of the
  // default print font size.
  void SetFont(int height, FontStyle style);

  int TextWidth(const QString& text) const;
  void Text(int x, int y, const QString& text);
  // Right-aligned: the text ends at `right`.
  void TextRight(int right, int y, const QString& text);
  // Centred on `centre`.
  void TextCentred(int centre, int y, const QString& text);
  // Drawn at (x, y) but clipped to the rectangle from (left, top) to (right, bottom).
  void TextClipped(int left, int top, int right, int bottom, int x, int y, const QString& text);
  // The text cut from its end, one character at a time, until it fits `width`; no ellipsis.
  QString CutToWidth(const QString& text, int width) const;

  // Lines 0.1 mm wide, in black.
  void HorizontalLine(int x1, int x2, int y);
  void VerticalLine(int x, int y1, int y2);

 private:
  QPainter& painter_;
  int origin_x_;
  int origin_y_;
  double scale_x_;
  double scale_y_;
  PageArea area_;
  struct CachedFont {
    QFont font;
    QFontMetricsF metrics;
  };
  const QFontMetricsF& Metrics() const;

  std::map<std::tuple<int, FontStyle>, CachedFont> fonts_;
  const CachedFont* font_ = nullptr;
};

// The program and version line that ends the list and statistics printouts, followed by `name`
// (Windows-1252): "Korvex  - Version 3.1.3: Sammlung".
std::string VersionFooter(const std::string& name);
// The same line without the colon, before the statistics printout's title.
inline constexpr const char* kVersionLine = "Korvex  - Version 3.1.3";

// A Windows-1252 text of the document as the canvas takes it.
QString PrintText(const std::string& win1252);

}  // namespace korvex
