#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvex {

// Reads a text file of the program's data folder as Windows-1252: the bytes as they are, or, when
// the file begins with a UTF-8 byte-order mark and is valid UTF-8, its text converted. Nothing
// when the file cannot be read.
std::optional<std::string> ReadWin1252TextFile(const std::filesystem::path& path);

// An INI file held in memory, with the few operations the lookup lists need: all lines of a
// section in order, erase a section, write one key. Section names and keys are matched without
// regard to case (EqualIgnoringCase); everything else in the file (other sections, comments,
// blank lines) is kept as it was.
//
// On disk the file is Windows-1252 with CR LF line ends, like the INI files of the program's
// earlier versions. A file that begins with a UTF-8 byte-order mark and is valid UTF-8 is read as
// UTF-8 (an editor may have saved it so); it is written back as Windows-1252.
class IniFile {
 public:
  // One line of a section: `key`, "=", `value` (blanks around both removed). A line without "="
  // has the whole line as key and is_pair false.
  struct Entry {
    std::string key;
    std::string value;
    bool is_pair = true;
  };

  IniFile() = default;

  // Reads the file; a missing or unreadable file gives an empty INI file.
  static IniFile Load(const std::filesystem::path& path);
  // Parses INI text (Windows-1252).
  static IniFile Parse(std::string_view text);

  // Writes the file through a temporary file beside it, so that a failed write leaves the old
  // file intact. False when it could not be written.
  bool Save(const std::filesystem::path& path) const;
  std::string Text() const;

  bool HasSection(std::string_view section) const;
  // The key-value lines of a section in file order (comments and blank lines left out); empty
  // when the section is missing.
  std::vector<Entry> SectionEntries(std::string_view section) const;

  // Removes the section with all its lines.
  void EraseSection(std::string_view section);

  // Sets the value of the first line of the section whose key matches (keeping that line's key
  // as written); without such a line, appends one, creating the section at the end of the file
  // when needed.
  void WriteKey(std::string_view section, std::string_view key, std::string_view value);

 private:
  struct Line {
    std::string raw;  // comments and blank lines, kept as they were
    Entry entry;
    bool is_entry = false;
  };
  struct Section {
    std::string name;
    std::vector<Line> lines;
    // FoldCase(key) to the index of the first line with that key, so that writing a long list
    // stays linear.
    std::unordered_map<std::string, std::size_t> first_line_of_key;
  };

  Section* FindSection(std::string_view name);
  const Section* FindSection(std::string_view name) const;

  std::vector<Line> preamble_;  // lines before the first section
  std::vector<Section> sections_;
};

}  // namespace korvex
