#include "mainwindow/savefilename.h"

#include <filesystem>

#include "model/paths.h"
#include "model/textcompare.h"
#include "platform/messages.h"

namespace korvex {

std::string ExtensionOfPatterns(const std::vector<std::string>& patterns) {
  if (patterns.empty()) return {};
  const std::string_view pattern = patterns.front();
  if (!pattern.starts_with("*.") || pattern.size() == 2) return {};
  const std::string_view extension = pattern.substr(1);
  if (extension.find_first_of("*?") != std::string_view::npos) return {};
  return std::string(extension);
}

std::string WithDefaultExtension(const std::string& path, std::string_view extension) {
  if (extension.empty() || !ExtensionOf(path).empty()) return path;
  return path + std::string(extension);
}

CollectionSaveTarget CollectionSaveTargetOf(const std::string& typed_path, bool compressed_type_chosen) {
  const std::string extension = ExtensionOf(typed_path);
  if (EqualAsciiUpper(extension, ".MVC")) return {typed_path, true};
  if (EqualAsciiUpper(extension, ".MVS")) return {typed_path, false};
  return {typed_path + (compressed_type_chosen ? ".mvc" : ".mvs"), compressed_type_chosen};
}

bool MayWriteFile(const std::string& chosen_path, const std::string& final_path, MessageService& messages) {
  std::error_code error;
  if (final_path == chosen_path || !std::filesystem::exists(std::filesystem::path(final_path), error)) return true;
  return messages.AskYesNo("Die Datei \"" + final_path + "\" ist bereits vorhanden. Möchten Sie sie ersetzen?",
                           MessageKind::kWarning);
}

}  // namespace korvex
