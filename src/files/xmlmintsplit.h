#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// Cutting the coin list of a collection file into pieces that the reader parses and reads one at a
// time: a tree of the whole file is several times its size and is read back from memory that no
// cache holds, while the tree of one coin stays in the cache from parsing to reading.
namespace korvex::xml {

struct TextRange {
  size_t begin = 0;
  size_t end = 0;
};

struct MintListPieces {
  size_t name_at = 0;              // where the name of the `<mintlist>` start tag begins
  TextRange content;               // everything between `<mintlist>` and `</mintlist>`
  std::vector<TextRange> pieces;   // the content cut after each coin, in order
};

// A cheap guess at where the `mintlist` of a UTF-8 collection file lies and where its coins end,
// found by searching the text rather than parsing it. It is only a guess: the caller must parse
// every piece and the rest of the file on their own and fall back to parsing the whole text when
// any of them is not well-formed, since a guess that cut in a wrong place always leaves a piece
// that is not, and when the `mintlist` that the document element holds is not the one at
// `name_at`. Nothing for text in another encoding and for text without a `mintlist`.
std::optional<MintListPieces> GuessMintListPieces(std::string_view xml);

}  // namespace korvex::xml
