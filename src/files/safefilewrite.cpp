#include "files/safefilewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

#include "files/fileerrors.h"

namespace korvex {
namespace {

std::string Reason(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT: return "Der Datenträger ist voll";
    case EFBIG: return "Die Datei ist zu groß";
    case EACCES:
    case EPERM:
    case EROFS: return "Kein Schreibzugriff";
    case ENOENT:
    case ENOTDIR: return "Der Ordner ist nicht vorhanden";
    default: return std::strerror(error);
  }
}

[[noreturn]] void Fail(const std::filesystem::path& path, int error) {
  throw EFileWriteError("Die Datei " + path.string() + " konnte nicht gespeichert werden: " +
                        Reason(error) + ".");
}

std::filesystem::path TemporaryNameFor(const std::filesystem::path& path) {
  static std::atomic<unsigned> counter{0};
  std::string suffix = ".";
  suffix += std::to_string(getpid());
  suffix += '-';
  suffix += std::to_string(counter++);
  suffix += ".tmp";
  std::filesystem::path temporary = path;
  temporary += suffix;
  return temporary;
}

// Writes all bytes and flushes them to the disk; returns 0 or the error number.
int WriteAndSync(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return fsync(fd) == 0 ? 0 : errno;
}

void SyncFolder(const std::filesystem::path& folder) {
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

void KeepPreviousVersion(const std::filesystem::path& path, const std::filesystem::path& previous) {
  if (previous.empty() || access(path.c_str(), F_OK) != 0) return;
  unlink(previous.c_str());
  // A second name for the old file keeps `path` in place until the new file replaces it; file
  // systems without hard links get a rename instead.
  if (link(path.c_str(), previous.c_str()) != 0) rename(path.c_str(), previous.c_str());
}

}  // namespace

void ReplaceFile(const std::filesystem::path& path, std::string_view bytes,
                 const std::filesystem::path& previous_version) {
  const std::filesystem::path temporary = TemporaryNameFor(path);
  const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) Fail(path, errno);
  struct stat existing;
  if (stat(path.c_str(), &existing) == 0) fchmod(fd, existing.st_mode & 07777);
  int error = WriteAndSync(fd, bytes);
  if (close(fd) != 0 && error == 0) error = errno;
  if (error != 0) {
    unlink(temporary.c_str());
    Fail(path, error);
  }
  KeepPreviousVersion(path, previous_version);
  if (rename(temporary.c_str(), path.c_str()) != 0) {
    error = errno;
    unlink(temporary.c_str());
    if (!previous_version.empty() && access(path.c_str(), F_OK) != 0) {
      rename(previous_version.c_str(), path.c_str());
    }
    Fail(path, error);
  }
  SyncFolder(path.parent_path());
}

}  // namespace korvex
