#include "platform/filebytes.h"

#include <cstdio>
#include <memory>
#include <system_error>

namespace korvex {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

FileBytes ReadWholeFile(const std::filesystem::path& path, std::uintmax_t max_size) {
  FileBytes result;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return result;
  // One buffer of the file's size where the size is known; the loop reads to the end anyway and
  // keeps to the limit for files that grow or report no size.
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > max_size) {
    result.status = FileReadStatus::kTooLarge;
    return result;
  }
  if (!error) result.bytes.reserve(static_cast<size_t>(size));
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    if (result.bytes.size() + got > max_size) {
      result.bytes.clear();
      result.status = FileReadStatus::kTooLarge;
      return result;
    }
    result.bytes.append(buffer, got);
  }
  result.status = std::ferror(file.get()) ? FileReadStatus::kReadFailed : FileReadStatus::kRead;
  return result;
}

}  // namespace korvex
