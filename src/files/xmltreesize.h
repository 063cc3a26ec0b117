#pragma once

#include <cstdint>
#include <string_view>

// How large a tree the XML parser would build of a text, measured before it parses: a hostile
// text of millions of tiny elements would need many times its own size.
namespace korvex::xml {

struct XmlTreeSize {
  uint64_t nodes = 0;  // start tags, CDATA sections and attributes
  int depth = 0;       // the deepest nesting of elements
};

// An upper bound for well-formed text: every start tag and CDATA section counts once, every "="
// inside a start tag (outside its quoted values) once. Text the parser rejects is measured up to
// wherever the scan gets; the parser stops there too. Stops counting once `node_limit` is passed.
// Text in UTF-16 or UTF-32 (recognised as the parser recognises it) is measured by its markup.
XmlTreeSize MeasureXmlTree(std::string_view text, uint64_t node_limit);

// Refuses a text whose tree would pass read_limits::kMaxXmlNodesPerTree or
// read_limits::kMaxXmlDepth, counting `outer_depth` elements that enclose the text, with
// EXMLException("Diese Datei ist keine Korvex-Datei oder die Datei ist beschädigt.").
void CheckXmlTreeSize(std::string_view text, int outer_depth = 0);

}  // namespace korvex::xml
