#pragma once

#include <string>

#include "files/xmlcollection.h"
#include "model/collectiondocument.h"
#include "platform/messages.h"
#include "platform/passwordprompt.h"
#include "platform/progress.h"

// Opening and saving collection files. ".mvc" and ".mvv" are ZIP archives whose entry
// "mints.xml" holds the XML document (encrypted with the document's password when one is set);
// ".mvs" and ".xml" hold the XML document as a plain file. Paths are Windows-1252 like all
// document text.
namespace korvex {

// The services the file commands talk to the user through.
struct FileServices {
  MessageService& messages;
  PasswordPrompt& passwords;
  Progress& progress;
};

// ".mvc" or ".mvv", compared without regard to case.
bool IsCompressedCollectionPath(const std::string& path);

// The name of the previous-version copy: ".alteversion" inserted before the extension
// ("Sammlung.mvc" -> "Sammlung.alteversion.mvc", "Sammlung" -> "Sammlung.alteversion").
std::string PreviousVersionPath(const std::string& path);

// Reads the collection file at `path` into `doc`, which the caller has emptied. Asks for the
// password of an encrypted archive (three attempts; an empty or cancelled answer ends at once)
// and leaves the password that worked in the document. Throws EPassword carrying the German
// message to show. Reports the number of coins that had to be moved to a rescue area and the
// file's version.
XmlReadReport ReadCollectionFile(CollectionDocument& doc, const std::string& path,
                                 PasswordPrompt& passwords, Progress& progress);

// The open command's file step ("&Öffnen...", "Neu nach &Vorlage", start-up): empties the
// document, names it after `path` and reads the file; a template (".mvv") is left unnamed and
// marked as from a template. On failure the message is shown and the document is left without
// a file name, so that no later save can overwrite the file that failed to open. Returns success.
bool OpenCollectionFile(CollectionDocument& doc, const std::string& path, FileServices& services,
                        bool read_only = false);

// The file a save of `doc` writes: its `file_path`, or for a document read from a legacy data
// file the ".mvc" file beside it.
std::string SavePathOf(const CollectionDocument& doc);

// The save step of "&Speichern" and "Speichern &unter...": writes the document to its
// `file_path` in the form `compressed` says, keeping the previous file as its ".alteversion" copy.
// Refuses (after asking) to save a password-protected document uncompressed, and turns a document
// read from a legacy file into a ".mvc" file beside it. On success `modified` is cleared; on
// failure the message is shown, the file on disk is unchanged and `modified` is set. Returns
// success.
bool SaveCollectionFile(CollectionDocument& doc, MessageService& messages, Progress& progress);

}  // namespace korvex
