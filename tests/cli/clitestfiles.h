#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "model/collectiondocument.h"

namespace korvex::test {

// The collection the tool tests work on: "Deutschland" (area 1) and "Österreich" (area 2) with
// four coins in this collection order:
//   item 1, area 1, Schön "10", 2 pieces at 1234.50 (paid 1000.00, estimate 1300.00), bought
//     3 Feb 2001, with a note "Notiz für Münze 1";
//   item 2, area 1, Schön "9", 0 pieces (missing) at 5.00;
//   item 3, area 2, Schön "100", 3 pieces at 2.25, obverse "Edelweiß", no note object;
//   item 4, area 2, no Schön number, 1 piece at 10.00, no purchase date.
// The all-coins view shows item, count, catalogue value and purchase date; area 2 shows item,
// extra field 1 (named "Prägezeichen") and count. The stored sort keys are item descending.
std::unique_ptr<CollectionDocument> MakeToolCollection();

// Saves `document` as `path` (".mvc" compressed, anything else plain) with `password`.
void SaveCollection(CollectionDocument& document, const std::filesystem::path& path,
                    const std::string& password = "");

// Writes the tool collection as `path`.
std::filesystem::path WriteToolCollection(const std::filesystem::path& path,
                                          const std::string& password = "");

// A legacy data file of `version` (100, 120, 200 or 250) with two areas and three coins;
// `password` protects it when not empty.
std::filesystem::path WriteLegacyCollection(const std::filesystem::path& path, int version,
                                            const std::string& password = "");

// The standard output of `korvex-cli dump` as JSON; fails the test when the tool failed.
nlohmann::json DumpJson(const std::filesystem::path& file, const std::string& password = "");

}  // namespace korvex::test
