#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvex {

// Reading and splitting the lines of a text import file. No quoting: a separator always ends a
// cell.

enum class TextImportReadStatus {
  kRead,
  kReadFailed,  // the file broke off while being read; the lines before stay ("Err 1")
  kCannotOpen,  // the file could not be opened ("Err 2")
  kTooLarge,    // larger than any collection document (read_limits); nothing was read
};

// `lines` point into `content`, so the object stays where it was filled.
struct TextImportFile {
  TextImportFile() = default;
  TextImportFile(const TextImportFile&) = delete;
  TextImportFile& operator=(const TextImportFile&) = delete;

  TextImportReadStatus status = TextImportReadStatus::kRead;
  std::string content;  // Windows-1252
  std::vector<std::string_view> lines;  // non-empty lines of `content`, without line ends
};

// Reads the whole file and splits it into lines at CR LF, LF or CR. Empty lines are left out:
// they hold no coin. A file that starts with the UTF-8 byte order mark is taken as UTF-8 and
// converted to Windows-1252; every other file is Windows-1252 already.
void ReadTextImportFile(const std::string& path, TextImportFile& file);
std::vector<std::string_view> SplitTextImportLines(std::string_view content);

// The separator, from the first line: a tab when it holds at least two tabs, else a semicolon
// when it holds at least two semicolons, else a comma.
char ChooseTextImportSeparator(std::string_view first_line);

// A line whose last character is the separator loses that one character.
std::string_view CutTrailingSeparator(std::string_view line, char separator);

// The most columns an import file can have.
inline constexpr std::size_t kMaxImportColumns = 48;

// Splits a line into `count` cells: missing cells are empty, surplus cells are dropped. With
// `count` 0 the line gives as many cells as it holds, up to kMaxImportColumns (the header line).
void SplitTextImportLine(std::string_view line, char separator, std::size_t count,
                         std::vector<std::string_view>& cells);

}  // namespace korvex
