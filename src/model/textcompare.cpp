#include "model/textcompare.h"

namespace korvex {
namespace {

constexpr unsigned char kUpperAUmlaut = 0xC4;
constexpr unsigned char kUpperOUmlaut = 0xD6;
constexpr unsigned char kUpperUUmlaut = 0xDC;

inline unsigned char UpperByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

inline unsigned char FoldByte(unsigned char c) {
  c = UpperByte(c);
  switch (c) {
    case kUpperAUmlaut: return 'A';
    case kUpperOUmlaut: return 'O';
    case kUpperUUmlaut: return 'U';
    default: return c;
  }
}

template <typename Map>
int CompareMapped(std::string_view a, std::string_view b, Map map) {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < common; ++i) {
    const int ca = map(static_cast<unsigned char>(a[i]));
    const int cb = map(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca - cb;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace

std::string AsciiUpper(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
  return result;
}

std::string SortFold(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
  return result;
}

int CompareBytes(std::string_view a, std::string_view b) {
  return CompareMapped(a, b, [](unsigned char c) { return c; });
}

int CompareAsciiUpper(std::string_view a, std::string_view b) {
  return CompareMapped(a, b, UpperByte);
}

int CompareFolded(std::string_view a, std::string_view b) {
  return CompareMapped(a, b, FoldByte);
}

bool EqualAsciiUpper(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareAsciiUpper(a, b) == 0;
}

}  // namespace korvex
