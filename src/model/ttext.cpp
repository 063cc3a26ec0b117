#include "model/ttext.h"

namespace korvex {
namespace {

// Whether a line end other than CR LF occurs: a CR without LF after it, or an LF without CR
// before it.
bool HasOtherLineEnds(const std::string& text) {
  for (std::size_t i = text.find_first_of("\r\n"); i != std::string::npos;
       i = text.find_first_of("\r\n", i + 1)) {
    if (text[i] == '\n') return true;
    if (i + 1 == text.size() || text[i + 1] != '\n') return true;
    ++i;  // the LF of this CR LF
  }
  return false;
}

}  // namespace

void TText::NormaliseLineEnds() {
  if (!HasOtherLineEnds(text)) return;
  std::string result;
  result.reserve(text.size() + 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      result += "\r\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      result += c;
    }
  }
  text = std::move(result);
}

}  // namespace korvex
