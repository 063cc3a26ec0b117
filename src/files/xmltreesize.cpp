#include "files/xmltreesize.h"

#include <algorithm>
#include <string>

#include "files/fileerrors.h"
#include "files/readlimits.h"

namespace korvex::xml {
namespace {

constexpr size_t kEnd = std::string_view::npos;

// The position after the first `terminator` from `from` on, or the end of the text.
size_t After(std::string_view text, size_t from, std::string_view terminator) {
  const size_t at = text.find(terminator, from);
  return at == kEnd ? text.size() : at + terminator.size();
}

// The code units of a text the parser reads as UTF-16 or UTF-32, as it recognises them (by the
// byte order mark or by how "<" is spelt at the start): their size in bytes and their order.
struct CodeUnits {
  size_t size = 1;
  bool big_endian = false;
};

CodeUnits CodeUnitsOf(std::string_view text) {
  const auto starts = [&](std::string_view prefix) { return text.starts_with(prefix); };
  using namespace std::string_view_literals;
  if (starts("\x00\x00\xFE\xFF"sv) || starts("\x00\x00\x00<"sv)) return {4, true};
  if (starts("\xFF\xFE\x00\x00"sv) || starts("<\x00\x00\x00"sv)) return {4, false};
  if (starts("\xFE\xFF"sv) || starts("\x00<"sv)) return {2, true};
  if (starts("\xFF\xFE"sv) || starts("<\x00"sv)) return {2, false};
  return {};
}

// The markup of a UTF-16 or UTF-32 text spelt in single bytes: every character outside ASCII
// becomes "x", which is no markup in any encoding, so the tags stay exactly as they were.
std::string AsciiSkeleton(std::string_view text, CodeUnits units) {
  std::string skeleton;
  skeleton.reserve(text.size() / units.size);
  for (size_t at = 0; at + units.size <= text.size(); at += units.size) {
    uint32_t unit = 0;
    for (size_t k = 0; k < units.size; ++k) {
      const size_t byte = units.big_endian ? k : units.size - 1 - k;
      unit = unit << 8 | static_cast<unsigned char>(text[at + byte]);
    }
    skeleton += unit < 0x80 ? static_cast<char>(unit) : 'x';
  }
  return skeleton;
}

XmlTreeSize MeasureMarkup(std::string_view text, uint64_t node_limit);

}  // namespace

XmlTreeSize MeasureXmlTree(std::string_view text, uint64_t node_limit) {
  const CodeUnits units = CodeUnitsOf(text);
  if (units.size == 1) return MeasureMarkup(text, node_limit);
  return MeasureMarkup(AsciiSkeleton(text, units), node_limit);
}

namespace {

XmlTreeSize MeasureMarkup(std::string_view text, uint64_t node_limit) {
  XmlTreeSize size;
  int depth = 0;
  size_t at = 0;
  while (size.nodes <= node_limit && (at = text.find('<', at)) != kEnd) {
    ++at;
    if (at >= text.size()) break;
    const std::string_view rest = text.substr(at);
    if (rest[0] == '/') {
      depth = std::max(0, depth - 1);
      continue;
    }
    if (rest[0] == '?') {
      at = After(text, at, "?>");
      continue;
    }
    if (rest.starts_with("!--")) {
      at = After(text, at, "-->");
      continue;
    }
    if (rest.starts_with("![CDATA[")) {
      ++size.nodes;
      at = After(text, at, "]]>");
      continue;
    }
    // A document type declaration is scanned on from its start: whatever it holds can only count
    // more.
    if (rest[0] == '!') continue;

    ++size.nodes;
    char quote = 0;
    size_t i = at;
    for (; i < text.size(); ++i) {
      const char c = text[i];
      if (quote != 0) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '=') {
        ++size.nodes;
      } else if (c == '>') {
        break;
      }
    }
    if (i < text.size() && text[i - 1] != '/') size.depth = std::max(size.depth, ++depth);
    at = i;
  }
  return size;
}

}  // namespace

void CheckXmlTreeSize(std::string_view text, int outer_depth) {
  const XmlTreeSize size = MeasureXmlTree(text, read_limits::kMaxXmlNodesPerTree);
  if (size.nodes > read_limits::kMaxXmlNodesPerTree ||
      outer_depth + size.depth > read_limits::kMaxXmlDepth) {
    throw EXMLException(kNotACollectionFile);
  }
}

}  // namespace korvex::xml
