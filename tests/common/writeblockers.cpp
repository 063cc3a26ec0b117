#include "common/writeblockers.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace korvex::test {
namespace {

std::string Explained(const std::string& what) { return what + ": " + std::strerror(errno); }

// Sets or clears the immutable flag; empty on success, else why not.
std::string SetImmutable(const std::filesystem::path& path, bool on) {
  const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return Explained("open " + path.string());
  int flags = 0;
  std::string failure;
  if (ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0) {
    failure = Explained("FS_IOC_GETFLAGS");
  } else {
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    if (ioctl(fd, FS_IOC_SETFLAGS, &flags) != 0) failure = Explained("FS_IOC_SETFLAGS");
  }
  close(fd);
  return failure;
}

bool CanCreateFileIn(const std::filesystem::path& folder) {
  const std::filesystem::path probe = folder / ".probe";
  const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (fd < 0) return false;
  close(fd);
  unlink(probe.c_str());
  return true;
}

}  // namespace

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
  previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
  getrlimit(RLIMIT_FSIZE, &previous_);
  rlimit limit = previous_;
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &previous_);
  std::signal(SIGXFSZ, previous_handler_);
}

UnwritableFolder::UnwritableFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
  if (geteuid() == 0) {
    failure_ = SetImmutable(folder_, true);
    immutable_ = failure_.empty();
  } else {
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
  }
  if (failure_.empty() && CanCreateFileIn(folder_)) failure_ = "the folder still takes new files";
}

UnwritableFolder::~UnwritableFolder() {
  if (immutable_) SetImmutable(folder_, false);
  if (geteuid() != 0) {
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
  }
}

SmallDisk::SmallDisk(std::filesystem::path folder, long bytes) : folder_(std::move(folder)) {
  if (geteuid() != 0) {
    failure_ = "mounting a tmpfs needs the superuser";
    return;
  }
  std::filesystem::create_directories(folder_);
  // A mount namespace of its own keeps the small disk out of every other process's view.
  if (unshare(CLONE_NEWNS) != 0) {
    failure_ = Explained("unshare(CLONE_NEWNS)");
  } else if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    failure_ = Explained("mount --make-rprivate /");
  } else if (mount("korvex-test", folder_.c_str(), "tmpfs", 0,
                   ("size=" + std::to_string(bytes)).c_str()) != 0) {
    failure_ = Explained("mount tmpfs");
  } else {
    mounted_ = true;
  }
}

SmallDisk::~SmallDisk() {
  if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
}

void SmallDisk::FillUpTo(long free_bytes) {
  const std::filesystem::path filler = folder_ / "Füllung";
  const int fd = open(filler.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
  const std::string block(4096, 'x');
  struct statvfs disk {};
  while (statvfs(folder_.c_str(), &disk) == 0 &&
         static_cast<long>(disk.f_bavail * disk.f_frsize) > free_bytes &&
         write(fd, block.data(), block.size()) > 0) {
  }
  close(fd);
}

}  // namespace korvex::test
