#include "cli/outputfiles.h"

#include <filesystem>
#include <system_error>

#include "cli/arguments.h"
#include "files/collectionfileio.h"
#include "model/codepage.h"
#include "model/paths.h"
#include "model/textcompare.h"
#include "platform/progress.h"

namespace korvex::cli {
namespace {

namespace fs = std::filesystem;

bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  if (fs::exists(a, error) && fs::exists(b, error)) return fs::equivalent(a, b, error);
  return fs::weakly_canonical(a, error) == fs::weakly_canonical(b, error);
}

}  // namespace

void RefuseInputAsOutput(const std::string& output, const std::vector<std::string>& inputs) {
  for (const std::string& input : inputs) {
    if (SameFile(output, input)) {
      throw CommandError("Die Ausgabedatei „" + output +
                         "“ ist zugleich eine Eingabedatei und wird nicht überschrieben.");
    }
  }
}

bool IsCompressedOutput(const std::string& output) {
  const std::string extension = ExtensionOf(output);
  if (EqualAsciiUpper(extension, ".mvc")) return true;
  if (EqualAsciiUpper(extension, ".mvs")) return false;
  throw UsageError("Die Ausgabedatei „" + output + "“ muss auf .mvc oder .mvs enden.");
}

void CheckCollectionOutput(const std::string& output, const std::vector<std::string>& inputs) {
  IsCompressedOutput(output);
  RefuseInputAsOutput(output, inputs);
  const std::string previous = PreviousVersionPath(output);
  for (const std::string& input : inputs) {
    if (SameFile(previous, input)) {
      throw CommandError("Die Eingabedatei „" + input + "“ würde als Vorversion von „" + output +
                         "“ überschrieben; bitte einen anderen Ausgabenamen wählen.");
    }
  }
}

void SaveCollectionAs(CollectionDocument& document, const std::string& output,
                      MessageService& messages) {
  document.compressed = IsCompressedOutput(output);
  // The save would ask whether to drop the password; the command line cannot answer.
  if (!document.password().empty() && !document.compressed) {
    throw CommandError("Eine passwortgeschützte Sammlung kann nur als .mvc gespeichert werden.");
  }
  // Cleared first: the save would otherwise turn a legacy document into a ".mvc" file beside
  // the legacy file instead of writing `output`.
  document.legacy_version = 0;
  document.SetFileName(Utf8ToWin1252(output));
  document.has_name = true;
  document.from_template = false;
  document.SetWritable(true);
  NoProgress progress;
  if (!SaveCollectionFile(document, messages, progress)) throw CommandError("");
}

}  // namespace korvex::cli
