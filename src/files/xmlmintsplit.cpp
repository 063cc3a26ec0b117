#include "files/xmlmintsplit.h"

#include <cstring>

#include "model/textcompare.h"

namespace korvex::xml {
namespace {

bool StartsWith(std::string_view text, size_t pos, std::string_view prefix) {
  return text.compare(pos, prefix.size(), prefix) == 0;
}

bool IsWhitespace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Pieces parse on their own only in UTF-8 (or its ASCII subset); a declaration naming another
// encoding, or UTF-16 and UTF-32 text, goes to the parser as a whole.
bool IsPlainUtf8(std::string_view xml) {
  if (StartsWith(xml, 0, "\xEF\xBB\xBF")) xml.remove_prefix(3);
  if (xml.size() < 2 || xml[0] != '<' || xml[1] == '\0') return false;
  if (!StartsWith(xml, 0, "<?xml")) return true;
  const std::string_view declaration = xml.substr(0, xml.find("?>"));
  const size_t encoding = declaration.find("encoding");
  if (encoding == std::string_view::npos) return true;
  const size_t open = declaration.find_first_of("\"'", encoding);
  if (open == std::string_view::npos) return false;
  const size_t close = declaration.find(declaration[open], open + 1);
  if (close == std::string_view::npos) return false;
  return EqualAsciiUpper(declaration.substr(open + 1, close - open - 1), "UTF-8");
}

// The offset just after the first start tag `<name ...>` from `from` on, or npos; `name_at` is
// where its name begins, and `empty` tells whether the tag is of the form `<name/>`.
size_t AfterStartTag(std::string_view xml, std::string_view name, size_t from, size_t& name_at,
                     bool& empty) {
  for (size_t at = xml.find(name, from); at != std::string_view::npos; at = xml.find(name, at + 1)) {
    const size_t after = at + name.size();
    if (at == 0 || xml[at - 1] != '<' || after >= xml.size()) continue;
    if (xml[after] != '>' && xml[after] != '/' && !IsWhitespace(xml[after])) continue;
    const size_t gt = xml.find('>', after);
    if (gt == std::string_view::npos) return gt;
    name_at = at;
    empty = xml[gt - 1] == '/';
    return gt + 1;
  }
  return std::string_view::npos;
}

// Whether a coin starts at `at`, after blanks and line ends.
bool CoinStartsAt(std::string_view xml, size_t at, size_t end) {
  while (at < end && IsWhitespace(xml[at])) ++at;
  constexpr std::string_view kStart = "<mint";
  return at + kStart.size() < end && StartsWith(xml, at, kStart) &&
         (IsWhitespace(xml[at + kStart.size()]) || xml[at + kStart.size()] == '>' ||
          xml[at + kStart.size()] == '/');
}

}  // namespace

std::optional<MintListPieces> GuessMintListPieces(std::string_view xml) {
  if (!IsPlainUtf8(xml)) return std::nullopt;
  bool empty = false;
  MintListPieces result;
  const size_t content_begin = AfterStartTag(xml, "mintlist", 0, result.name_at, empty);
  if (content_begin == std::string_view::npos) return std::nullopt;
  if (empty) {
    result.content = {content_begin, content_begin};
    return result;
  }
  const size_t content_end = xml.rfind("</mintlist>");
  if (content_end == std::string_view::npos || content_end < content_begin) return std::nullopt;
  result.content = {content_begin, content_end};

  // A coin ends with `</mint>` followed by the next coin; a `</mint>` inside a coin (the weight)
  // is followed by something else.
  constexpr std::string_view kEnd = "</mint>";
  size_t piece_begin = content_begin;
  const char* cursor = xml.data() + content_begin;
  const char* const limit = xml.data() + content_end;
  while (const void* hit = memmem(cursor, static_cast<size_t>(limit - cursor), kEnd.data(), kEnd.size())) {
    const size_t after = static_cast<size_t>(static_cast<const char*>(hit) - xml.data()) + kEnd.size();
    if (CoinStartsAt(xml, after, content_end)) {
      result.pieces.push_back({piece_begin, after});
      piece_begin = after;
    }
    cursor = xml.data() + after;
  }
  if (piece_begin < content_end) result.pieces.push_back({piece_begin, content_end});
  return result;
}

}  // namespace korvex::xml
