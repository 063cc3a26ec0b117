#include "mainwindow/examplecollection.h"

#include <system_error>

namespace korvex {
namespace {

constexpr const char* kExampleFile = "Beispielsammlung.mvc";
constexpr const char* kExamplePictures = "Beispielsammlung";
constexpr const char* kExampleOfferedValue = "BeispielsammlungAngeboten";

}  // namespace

std::optional<std::filesystem::path> InstallExampleOnFirstStart(SettingsStore& store,
                                                                const std::filesystem::path& program_folder,
                                                                const std::filesystem::path& data_folder) {
  namespace fs = std::filesystem;
  SettingsKey key(store);
  if (key.ReadBool(kExampleOfferedValue).has_value()) return std::nullopt;
  key.WriteBool(kExampleOfferedValue, true);
  const fs::path source = program_folder / kExampleFile;
  if (!fs::exists(source)) return std::nullopt;
  const fs::path target = data_folder / kExampleFile;
  if (fs::exists(target)) return target;
  std::error_code error;
  fs::copy_file(source, target, error);
  if (error) return std::nullopt;
  // The copy is the collector's own file: a program folder installed read-only must not make it
  // refuse every save.
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
  const fs::path pictures = program_folder / kExamplePictures;
  if (fs::is_directory(pictures)) {
    // The collection opens even when a picture could not be copied.
    fs::copy(pictures, data_folder / kExamplePictures,
             fs::copy_options::recursive | fs::copy_options::skip_existing, error);
  }
  return target;
}

}  // namespace korvex
