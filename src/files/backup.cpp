#include "files/backup.h"

#include <set>

#include "files/xmlcollection.h"
#include "files/ziparchive.h"
#include "model/codepage.h"
#include "model/numbertext.h"
#include "model/paths.h"
#include "platform/datafolders.h"

namespace korvex {
namespace {

std::string WithForwardSlashes(std::string path) {
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

// The entry name of a picture file: relative to the collection's folder when it lies inside it,
// else its whole path, which ArchiveEntryName() turns into a relative name.
std::string EntryNameOf(const std::string& file, const std::string& base_folder) {
  std::string name = WithForwardSlashes(file);
  const std::string base = WithForwardSlashes(base_folder);
  if (!base.empty() && name.compare(0, base.size(), base) == 0) name.erase(0, base.size());
  return ArchiveEntryName(name);
}

struct PictureEntry {
  std::string file;   // Windows-1252 path of the file on disk
  std::string entry;  // Windows-1252 name in the archive
};

PictureEntry PictureEntryOf(const std::string& reference, const CollectionDocument& doc) {
  const std::string base = DirectoryOf(doc.file_path());
  if (HasNoDirectory(reference)) {
    return {doc.picture_folder() + reference, ArchiveEntryName(doc.file_title() + "/" + reference)};
  }
  const bool relative = reference.front() != '/' && reference.front() != '\\' &&
                        !(reference.size() >= 2 && reference[1] == ':');
  const std::string file = relative ? base + reference : reference;
  return {file, EntryNameOf(file, base)};
}

}  // namespace

std::filesystem::path DefaultLookupFile() { return DataFolder() / "korvex.ini"; }

void WriteBackupArchive(const CollectionDocument& doc, const std::string& archive_path,
                        const std::filesystem::path& lookup_file, Progress& progress) {
  const std::string xml = WriteCollectionXml(doc, progress);
  ZipWriter archive(NativePath(archive_path), doc.password());
  archive.AddBuffer(Win1252ToUtf8(doc.file_title() + ".mvs"), xml);
  archive.AddFile(lookup_file.filename().string(), lookup_file);

  std::set<std::string> added;
  for (const TDaten* coin = doc.first_coin; coin; coin = coin->next) {
    for (const std::string* reference : {&coin->av_picture, &coin->rv_picture}) {
      const std::string trimmed(TrimWhere(*reference, [](char c) { return c == ' '; }));
      if (trimmed.empty()) continue;
      const PictureEntry picture = PictureEntryOf(trimmed, doc);
      if (picture.entry.empty() || !added.insert(picture.entry).second) continue;
      archive.AddFile(Win1252ToUtf8(picture.entry), NativePath(picture.file));
    }
  }
  archive.Finish();
}

}  // namespace korvex
