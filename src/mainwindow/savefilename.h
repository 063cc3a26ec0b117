#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvex {

class MessageService;

// The extension a file dialog's type stands for, from its first pattern: ".csv" for "*.csv";
// empty for a pattern such as "*" that names none, and for no pattern.
std::string ExtensionOfPatterns(const std::vector<std::string>& patterns);

// `path` with `extension` (".txt") appended when its file name has no extension of its own; the
// names a save dialog returns as typed.
std::string WithDefaultExtension(const std::string& path, std::string_view extension);

// Where "Speichern unter..." writes a collection and in which container. A typed ".mvc" or ".mvs"
// decides the container whatever type the dialog showed; any other name gets the extension of the
// chosen type (".mvc" compressed, ".mvs" plain). Opening decides the container by the extension,
// so the file always opens again as what was written.
struct CollectionSaveTarget {
  std::string path;
  bool compressed = true;
};
CollectionSaveTarget CollectionSaveTargetOf(const std::string& typed_path, bool compressed_type_chosen);

// The save dialog asked before replacing the file the user chose; when an extension was added to
// that name, an existing file of the longer name is asked about here (Ja/Nein). UTF-8 paths.
bool MayWriteFile(const std::string& chosen_path, const std::string& final_path, MessageService& messages);

}  // namespace korvex
