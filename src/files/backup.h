#pragma once

#include <filesystem>
#include <string>

#include "model/collectiondocument.h"
#include "platform/progress.h"

namespace korvex {

// The lookup-lists file that a backup carries: "korvex.ini" in the data folder.
std::filesystem::path DefaultLookupFile();

// "Datensicherung": writes the ZIP archive `archive_path` (Windows-1252, replaced when it
// exists) holding the collection as `file_title` + ".mvs", the lookup-lists file (as its bare
// name) and every picture the coins refer to, all deflated and encrypted with the document's
// password when it has one. Entries are named relative to the collection's folder, so a bare
// picture name a.jpg becomes "<file_title>/a.jpg". Missing files are left out. The document must
// have a name. Throws EKorvexError with a German message; no archive is written then.
void WriteBackupArchive(const CollectionDocument& doc, const std::string& archive_path,
                        const std::filesystem::path& lookup_file, Progress& progress);

}  // namespace korvex
