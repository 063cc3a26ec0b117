#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QSettings;

namespace korvex {

// The per-user settings store: the program's key `Software\Varlow\Korvex\3` and its subkeys, kept
// in an INI file instead of the Windows registry.
//
// The file is `Varlow/Korvex.conf` in the per-user configuration folder (on Linux
// ~/.config/Varlow/Korvex.conf); the environment variable KORVEX_SETTINGS_FILE or the constructor
// argument names another file. The file stands for the key `Software\Varlow\Korvex`; the program's
// values live in its group "3", the subkeys below it ("3/Bars/Datei", "3/Tools").
//
// Values keep the registry's two types. An Integer (also a Boolean, stored as 0 or 1) is written as
// "dword:" and eight hexadecimal digits, as a registry export writes it; a String is written as its
// text. A String that itself begins with "dword:" or "sz:" is written with the prefix "sz:", so
// every text reads back as it was written and never as an Integer.
//
// Names and texts passed in and out are Windows-1252 like all text of the program.
class SettingsStore {
 public:
  // The store at its default location (or the one KORVEX_SETTINGS_FILE names).
  SettingsStore();
  explicit SettingsStore(std::filesystem::path file);
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  const std::filesystem::path& file() const { return file_; }

  // Whether the store can be used: its folder exists or can be created and an existing file can
  // be read. Reading or writing a store that is not accessible does nothing.
  bool IsAccessible() const;

  // Writes pending changes to the file. False when they could not be written.
  bool Flush();

  // The default file: KORVEX_SETTINGS_FILE, else the per-user configuration folder.
  static std::filesystem::path DefaultFile();

 private:
  friend class SettingsKey;
  std::filesystem::path file_;
  std::unique_ptr<QSettings> settings_;
};

// What a value holds in the store.
enum class SettingsValueType { kMissing, kInteger, kString };

// One key of the store, named relative to the program's key with "\" between the parts
// ("" = the program's key itself, "Tools", "Bars\Datei"). Opening a key never fails; a key that
// holds nothing reads as empty and comes into existence with its first value.
class SettingsKey {
 public:
  SettingsKey(SettingsStore& store, std::string_view subkey = {});

  SettingsValueType TypeOf(std::string_view name) const;

  // Nothing when the value is missing or holds the other type.
  std::optional<int32_t> ReadInteger(std::string_view name) const;
  // An Integer read as a Boolean: any value but 0 is true.
  std::optional<bool> ReadBool(std::string_view name) const;
  std::optional<std::string> ReadString(std::string_view name) const;

  void WriteInteger(std::string_view name, int32_t value);
  void WriteBool(std::string_view name, bool value);
  void WriteString(std::string_view name, std::string_view value);

  void DeleteValue(std::string_view name);

  // The names of the key's own values (not those of its subkeys), in alphabetical order.
  std::vector<std::string> ValueNames() const;

  // True when the key or one of its subkeys holds a value.
  bool Exists() const;

 private:
  QSettings* settings_;
  bool accessible_;
  std::string group_;
};

}  // namespace korvex
