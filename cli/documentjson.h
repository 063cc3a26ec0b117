#pragma once

#include <nlohmann/json.hpp>

#include "model/collectiondocument.h"

namespace korvex::cli {

// The whole document as one JSON object for scripts and checks; texts become UTF-8.
// `file_version` is the version the reader found (a collection file's version, or 100 ... 250 for
// a legacy file).
nlohmann::ordered_json DocumentToJson(const CollectionDocument& document, double file_version);

}  // namespace korvex::cli
