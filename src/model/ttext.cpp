#include "model/ttext.h"

namespace korvex {

void TText::NormaliseLineEnds() {
  if (text.find('\n') == std::string::npos) return;
  std::string result;
  result.reserve(text.size() + 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
    result += text[i];
  }
  text = std::move(result);
}

}  // namespace korvex
