#pragma once

#include <string>
#include <vector>

#include "model/collectiondocument.h"
#include "platform/messages.h"

namespace korvex::cli {

// Nothing is ever written over an input file: throws CommandError when `output` (UTF-8) names the
// same file as one of `inputs`.
void RefuseInputAsOutput(const std::string& output, const std::vector<std::string>& inputs);

// The same for a collection file that is about to be saved, whose save also moves an existing
// output file to its ".alteversion" name: that name must not be an input either. Throws
// UsageError when `output` is neither ".mvc" nor ".mvs".
void CheckCollectionOutput(const std::string& output, const std::vector<std::string>& inputs);

// Saves `document` as `output` (UTF-8): ".mvc" compressed with the password in force, ".mvs"
// plain. A document read from a legacy file goes where it is told, not beside its old file.
// Throws CommandError when saving failed (the reason has gone to `messages`).
void SaveCollectionAs(CollectionDocument& document, const std::string& output,
                      MessageService& messages);

// True for a ".mvc" output, false for ".mvs"; UsageError for any other extension.
bool IsCompressedOutput(const std::string& output);

}  // namespace korvex::cli
