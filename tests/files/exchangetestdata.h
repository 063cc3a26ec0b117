#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/collectiondocument.h"

namespace korvex::test {

// Two areas "Deutschland" and "Schweiz" and coins filled in every field the text export carries.
void AddExchangeAreas(CollectionDocument& document);
std::unique_ptr<TDaten> MakeExchangeCoin(int n, int category);

// The lines of a file without their CR LF; fails the test when a line ends otherwise.
std::vector<std::string> CrLfLines(const std::string& bytes);
std::vector<std::string> SplitAt(const std::string& line, char separator);

}  // namespace korvex::test
