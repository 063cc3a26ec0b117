#include "files/collectionlock.h"

#include <QByteArray>
#include <QFile>
#include <QLockFile>

#include "model/codepage.h"
#include "model/paths.h"

namespace korvex {
namespace {

QString LockFileName(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(NativePath(LockFilePath(path)).string()));
}

std::string ShownName(const std::string& path) {
  return Win1252ToUtf8(FileTitleOf(path) + ExtensionOf(path));
}

}  // namespace

CollectionLock::CollectionLock() = default;
CollectionLock::~CollectionLock() = default;
CollectionLock::CollectionLock(CollectionLock&&) noexcept = default;
CollectionLock& CollectionLock::operator=(CollectionLock&&) noexcept = default;

CollectionLock::Outcome CollectionLock::Acquire(const std::string& path) {
  if (Holds(path)) return Outcome::kLocked;
  auto file = std::make_unique<QLockFile>(LockFileName(path));
  // A collection stays open for hours: only the end of the holding process makes a lock stale,
  // never its age.
  file->setStaleLockTime(0);
  if (file->tryLock(0)) {
    Release();
    file_ = std::move(file);
    path_ = path;
    return Outcome::kLocked;
  }
  return file->error() == QLockFile::LockFailedError ? Outcome::kHeldElsewhere
                                                     : Outcome::kUnavailable;
}

void CollectionLock::Release() {
  file_.reset();
  path_.clear();
}

bool CollectionLock::Holds(const std::string& path) const { return file_ && path_ == path; }

std::string LockFilePath(const std::string& path) { return path + ".lock"; }

OpenMode LockForOpening(CollectionLock& lock, const std::string& path, MessageService& messages) {
  if (lock.Acquire(path) != CollectionLock::Outcome::kHeldElsewhere) return OpenMode::kWritable;
  const bool read_only = messages.AskYesNo(
      "Die Datei " + ShownName(path) +
      " ist bereits in einem anderen Korvex-Fenster geöffnet. Änderungen sind nur dort möglich, "
      "damit keine Daten verloren gehen.\n\nMöchten Sie die Datei schreibgeschützt öffnen?");
  return read_only ? OpenMode::kReadOnly : OpenMode::kNotOpened;
}

bool LockForSaving(CollectionLock& lock, const std::string& path, MessageService& messages) {
  if (lock.Acquire(path) != CollectionLock::Outcome::kHeldElsewhere) return true;
  messages.Error("Die Datei " + ShownName(path) +
                 " ist in einem anderen Korvex-Fenster geöffnet und wurde deshalb NICHT "
                 "gespeichert, damit keine Änderungen überschrieben werden. Bitte speichern Sie "
                 "unter einem anderen Namen.");
  return false;
}

}  // namespace korvex
