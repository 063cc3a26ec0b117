#pragma once

#include <sys/resource.h>

#include <filesystem>
#include <string>

// Ways to make writing fail as it fails for a collector, that also work when the tests run as
// the superuser, whom permission bits do not stop.
namespace korvex::test {

// Lowers the largest file size this process may write, so that writing fails as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previous_handler_)(int) = nullptr;
};

// A folder in which no file can be created, renamed or removed: without write permission for an
// ordinary user, immutable (chattr +i) for the superuser. `failure()` says why that could not be
// done (a file system without the immutable flag); the folder is then unchanged.
class UnwritableFolder {
 public:
  explicit UnwritableFolder(std::filesystem::path folder);
  ~UnwritableFolder();
  UnwritableFolder(const UnwritableFolder&) = delete;
  UnwritableFolder& operator=(const UnwritableFolder&) = delete;

  const std::string& failure() const { return failure_; }

 private:
  std::filesystem::path folder_;
  bool immutable_ = false;
  std::string failure_;
};

// A small, nearly full disk: a tmpfs of `bytes` mounted on `folder` in a mount namespace of this
// process alone, filled up to `free_bytes`. Needs the superuser and a single-threaded process;
// `failure()` says why it could not be made.
class SmallDisk {
 public:
  SmallDisk(std::filesystem::path folder, long bytes);
  ~SmallDisk();
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  const std::string& failure() const { return failure_; }
  // Fills the disk with a file of its own until at most `free_bytes` are left.
  void FillUpTo(long free_bytes);

 private:
  std::filesystem::path folder_;
  bool mounted_ = false;
  std::string failure_;
};

}  // namespace korvex::test
