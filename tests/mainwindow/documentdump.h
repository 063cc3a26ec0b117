#pragma once

#include <string>

#include "model/collectiondocument.h"

namespace korvex::test {

// The whole document as text for comparing states: the JSON of `korvex-cli dump` (coins in
// collection order with every value and note, areas, columns, sort keys, counters), then the
// display order and the last coin, which the JSON does not show.
std::string DocumentDump(const CollectionDocument& document);

// The same without the shown view, which commands change without a step of their own.
std::string ContentDump(const CollectionDocument& document);

// Empty when both dumps agree; otherwise the first line where they part, with its number.
std::string DumpDifference(const std::string& expected, const std::string& actual);

}  // namespace korvex::test
