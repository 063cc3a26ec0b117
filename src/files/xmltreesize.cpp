#include "files/xmltreesize.h"

#include <algorithm>

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

}  // namespace

XmlTreeSize MeasureXmlTree(std::string_view text, uint64_t node_limit) {
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

void CheckXmlTreeSize(std::string_view text, int outer_depth) {
  const XmlTreeSize size = MeasureXmlTree(text, read_limits::kMaxXmlNodesPerTree);
  if (size.nodes > read_limits::kMaxXmlNodesPerTree ||
      outer_depth + size.depth > read_limits::kMaxXmlDepth) {
    throw EXMLException(kNotACollectionFile);
  }
}

}  // namespace korvex::xml
