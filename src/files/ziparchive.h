#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "files/fileerrors.h"

struct zip;
struct zip_source;

// Thin wrappers around libzip for the collection container and the backup: every entry is
// deflated at the maximum level and, when a password is given, encrypted with the traditional
// PKWARE method.
namespace korvex {

class EZipError : public EKorvexError {
 public:
  enum class Kind {
    kCannotOpen,     // the archive file is missing or cannot be read
    kDamaged,        // not a ZIP archive, or its data is broken
    kWrongPassword,  // the password does not decrypt the entry
    kWrite,          // the archive could not be written
  };
  EZipError(Kind kind, std::string message) : EKorvexError(std::move(message)), kind_(kind) {}
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

// A path as the name of an archive entry: forward slashes, without drive, leading separators and
// empty or "." segments; ".." takes away the segment before it and is dropped at the start, so no
// entry can name a place outside the folder it is extracted into. Empty when nothing remains.
std::string ArchiveEntryName(std::string_view path);

class ZipReader {
 public:
  // Throws EZipError (kCannotOpen or kDamaged).
  explicit ZipReader(const std::filesystem::path& path);
  ~ZipReader();
  ZipReader(const ZipReader&) = delete;
  ZipReader& operator=(const ZipReader&) = delete;

  // Entry names are compared without regard to case. False also for a missing entry.
  bool IsEncrypted(const std::string& name) const;

  // The entry's content. Throws EZipError: kWrongPassword when the password (empty: none) does
  // not decrypt an encrypted entry, kDamaged when the entry is missing or its data is broken.
  std::string Read(const std::string& name, const std::string& password) const;

 private:
  long long IndexOf(const std::string& name) const;

  zip* archive_ = nullptr;
};

class ZipWriter {
 public:
  // An archive built in memory; Finish() returns its bytes.
  explicit ZipWriter(std::string password);
  // An archive written to `path` (replacing a file of that name) when it is finished.
  ZipWriter(const std::filesystem::path& path, std::string password);
  // Discards an unfinished archive.
  ~ZipWriter();
  ZipWriter(const ZipWriter&) = delete;
  ZipWriter& operator=(const ZipWriter&) = delete;

  // `content` must stay alive until Finish(). Names are UTF-8 and pass ArchiveEntryName(); an
  // entry of the same name is replaced. Throws EZipError (kWrite), also for a name that leaves
  // nothing.
  void AddBuffer(const std::string& name, std::string_view content);
  // Adds a file from disk, read when the archive is finished; false when there is no such file.
  bool AddFile(const std::string& name, const std::filesystem::path& file);

  // Writes the archive; returns its bytes for an archive in memory, else the empty string.
  // Throws EZipError (kWrite).
  std::string Finish();

 private:
  void AddSource(const std::string& name, zip_source* source);

  zip* archive_ = nullptr;
  zip_source* memory_ = nullptr;  // the in-memory archive's storage, kept beyond closing
  std::string password_;
};

}  // namespace korvex
