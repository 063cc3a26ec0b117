#include "model/tzelle.h"

namespace korvex {

const std::string& AlignmentText(int align) {
  static const std::string kTexts[] = {"left", "right", "center", ""};
  return kTexts[align >= 0 && align <= 2 ? align : 3];
}

int AlignmentOfText(const std::string& text) {
  if (text == "right") return 1;
  if (text == "center") return 2;
  return 0;
}

}  // namespace korvex
