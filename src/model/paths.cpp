#include "model/paths.h"

#include "model/codepage.h"
#include "model/textcompare.h"

namespace korvex {
namespace {

std::size_t LastSeparator(std::string_view path) { return path.find_last_of("/\\"); }

}  // namespace

std::filesystem::path NativePath(std::string_view win1252_path) {
  return std::filesystem::path(Win1252ToUtf8(win1252_path));
}

std::string PathText(const std::filesystem::path& path) { return Utf8ToWin1252(path.string()); }

bool HasNoDirectory(std::string_view name) { return LastSeparator(name) == std::string_view::npos; }

std::string DirectoryOf(std::string_view path) {
  const std::size_t separator = LastSeparator(path);
  return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator + 1));
}

std::string ExtensionOf(std::string_view path) {
  const std::size_t separator = LastSeparator(path);
  const std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string_view::npos || dot == 0 ? std::string() : std::string(name.substr(dot));
}

std::string FileTitleOf(std::string_view path) {
  const std::size_t separator = LastSeparator(path);
  std::string name(separator == std::string_view::npos ? path : path.substr(separator + 1));
  const std::string extension = ExtensionOf(name);
  name.resize(name.size() - extension.size());
  return name;
}

bool SamePathIgnoringCase(std::string_view a, std::string_view b) { return EqualAsciiUpper(a, b); }

}  // namespace korvex
