#pragma once

#include <nlohmann/json.hpp>

#include "model/collectiondocument.h"

namespace korvex::cli {

// The whole document as one JSON object for scripts and checks; texts become UTF-8.
// `file_version` is the version the reader found: a collection file's version as a decimal number
// (1.0), a legacy file's as the whole number of its magic (100 ... 250).
nlohmann::ordered_json DocumentToJson(const CollectionDocument& document,
                                      const nlohmann::ordered_json& file_version);

}  // namespace korvex::cli
