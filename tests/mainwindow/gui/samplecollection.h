#pragma once

#include <filesystem>
#include <string>

#include "model/collectiondocument.h"

namespace korvex::test {

// A small collection: three areas ("Deutschland" with a toolbar button whose icon file is
// missing, "Österreich", "Schweiz"), six coins, shown in the view of area 1.
//   Deutschland: "1" (count 2, catalogue 10), "2" (count 0), "3" (count 1, catalogue 0.5)
//   Österreich:  "4", "5";   Schweiz: "6"
void FillSampleCollection(CollectionDocument& doc);

// Writes `doc` to `path` (compressed for ".mvc") with the program's own file writer.
void WriteCollection(CollectionDocument& doc, const std::filesystem::path& path);

// Reads a collection file into a fresh document; `password` answers the password question.
void ReadCollection(CollectionDocument& doc, const std::filesystem::path& path,
                    const std::string& password = {});

}  // namespace korvex::test
