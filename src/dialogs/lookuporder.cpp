#include "dialogs/lookuporder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>

namespace korvex {
namespace {

// How one byte of Windows-1252 text sorts: up to two base letters (or one non-letter), whether it
// carries an accent (its upper-case code, else 0) and whether it is an upper-case letter.
struct ByteWeight {
  char base[3] = {0, 0, 0};
  unsigned char accent = 0;
  bool upper = false;
};

// The upper-case partner of a Windows-1252 letter; other bytes stay.
unsigned char UpperOf(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c == 0x9A || c == 0x9C || c == 0x9E) return static_cast<unsigned char>(c - 16);  // š œ ž
  if (c == 0xFF) return 0x9F;                                                          // ÿ
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  return c;
}

bool IsLowerLetter(unsigned char c) { return UpperOf(c) != c; }

// The base letters of an upper-case Windows-1252 letter; empty for everything else.
const char* BaseLetters(unsigned char upper) {
  if (upper >= 'A' && upper <= 'Z') return nullptr;  // handled by the caller: its own base
  switch (upper) {
    case 0x8A: return "S";   // Š
    case 0x8C: return "OE";  // Œ
    case 0x8E: return "Z";   // Ž
    case 0x9F: return "Y";   // Ÿ
    case 0xC6: return "AE";  // Æ
    case 0xC7: return "C";   // Ç
    case 0xD0: return "D";   // Ð
    case 0xD1: return "N";   // Ñ
    case 0xD8: return "O";   // Ø
    case 0xDD: return "Y";   // Ý
    case 0xDE: return "TH";  // Þ
    case 0xDF: return "SS";  // ß
    default: break;
  }
  if (upper >= 0xC0 && upper <= 0xC5) return "A";
  if (upper >= 0xC8 && upper <= 0xCB) return "E";
  if (upper >= 0xCC && upper <= 0xCF) return "I";
  if (upper >= 0xD2 && upper <= 0xD6) return "O";
  if (upper >= 0xD9 && upper <= 0xDC) return "U";
  return "";
}

std::array<ByteWeight, 256> BuildWeights() {
  std::array<ByteWeight, 256> weights{};
  for (int code = 0; code < 256; ++code) {
    const auto c = static_cast<unsigned char>(code);
    if (IsLowerLetter(c)) weights[UpperOf(c)].upper = true;
  }
  for (int code = 0; code < 256; ++code) {
    const auto c = static_cast<unsigned char>(code);
    const unsigned char upper = UpperOf(c);
    ByteWeight& w = weights[code];
    const char* base = BaseLetters(upper);
    if (base == nullptr) {
      w.base[0] = static_cast<char>(upper);
    } else if (*base != '\0') {
      w.base[0] = base[0];
      w.base[1] = base[1];
      w.accent = upper;
    } else {
      w.base[0] = static_cast<char>(c);
    }
  }
  return weights;
}

const std::array<ByteWeight, 256>& Weights() {
  static const std::array<ByteWeight, 256> weights = BuildWeights();
  return weights;
}

// Primary weight of one base unit: non-letters by code, then digits, then letters.
uint16_t PrimaryWeight(char unit) {
  const auto c = static_cast<unsigned char>(unit);
  if (c >= 'A' && c <= 'Z') return static_cast<uint16_t>(0x3000 + c);
  if (c >= '0' && c <= '9') return static_cast<uint16_t>(0x2000 + c);
  return static_cast<uint16_t>(0x1000 + c);
}

void AppendWeight(std::string& key, uint16_t weight) {
  key += static_cast<char>(weight >> 8);
  key += static_cast<char>(weight & 0xFF);
}

}  // namespace

std::string LookupSortKey(std::string_view text) {
  const auto& weights = Weights();
  std::string key;
  key.reserve(text.size() * 6 + 8);
  for (char c : text) {
    const ByteWeight& w = weights[static_cast<unsigned char>(c)];
    for (const char* unit = w.base; *unit; ++unit) AppendWeight(key, PrimaryWeight(*unit));
  }
  AppendWeight(key, 0);
  for (char c : text) {
    const ByteWeight& w = weights[static_cast<unsigned char>(c)];
    for (const char* unit = w.base; *unit; ++unit) key += static_cast<char>(w.accent ? w.accent : 1);
  }
  key += '\0';
  for (char c : text) {
    const ByteWeight& w = weights[static_cast<unsigned char>(c)];
    for (const char* unit = w.base; *unit; ++unit) key += w.upper ? '\2' : '\1';
  }
  key += '\0';
  key.append(text);
  return key;
}

int CompareLookupText(std::string_view a, std::string_view b) {
  if (a == b) return 0;
  const std::string key_a = LookupSortKey(a);
  const std::string key_b = LookupSortKey(b);
  return key_a < key_b ? -1 : 1;
}

void SortLookupTexts(std::vector<std::string>& texts) {
  std::vector<std::string> keys;
  keys.reserve(texts.size());
  for (const std::string& text : texts) keys.push_back(LookupSortKey(text));
  std::vector<std::size_t> order(texts.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) { return keys[x] < keys[y]; });
  std::vector<std::string> sorted;
  sorted.reserve(texts.size());
  for (std::size_t index : order) sorted.push_back(std::move(texts[index]));
  texts = std::move(sorted);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperOf(static_cast<unsigned char>(a[i])) != UpperOf(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = static_cast<char>(UpperOf(static_cast<unsigned char>(c)));
  return folded;
}

}  // namespace korvex
