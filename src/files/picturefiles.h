#pragma once

#include <string>

#include "model/collectiondocument.h"
#include "platform/messages.h"
#include "platform/progress.h"

// Moving coin pictures and rewriting their references. A reference is a bare file name (a file in
// the collection's picture folder) or a path. Paths are Windows-1252 like all document text.
namespace korvex {

// The picture option of the settings: `GraphikKopierenImmer`, `GraphikKopierenNie`,
// `GraphikKopierenAufforderung`.
enum class PictureCopyOption { kAlways, kNever, kAsk };

enum class CopyResult {
  kCopied,   // the target holds the file (also when source and target are the same file)
  kIgnored,  // the copy failed and the user chose "Ignorieren"
  kAborted,  // the copy failed and the user chose "Abbruch"
};

// Copies a file, creating the target's folder. When the copy fails the user is asked (disk-full
// question: abort, retry, ignore); retry tries again.
CopyResult CopyPictureFile(const std::string& source, const std::string& target,
                           MessageService& messages);

// Turns every bare picture reference into `old_picture_folder` + name, so that the references
// keep naming the same files after the picture folder has moved ("Speichern &unter..." without
// copying the pictures).
void MakePictureReferencesAbsolute(CollectionDocument& doc, const std::string& old_picture_folder);

// Copies every referenced picture that is not yet in the document's (new) picture folder there
// and makes its reference the bare file name ("Speichern &unter..." with copying, after the new
// file name is set). The status texts go through `progress`. A picture the user chose to ignore
// keeps a full path to its original file. Returns false when the user aborted; the references of
// the records not reached stay unchanged.
bool TransferPicturesToNewFolder(CollectionDocument& doc, const std::string& old_picture_folder,
                                 MessageService& messages, Progress& progress);

// After a coin was entered or changed in a named collection: each picture reference with a folder
// part is copied into the picture folder as the option decides (kAsk asks once per picture) and
// becomes the bare file name when the copy succeeded.
void AdoptRecordPictures(TDaten& record, const CollectionDocument& doc, PictureCopyOption option,
                         MessageService& messages);

}  // namespace korvex
