#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

namespace korvex {

enum class FileReadStatus { kRead, kCannotOpen, kReadFailed, kTooLarge };

// A whole file read into memory. After a read error `bytes` holds what came before it.
struct FileBytes {
  FileReadStatus status = FileReadStatus::kCannotOpen;
  std::string bytes;

  bool ok() const { return status == FileReadStatus::kRead; }
};

// Reads the whole file at `path` as it is on disk. Every reader of a whole file goes through this.
// A file longer than `max_size` is not read at all (`kTooLarge`, no bytes).
FileBytes ReadWholeFile(const std::filesystem::path& path,
                        std::uintmax_t max_size = std::numeric_limits<std::uintmax_t>::max());

}  // namespace korvex
