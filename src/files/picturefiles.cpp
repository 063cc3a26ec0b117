#include "files/picturefiles.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "model/codepage.h"
#include "model/paths.h"

namespace korvex {
namespace {

const char* const kDiskFullQuestion =
    "Die Datei konnte nicht geschrieben werden (Fehler: Diskette voll)! Bitte legen Sie eine neue "
    "Diskette ein. Wählen Sie \"Wiederholen\", um diese Datei erneut zu schreiben, \"Ignorieren\", "
    "um diese Datei nicht erneut zu schreiben oder \"Abbruch\", um den Schreibvorgang "
    "abzubrechen!";
const char* const kAdoptQuestion =
    "Soll dieses Bild in das Bilder-Unterverzeichnis der Datendatei kopiert werden? ";

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File OpenFile(const std::string& path, const char* mode) {
  return File(std::fopen(NativePath(path).c_str(), mode), &std::fclose);
}

bool CopyBytes(const std::string& source, const std::string& target) {
  File in = OpenFile(source, "rb");
  if (!in) return false;
  File out = OpenFile(target, "wb");
  if (!out) return false;
  char block[64 * 1024];
  size_t count;
  while ((count = std::fread(block, 1, sizeof block, in.get())) > 0) {
    if (std::fwrite(block, 1, count, out.get()) != count) return false;
  }
  if (std::ferror(in.get())) return false;
  return std::fclose(out.release()) == 0;
}

// The same file by name or, on a file system that tells names apart by case, by identity.
bool SameFile(const std::string& a, const std::string& b) {
  if (a == b) return true;
  std::error_code error;
  return std::filesystem::equivalent(NativePath(a), NativePath(b), error);
}

std::string FileNameOf(const std::string& reference) {
  const size_t separator = reference.find_last_of("/\\");
  return separator == std::string::npos ? reference : reference.substr(separator + 1);
}

std::string ArticleText(int n, const TDaten& coin) {
  return std::to_string(n) + " (Artikel " + Win1252ToUtf8(coin.quality) + " " +
         Win1252ToUtf8(coin.schoen) + ")";
}

enum class TransferStep { kDone, kAborted };

TransferStep TransferReference(std::string& reference, int n, const TDaten& coin,
                               const std::string& old_folder, const std::string& new_folder,
                               MessageService& messages, Progress& progress) {
  if (reference.empty()) return TransferStep::kDone;
  const std::string source_folder = HasNoDirectory(reference) ? old_folder : DirectoryOf(reference);
  const std::string name = FileNameOf(reference);
  if (source_folder != new_folder) {
    progress.ProgressBegin("Kopiere Bild zu Datensatz " + ArticleText(n, coin));
    switch (CopyPictureFile(source_folder + name, new_folder + name, messages)) {
      case CopyResult::kAborted: return TransferStep::kAborted;
      case CopyResult::kIgnored:
        // The new folder lacks the file, so the reference keeps naming the original.
        reference = source_folder + name;
        return TransferStep::kDone;
      case CopyResult::kCopied: break;
    }
    progress.ProgressBegin("Aktualisiere Verknüpfung in Datensatz " + ArticleText(n, coin));
  }
  reference = name;
  return TransferStep::kDone;
}

}  // namespace

CopyResult CopyPictureFile(const std::string& source, const std::string& target,
                           MessageService& messages) {
  if (SameFile(source, target)) return CopyResult::kCopied;
  for (;;) {
    std::error_code ignored;
    std::filesystem::create_directories(NativePath(target).parent_path(), ignored);
    if (CopyBytes(source, target)) return CopyResult::kCopied;
    switch (messages.Show(MessageKind::kError, kDiskFullQuestion, MessageButtons::kAbortRetryIgnore)) {
      case MessageAnswer::kRetry: continue;
      case MessageAnswer::kIgnore: return CopyResult::kIgnored;
      default: return CopyResult::kAborted;
    }
  }
}

void MakePictureReferencesAbsolute(CollectionDocument& doc, const std::string& old_picture_folder) {
  for (TDaten* coin = doc.first_coin; coin; coin = coin->next) {
    for (std::string* reference : {&coin->av_picture, &coin->rv_picture}) {
      if (!reference->empty() && HasNoDirectory(*reference)) {
        *reference = old_picture_folder + *reference;
      }
    }
  }
}

bool TransferPicturesToNewFolder(CollectionDocument& doc, const std::string& old_picture_folder,
                                 MessageService& messages, Progress& progress) {
  struct ProgressEnd {
    Progress& progress;
    ~ProgressEnd() { progress.ProgressEnd(); }
  } end{progress};
  const std::string total = std::to_string(doc.coin_count);
  int n = 0;
  for (TDaten* coin = doc.first_coin; coin; coin = coin->next) {
    ++n;
    progress.ProgressBegin("Suche Bilder. Datensatz " + std::to_string(n) + " von " + total +
                           ". Bitte warten");
    for (std::string* reference : {&coin->av_picture, &coin->rv_picture}) {
      if (TransferReference(*reference, n, *coin, old_picture_folder, doc.picture_folder(),
                            messages, progress) == TransferStep::kAborted) {
        return false;
      }
    }
  }
  return true;
}

void AdoptRecordPictures(TDaten& record, const CollectionDocument& doc, PictureCopyOption option,
                         MessageService& messages) {
  if (!doc.has_name) return;
  for (std::string* reference : {&record.av_picture, &record.rv_picture}) {
    if (HasNoDirectory(*reference)) continue;
    const bool copy = option == PictureCopyOption::kAlways ||
                      (option == PictureCopyOption::kAsk && messages.AskYesNo(kAdoptQuestion));
    if (!copy) continue;
    const std::string name = FileNameOf(*reference);
    if (CopyPictureFile(*reference, doc.picture_folder() + name, messages) == CopyResult::kCopied) {
      *reference = name;
    }
  }
}

}  // namespace korvex
