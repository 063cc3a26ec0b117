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
  if (!error && std::filesystem::exists(executable.parent_path() / "waehrung.umr")) {
    return executable.parent_path();
  }
  return KORVEX_SHIPPED_DATA_DIR;
}

}  // namespace korvex
