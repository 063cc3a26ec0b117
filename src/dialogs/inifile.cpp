#include "dialogs/inifile.h"

#include <fstream>
#include <system_error>

#include "dialogs/lookuporder.h"
#include "model/codepage.h"
#include "model/numbertext.h"
#include "platform/filebytes.h"

namespace korvex {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned minimum = 0;
    if (lead < 0x80) length = 1;
    else if (lead >= 0xC2 && lead <= 0xDF) { length = 2; minimum = 0x80; }
    else if (lead >= 0xE0 && lead <= 0xEF) { length = 3; minimum = 0x800; }
    else if (lead >= 0xF0 && lead <= 0xF4) { length = 4; minimum = 0x10000; }
    else return false;
    if (i + length > text.size()) return false;
    unsigned code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    if (length > 1 && (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))) {
      return false;
    }
    i += length;
  }
  return true;
}

bool IsBlankOrComment(std::string_view text) {
  const std::string_view rest = TrimBlanks(text);
  return rest.empty() || rest.starts_with(';');
}

// A line break inside a key or value would split its line in two.
std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return line;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// The bytes a text is saved as: Windows-1252 as it is, except when it happens to begin with the
// bytes of the UTF-8 mark ("ï»¿"). Such a file would be read back as UTF-8 and change, so it is
// written as UTF-8 behind the mark, which reads back to the very same text.
std::string FileBytesOf(std::string text) {
  if (!std::string_view(text).starts_with(kUtf8Mark)) return text;
  return std::string(kUtf8Mark) + Win1252ToUtf8(text);
}

}  // namespace

std::optional<std::string> ReadWin1252TextFile(const std::filesystem::path& path) {
  FileBytes file = ReadWholeFile(path);
  if (!file.ok()) return std::nullopt;
  std::string text = std::move(file.bytes);
  const std::string_view view(text);
  if (view.starts_with(kUtf8Mark) && IsValidUtf8(view.substr(kUtf8Mark.size()))) {
    return Utf8ToWin1252(view.substr(kUtf8Mark.size()));
  }
  return text;
}

IniFile IniFile::Load(const std::filesystem::path& path) {
  const std::optional<std::string> text = ReadWin1252TextFile(path);
  return text ? Parse(*text) : IniFile();
}

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  Section* current = nullptr;
  for (std::string_view raw : SplitLines(text)) {
    const std::string_view line = TrimBlanks(raw);
    const std::size_t close = line.find(']');
    if (line.starts_with('[') && close != std::string_view::npos &&
        IsBlankOrComment(line.substr(close + 1))) {
      // A section that appears twice is read as one, so that no line of it gets lost.
      const std::string_view name = TrimBlanks(line.substr(1, close - 1));
      current = ini.FindSection(name);
      if (current == nullptr) {
        ini.sections_.push_back(Section{std::string(name), {}, {}});
        current = &ini.sections_.back();
      }
      continue;
    }
    std::vector<Line>& lines = current ? current->lines : ini.preamble_;
    Line parsed;
    if (line.empty() || line.starts_with(';')) {
      parsed.raw = std::string(raw);
    } else {
      parsed.is_entry = true;
      const std::size_t equals = line.find('=');
      if (equals == std::string_view::npos) {
        parsed.entry = Entry{std::string(line), {}, false};
      } else {
        parsed.entry = Entry{std::string(TrimBlanks(line.substr(0, equals))),
                             std::string(TrimBlanks(line.substr(equals + 1))), true};
      }
      if (current) current->first_line_of_key.emplace(FoldCase(parsed.entry.key), lines.size());
    }
    lines.push_back(std::move(parsed));
  }
  return ini;
}

std::string IniFile::Text() const {
  std::string text;
  auto append_lines = [&text](const std::vector<Line>& lines) {
    for (const Line& line : lines) {
      if (!line.is_entry) text += line.raw;
      else if (line.entry.is_pair) text += line.entry.key + "=" + line.entry.value;
      else text += line.entry.key;
      text += "\r\n";
    }
  };
  append_lines(preamble_);
  for (const Section& section : sections_) {
    text += "[" + section.name + "]\r\n";
    append_lines(section.lines);
  }
  return text;
}

bool IniFile::Save(const std::filesystem::path& path) const {
  std::error_code error;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const std::string text = FileBytesOf(Text());
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
      out.close();
      std::filesystem::remove(temporary, error);
      return false;
    }
  }
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
  for (Section& section : sections_) {
    if (EqualIgnoringCase(section.name, name)) return &section;
  }
  return nullptr;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  return const_cast<IniFile*>(this)->FindSection(name);
}

bool IniFile::HasSection(std::string_view section) const { return FindSection(section) != nullptr; }

std::vector<IniFile::Entry> IniFile::SectionEntries(std::string_view section) const {
  std::vector<Entry> entries;
  const Section* found = FindSection(section);
  if (found == nullptr) return entries;
  entries.reserve(found->lines.size());
  for (const Line& line : found->lines) {
    if (line.is_entry) entries.push_back(line.entry);
  }
  return entries;
}

void IniFile::EraseSection(std::string_view section) {
  for (auto it = sections_.begin(); it != sections_.end(); ++it) {
    if (EqualIgnoringCase(it->name, section)) {
      sections_.erase(it);
      return;
    }
  }
}

void IniFile::WriteKey(std::string_view section, std::string_view raw_key,
                       std::string_view raw_value) {
  const std::string key = OneLine(raw_key);
  const std::string value = OneLine(raw_value);
  Section* found = FindSection(section);
  if (found == nullptr) {
    sections_.push_back(Section{std::string(section), {}, {}});
    found = &sections_.back();
  }
  const auto [position, inserted] =
      found->first_line_of_key.emplace(FoldCase(key), found->lines.size());
  if (!inserted) {
    Entry& entry = found->lines[position->second].entry;
    entry.value = value;
    entry.is_pair = true;
    return;
  }
  Line line;
  line.is_entry = true;
  line.entry = Entry{key, value, true};
  found->lines.push_back(std::move(line));
}

}  // namespace korvex
