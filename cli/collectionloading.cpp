#include "cli/collectionloading.h"

#include <cmath>
#include <cstdio>

#include "cli/arguments.h"
#include "cli/terminal.h"
#include "files/collectionfileio.h"
#include "files/fileerrors.h"
#include "files/legacyfile.h"
#include "model/codepage.h"
#include "model/paths.h"
#include "model/textcompare.h"
#include "platform/progress.h"

namespace korvex::cli {
namespace {

struct FileKind {
  const char* extension;
  const char* name;
};

constexpr FileKind kFileKinds[] = {
    {".mvc", "Korvex 3 (komprimiert)"}, {".mvs", "Korvex 3 (standard)"},
    {".xml", "XML-Datei"},              {".mvv", "Korvex Vorlage"},
    {".kvl", "Korvex 2.x/1.x"},
};

const FileKind* KindOf(const std::string& path) {
  const std::string extension = ExtensionOf(path);
  for (const FileKind& kind : kFileKinds) {
    if (EqualAsciiUpper(extension, kind.extension)) return &kind;
  }
  return nullptr;
}

LoadedCollection ReadLegacy(const std::string& path, PasswordPrompt& passwords,
                            MessageService& messages) {
  LoadedCollection loaded{std::make_unique<CollectionDocument>(), 0, true};
  NoProgress progress;
  // No number assignment: the tool converts and reports without asking which catalogue systems
  // the three numbers belong to.
  const LegacyReadResult result =
      ReadLegacyFile(path, *loaded.document, {messages, passwords, progress, nullptr});
  // The reader has shown why it failed.
  if (!result.Read()) throw CommandError("");
  loaded.file_version = loaded.document->legacy_version;
  return loaded;
}

LoadedCollection ReadCollection(const std::string& path, PasswordPrompt& passwords,
                                MessageService& messages) {
  LoadedCollection loaded{std::make_unique<CollectionDocument>(), 0, false};
  CollectionDocument& document = *loaded.document;
  document.SetFileName(path);
  document.has_name = true;
  document.compressed = IsCompressedCollectionPath(path);
  NoProgress progress;
  try {
    const XmlReadReport report = ReadCollectionFile(document, path, passwords, progress);
    loaded.file_version = report.file_version;
    if (report.rescued_coins > 0) {
      messages.Warning(std::to_string(report.rescued_coins) +
                       " Münzen ohne gültiges Sammelgebiet wurden in ein neues Sammelgebiet "
                       "verschoben.");
    }
  } catch (const EPassword& error) {
    throw CommandError(error.message());
  }
  document.RebuildDisplayOrder();
  return loaded;
}

}  // namespace

nlohmann::ordered_json LoadedCollection::VersionJson() const {
  if (legacy) return static_cast<int>(file_version);
  return file_version;
}

std::string LoadedCollection::VersionText() const {
  if (legacy) return std::to_string(static_cast<int>(file_version));
  char text[32];
  const bool whole = std::floor(file_version) == file_version;
  std::snprintf(text, sizeof text, whole ? "%.1f" : "%g", file_version);
  return text;
}

std::string FileKindName(const std::string& path) {
  const FileKind* kind = KindOf(Utf8ToWin1252(path));
  return kind ? kind->name : "";
}

LoadedCollection LoadCollection(const std::string& path, const std::optional<std::string>& password,
                                MessageService& messages) {
  const std::string file = Utf8ToWin1252(path);
  const FileKind* kind = KindOf(file);
  if (!kind) {
    throw UsageError("„" + path +
                     "“ ist keine Sammlungsdatei (erwartet: .mvc, .mvs, .xml, .mvv oder .kvl).");
  }
  TerminalPasswordPrompt passwords(password);
  if (EqualAsciiUpper(kind->extension, ".kvl")) return ReadLegacy(file, passwords, messages);
  return ReadCollection(file, passwords, messages);
}

}  // namespace korvex::cli
