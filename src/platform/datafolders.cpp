#include "platform/datafolders.h"

#include <cstdlib>
#include <system_error>

namespace korvex {
namespace {

std::filesystem::path FromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? std::filesystem::path(value) : std::filesystem::path();
}

std::filesystem::path UserDataLocation() {
  std::filesystem::path base = FromEnvironment("XDG_DATA_HOME");
  if (base.empty()) {
    const std::filesystem::path home = FromEnvironment("HOME");
    base = home.empty() ? std::filesystem::temp_directory_path() : home / ".local" / "share";
  }
  return base / "proMarbel" / "Korvex";
}

}  // namespace

std::filesystem::path DataFolder() {
  std::filesystem::path folder = FromEnvironment("KORVEX_DATA_DIR");
  if (folder.empty()) folder = UserDataLocation();
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return folder;
}

std::filesystem::path ProgramFolder() {
  std::filesystem::path folder = FromEnvironment("KORVEX_PROGRAM_DIR");
  if (!folder.empty()) return folder;
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  // Without /proc the working folder is the best guess left.
  return ProgramFolderBeside(error ? std::filesystem::current_path(error) : executable.parent_path());
}

std::filesystem::path ProgramFolderBeside(const std::filesystem::path& executable_folder) {
  std::error_code error;
  if (std::filesystem::exists(executable_folder / "waehrung.umr", error)) return executable_folder;
  return (executable_folder / ".." / "share" / "korvex").lexically_normal();
}

}  // namespace korvex
