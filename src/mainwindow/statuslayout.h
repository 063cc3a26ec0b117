#pragma once

#include <array>
#include <functional>
#include <string>

namespace korvex {

// The pixel width of a text in the status bar's font; the text is Windows-1252.
using TextWidthFunction = std::function<int(const std::string&)>;

// The widths of the five status panels. Panels 2 and 3 (value total, password) get a tenth of
// about 6.3 times the window width and panel 1 (pieces) three quarters of that, each widened to
// fit its text; panel 4 ("Geändert") keeps one and a half times the width of that word and panel
// 0 (messages) takes what remains. `texts` are the panels' current texts.
std::array<int, 5> StatusPanelWidths(int window_width, int status_bar_width,
                                     const std::array<std::string, 5>& texts,
                                     const TextWidthFunction& text_width);

}  // namespace korvex
