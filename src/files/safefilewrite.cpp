#include "files/safefilewrite.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>
#include <string>

#include "files/fileerrors.h"
#include "platform/filebytes.h"

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

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& reason) {
  throw EFileWriteError("Die Datei " + path.string() + " konnte nicht gespeichert werden: " +
                        reason + ".");
}

[[noreturn]] void Fail(const std::filesystem::path& path, int error) { Fail(path, Reason(error)); }

// A file the user has made read-only keeps its content, although the folder would let a new file
// take its place. The permission bits count on their own as well, because access() lets the
// superuser write everywhere; an immutable file fails access() with EPERM.
void RefuseWriteProtectedFile(const std::filesystem::path& path) {
  struct stat existing;
  if (stat(path.c_str(), &existing) != 0) return;
  if ((existing.st_mode & 0222) == 0) Fail(path, "Die Datei ist schreibgeschützt");
  if (access(path.c_str(), W_OK) != 0) Fail(path, errno);
}

// Temporary files are named "<file>.korvex-<process id>-<six random characters>.tmp". The random
// part makes the name unique even when a file of a crashed run with the same process id is left.
constexpr std::string_view kTemporaryMark = "korvex-";
constexpr std::string_view kTemporarySuffix = ".tmp";

// Creates the temporary file for `path` and returns its descriptor (or -1 with errno set).
int CreateTemporary(const std::filesystem::path& path, std::filesystem::path& temporary) {
  std::string name = path.string();
  name += '.';
  name += kTemporaryMark;
  name += std::to_string(getpid());
  name += "-XXXXXX";
  name += kTemporarySuffix;
  const int fd = mkostemps(name.data(), static_cast<int>(kTemporarySuffix.size()), O_CLOEXEC);
  temporary = name;
  return fd;
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c));
  });
}

bool AllAlphanumeric(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

// The process id in the name of a temporary file that a save of `file_name` left behind, or
// nothing when `name` is no such file. Earlier versions named them "<file>.<process id>-<counter>
// .tmp"; those count as well.
std::optional<pid_t> WriterOfLeftover(std::string_view name, std::string_view file_name) {
  if (name.size() <= file_name.size() + 1 || name.substr(0, file_name.size()) != file_name ||
      name[file_name.size()] != '.' || !name.ends_with(kTemporarySuffix)) {
    return std::nullopt;
  }
  std::string_view core = name.substr(file_name.size() + 1);
  core.remove_suffix(kTemporarySuffix.size());
  const bool current = core.starts_with(kTemporaryMark);
  if (current) core.remove_prefix(kTemporaryMark.size());
  const size_t dash = core.find('-');
  if (dash == std::string_view::npos || !AllDigits(core.substr(0, dash))) return std::nullopt;
  const std::string_view rest = core.substr(dash + 1);
  if (current ? rest.size() != 6 || !AllAlphanumeric(rest) : !AllDigits(rest)) return std::nullopt;
  pid_t pid = 0;
  const auto parsed = std::from_chars(core.data(), core.data() + dash, pid);
  if (parsed.ec != std::errc()) return std::nullopt;
  return pid;
}

bool IsOtherRunningProcess(pid_t pid) {
  return pid > 0 && pid != getpid() && (kill(pid, 0) == 0 || errno == EPERM);
}

// Removes the temporary files that earlier saves of `path` left behind when they were stopped
// (a crash, a power cut). A file whose writer still runs may belong to a save under way and stays.
void RemoveLeftovers(const std::filesystem::path& path) {
  const std::string file_name = path.filename().string();
  std::error_code error;
  const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    const std::optional<pid_t> writer = WriterOfLeftover(name, file_name);
    if (writer && !IsOtherRunningProcess(*writer)) unlink(entry.path().c_str());
  }
}

// The permissions of a new file: what the umask leaves of read and write for everybody.
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
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

// Writes `bytes` to a new temporary file beside `path`, flushed to the disk, with the permissions
// `mode`; returns its name. Throws EFileWriteError naming `shown_path`; no temporary file is
// left then.
std::filesystem::path WriteTemporary(const std::filesystem::path& path, std::string_view bytes,
                                     mode_t mode, const std::filesystem::path& shown_path) {
  std::filesystem::path temporary;
  const int fd = CreateTemporary(path, temporary);
  if (fd < 0) Fail(shown_path, errno);
  fchmod(fd, mode);
  int error = WriteAndSync(fd, bytes);
  if (close(fd) != 0 && error == 0) error = errno;
  if (error != 0) {
    unlink(temporary.c_str());
    Fail(shown_path, error);
  }
  return temporary;
}

// A second name for the file at `path` that only becomes `previous` by a rename, so that both
// names always hold a whole file, whenever the program is stopped. File systems without hard
// links get a flushed copy instead. False when neither works.
bool LinkOrCopyAside(const std::filesystem::path& path, const std::filesystem::path& previous,
                     std::filesystem::path& aside) {
  std::filesystem::path name;
  const int fd = CreateTemporary(previous, name);
  if (fd < 0) return false;
  close(fd);
  unlink(name.c_str());
  if (link(path.c_str(), name.c_str()) == 0) {
    aside = name;
    return true;
  }
  struct stat existing;
  const FileBytes old = ReadWholeFile(path);
  if (!old.ok() || stat(path.c_str(), &existing) != 0) return false;
  try {
    aside = WriteTemporary(previous, old.bytes, existing.st_mode & 07777, previous);
  } catch (const EFileWriteError&) {
    return false;
  }
  return true;
}

// Keeps the file at `path` as `previous`, replacing an older copy in one step; a failure only
// costs the copy.
void KeepPreviousVersion(const std::filesystem::path& path, const std::filesystem::path& previous) {
  if (previous.empty() || access(path.c_str(), F_OK) != 0) return;
  std::filesystem::path aside;
  if (!LinkOrCopyAside(path, previous, aside)) return;
  if (rename(aside.c_str(), previous.c_str()) != 0) unlink(aside.c_str());
}

}  // namespace

void ReplaceFile(const std::filesystem::path& path, std::string_view bytes,
                 const std::filesystem::path& previous_version) {
  RefuseWriteProtectedFile(path);
  struct stat existing;
  const mode_t mode = stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : NewFileMode();
  const std::filesystem::path temporary = WriteTemporary(path, bytes, mode, path);
  KeepPreviousVersion(path, previous_version);
  // The new file is on the disk before its name replaces the old one, so the name always leads to
  // a whole file: the old one or the new one.
  if (rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    unlink(temporary.c_str());
    Fail(path, error);
  }
  SyncFolder(path.parent_path());
  RemoveLeftovers(path);
  if (!previous_version.empty()) RemoveLeftovers(previous_version);
}

}  // namespace korvex
