#pragma once

#include <string>

namespace korvex {

// One grid column: the field it shows, its width in pixels and its alignment.
struct TZelle {
  int type = 0;
  int width = 100;
  int align = 0;  // 0 left, 1 right, 2 centre

  bool operator==(const TZelle&) const = default;
};

// "left", "right", "center"; the empty text for values outside 0 to 2.
const std::string& AlignmentText(int align);

// "right" is 1, "center" is 2, every other text 0.
int AlignmentOfText(const std::string& text);

}  // namespace korvex
