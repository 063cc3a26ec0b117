#include "platform/settingsstore.h"

#include <QSettings>
#include <QStandardPaths>
#include <QString>

#include <cstdlib>
#include <system_error>

#include "platform/widetext.h"

namespace korvex {
namespace {

// The program's key `Software\Varlow\Korvex\3` inside the file that stands for
// `Software\Varlow\Korvex`.
constexpr const char* kProgramKeyGroup = "3";
constexpr const char* kIntegerPrefix = "dword:";
constexpr const char* kStringPrefix = "sz:";

// A value name may hold characters that QSettings reads as group separators; they are escaped
// so that every name stays one value of its key.
std::string EscapeValueName(std::string_view name) {
  std::string out;
  for (char c : name) {
    if (c == '%') out += "%25";
    else if (c == '/') out += "%2F";
    else if (c == '\\') out += "%5C";
    else out += c;
  }
  return out;
}

std::string UnescapeValueName(std::string_view name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const std::string_view rest = name.substr(i);
    if (rest.starts_with("%25")) { out += '%'; i += 2; }
    else if (rest.starts_with("%2F")) { out += '/'; i += 2; }
    else if (rest.starts_with("%5C")) { out += '\\'; i += 2; }
    else out += name[i];
  }
  return out;
}

std::string GroupOf(std::string_view subkey) {
  std::string group = kProgramKeyGroup;
  std::string part;
  auto flush_part = [&] {
    if (part.empty()) return;
    group += '/';
    group += EscapeValueName(part);
    part.clear();
  };
  for (char c : subkey) {
    if (c == '\\' || c == '/') flush_part();
    else part += c;
  }
  flush_part();
  return group;
}

bool IsHexDigit(QChar c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// The Integer that a stored text spells, when it is one.
std::optional<int32_t> IntegerOfStoredText(const QString& stored) {
  const QString prefix = QString::fromLatin1(kIntegerPrefix);
  if (!stored.startsWith(prefix) || stored.size() != prefix.size() + 8) return std::nullopt;
  const QString digits = stored.mid(prefix.size());
  for (QChar c : digits) {
    if (!IsHexDigit(c)) return std::nullopt;
  }
  return static_cast<int32_t>(digits.toUInt(nullptr, 16));
}

}  // namespace

std::filesystem::path SettingsStore::DefaultFile() {
  const char* named = std::getenv("KORVEX_SETTINGS_FILE");
  if (named && *named) return named;
  std::filesystem::path folder =
      QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
  if (folder.empty()) folder = std::filesystem::temp_directory_path();
  return folder / "Varlow" / "Korvex.conf";
}

SettingsStore::SettingsStore() : SettingsStore(DefaultFile()) {}

SettingsStore::SettingsStore(std::filesystem::path file) : file_(std::move(file)) {
  std::error_code ignored;
  if (file_.has_parent_path()) std::filesystem::create_directories(file_.parent_path(), ignored);
  settings_ = std::make_unique<QSettings>(QString::fromStdString(file_.string()),
                                          QSettings::IniFormat);
}

// QSettings writes what is pending when it goes.
SettingsStore::~SettingsStore() = default;

bool SettingsStore::IsAccessible() const {
  std::error_code error;
  const std::filesystem::path folder = file_.has_parent_path() ? file_.parent_path() : ".";
  if (!std::filesystem::is_directory(folder, error)) return false;
  if (std::filesystem::exists(file_, error) && !std::filesystem::is_regular_file(file_, error)) {
    return false;
  }
  return settings_->status() != QSettings::AccessError;
}

bool SettingsStore::Flush() {
  if (!IsAccessible()) return false;
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

SettingsKey::SettingsKey(SettingsStore& store, std::string_view subkey)
    : settings_(store.settings_.get()), accessible_(store.IsAccessible()), group_(GroupOf(subkey)) {}

namespace {

QString FullKey(const std::string& group, std::string_view name) {
  return QString::fromStdString(group) + u'/' + FromWin1252(EscapeValueName(name));
}

}  // namespace

SettingsValueType SettingsKey::TypeOf(std::string_view name) const {
  if (!accessible_) return SettingsValueType::kMissing;
  const QVariant stored = settings_->value(FullKey(group_, name));
  if (!stored.isValid()) return SettingsValueType::kMissing;
  return IntegerOfStoredText(stored.toString()) ? SettingsValueType::kInteger
                                                : SettingsValueType::kString;
}

std::optional<int32_t> SettingsKey::ReadInteger(std::string_view name) const {
  if (!accessible_) return std::nullopt;
  const QVariant stored = settings_->value(FullKey(group_, name));
  if (!stored.isValid()) return std::nullopt;
  return IntegerOfStoredText(stored.toString());
}

std::optional<bool> SettingsKey::ReadBool(std::string_view name) const {
  const std::optional<int32_t> value = ReadInteger(name);
  if (!value) return std::nullopt;
  return *value != 0;
}

std::optional<std::string> SettingsKey::ReadString(std::string_view name) const {
  if (!accessible_) return std::nullopt;
  const QVariant stored = settings_->value(FullKey(group_, name));
  if (!stored.isValid()) return std::nullopt;
  // A list arises when a hand-edited value holds an unquoted comma; its text is what was typed.
  QString text = stored.typeId() == QMetaType::QStringList ? stored.toStringList().join(u", ")
                                                          : stored.toString();
  if (IntegerOfStoredText(text)) return std::nullopt;
  const QString string_prefix = QString::fromLatin1(kStringPrefix);
  if (text.startsWith(string_prefix)) text.remove(0, string_prefix.size());
  return ToWin1252(text);
}

void SettingsKey::WriteInteger(std::string_view name, int32_t value) {
  if (!accessible_) return;
  const QString digits =
      QString::number(static_cast<uint32_t>(value), 16).rightJustified(8, u'0');
  settings_->setValue(FullKey(group_, name), QString::fromLatin1(kIntegerPrefix) + digits);
}

void SettingsKey::WriteBool(std::string_view name, bool value) { WriteInteger(name, value ? 1 : 0); }

void SettingsKey::WriteString(std::string_view name, std::string_view value) {
  if (!accessible_) return;
  QString text = FromWin1252(value);
  if (text.startsWith(QString::fromLatin1(kIntegerPrefix)) ||
      text.startsWith(QString::fromLatin1(kStringPrefix))) {
    text.prepend(QString::fromLatin1(kStringPrefix));
  }
  settings_->setValue(FullKey(group_, name), text);
}

void SettingsKey::DeleteValue(std::string_view name) {
  if (!accessible_) return;
  settings_->remove(FullKey(group_, name));
}

std::vector<std::string> SettingsKey::ValueNames() const {
  std::vector<std::string> names;
  if (!accessible_) return names;
  settings_->beginGroup(QString::fromStdString(group_));
  const QStringList keys = settings_->childKeys();
  settings_->endGroup();
  for (const QString& key : keys) names.push_back(UnescapeValueName(ToWin1252(key)));
  return names;
}

bool SettingsKey::Exists() const {
  if (!accessible_) return false;
  settings_->beginGroup(QString::fromStdString(group_));
  const bool exists = !settings_->allKeys().isEmpty();
  settings_->endGroup();
  return exists;
}

}  // namespace korvex
