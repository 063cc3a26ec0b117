#include "mainwindow/statuslayout.h"

#include <algorithm>

#include "model/codepage.h"
#include "model/rounding.h"

namespace korvex {
namespace {

int Rounded(double value) { return static_cast<int>(RoundHalfEven(value)); }

}  // namespace

std::array<int, 5> StatusPanelWidths(int window_width, int status_bar_width,
                                     const std::array<std::string, 5>& texts,
                                     const TextWidthFunction& text_width) {
  std::array<int, 5> widths{};
  widths[2] = Rounded(window_width * 10.0 / 63.0);
  widths[3] = widths[2];
  widths[1] = Rounded(widths[2] * 3.0 / 4.0);
  for (int panel : {2, 3, 1}) widths[panel] = std::max(widths[panel], text_width(texts[panel]) + 7);
  const int modified_width = Rounded(text_width(Utf8ToWin1252("Geändert")) * 1.5);
  // A narrow window would leave the message panel a negative width; it shrinks to nothing instead.
  widths[0] = std::max(0, status_bar_width - (widths[3] + widths[1] + widths[2]) - modified_width);
  widths[4] = std::max(0, status_bar_width - (widths[0] + widths[1] + widths[2] + widths[3]));
  return widths;
}

}  // namespace korvex
