#pragma once

#include <memory>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "model/collectiondocument.h"
#include "platform/messages.h"

namespace korvex::cli {

// A collection read from any file kind the program opens.
struct LoadedCollection {
  std::unique_ptr<CollectionDocument> document;
  // A collection file's version from its `fileinfo`, or a legacy file's 100 to 250.
  double file_version = 0;
  bool legacy = false;

  // The version as the dump gives it: a decimal number, for a legacy file a whole one.
  nlohmann::ordered_json VersionJson() const;
  // "1.0", "0.2", "250".
  std::string VersionText() const;
};

// The German name of a file kind by the extension of `path` ("Korvex 3 (komprimiert)"), as the
// open dialog calls it.
std::string FileKindName(const std::string& path);

// Reads the collection at `path` (UTF-8): ".mvc", ".mvv", ".mvs" and ".xml" as collection files,
// ".kvl" as legacy data file without the catalogue-number assignment. `password` is tried for a
// protected file; without it a terminal is asked. Messages of the readers go to `messages`.
// Throws UsageError for another extension and CommandError when the file cannot be read.
LoadedCollection LoadCollection(const std::string& path, const std::optional<std::string>& password,
                                MessageService& messages);

}  // namespace korvex::cli
