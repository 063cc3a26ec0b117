#pragma once

#include <memory>
#include <string>

#include "platform/messages.h"

class QLockFile;

// Keeps two running Korvex programs from working on one collection file: while a collection is
// open for changes, the lock file "<file>.lock" beside it (for "Sammlung.mvc" that is
// "Sammlung.mvc.lock") names the process that holds it. The lock of a process that has ended
// without letting go (a crash, a power cut) is taken over. Paths are Windows-1252 like all
// document text.
namespace korvex {

class CollectionLock {
 public:
  enum class Outcome {
    kLocked,         // this lock now holds the file
    kHeldElsewhere,  // another running program (or another lock in this one) holds it
    kUnavailable,    // no lock file can be made there (a read-only folder); nothing is held
  };

  CollectionLock();
  ~CollectionLock();
  CollectionLock(CollectionLock&&) noexcept;
  CollectionLock& operator=(CollectionLock&&) noexcept;

  // Takes the lock of `path`, giving up any other file this lock held. Holding `path` already
  // counts as kLocked.
  Outcome Acquire(const std::string& path);
  void Release();
  bool Holds(const std::string& path) const;

 private:
  std::unique_ptr<QLockFile> file_;
  std::string path_;
};

// "Sammlung.mvc" -> "Sammlung.mvc.lock".
std::string LockFilePath(const std::string& path);

enum class OpenMode { kWritable, kReadOnly, kNotOpened };

// The lock step of opening `path` for changes. When another program holds the file, asks whether
// to open it write-protected instead ("Nein" opens nothing). On kWritable `lock` holds the file
// (or no lock can be made there).
OpenMode LockForOpening(CollectionLock& lock, const std::string& path, MessageService& messages);

// The lock step before `path` is written: false, with a message, while another program holds the
// file, so that no two programs save over each other. Otherwise `lock` now holds `path`.
bool LockForSaving(CollectionLock& lock, const std::string& path, MessageService& messages);

}  // namespace korvex
