#pragma once

#include <filesystem>
#include <string>

namespace korvex {

enum class FileReadStatus { kRead, kCannotOpen, kReadFailed };

// A whole file read into memory. After a read error `bytes` holds what came before it.
struct FileBytes {
  FileReadStatus status = FileReadStatus::kCannotOpen;
  std::string bytes;

  bool ok() const { return status == FileReadStatus::kRead; }
};

// Reads the whole file at `path` as it is on disk. Every reader of a whole file goes through this.
FileBytes ReadWholeFile(const std::filesystem::path& path);

}  // namespace korvex
