#include "files/textimportlines.h"

#include <algorithm>
#include <filesystem>

#include "files/readlimits.h"

#include "model/codepage.h"
#include "model/paths.h"
#include "platform/filebytes.h"

namespace korvex {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

void ReadTextImportFile(const std::string& path, TextImportFile& file) {
  std::error_code error;
  const auto size = std::filesystem::file_size(NativePath(path), error);
  if (!error && size > read_limits::kMaxDocumentBytes) {
    file.status = TextImportReadStatus::kTooLarge;
    return;
  }
  FileBytes read = ReadWholeFile(NativePath(path));
  if (read.status == FileReadStatus::kCannotOpen) {
    file.status = TextImportReadStatus::kCannotOpen;
    return;
  }
  file.content = std::move(read.bytes);
  if (read.status == FileReadStatus::kReadFailed) file.status = TextImportReadStatus::kReadFailed;

  if (std::string_view(file.content).substr(0, 3) == kUtf8ByteOrderMark) {
    file.content = Utf8ToWin1252(std::string_view(file.content).substr(3));
  }
  file.lines = SplitTextImportLines(file.content);
}

std::vector<std::string_view> SplitTextImportLines(std::string_view content) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = content.size();
    if (end > start) lines.push_back(content.substr(start, end - start));
    start = end;
    if (start < content.size() && content[start] == '\r') ++start;
    if (start < content.size() && content[start] == '\n') ++start;
  }
  return lines;
}

char ChooseTextImportSeparator(std::string_view first_line) {
  if (std::count(first_line.begin(), first_line.end(), '\t') >= 2) return '\t';
  if (std::count(first_line.begin(), first_line.end(), ';') >= 2) return ';';
  return ',';
}

std::string_view CutTrailingSeparator(std::string_view line, char separator) {
  if (!line.empty() && line.back() == separator) line.remove_suffix(1);
  return line;
}

void SplitTextImportLine(std::string_view line, char separator, std::size_t count,
                         std::vector<std::string_view>& cells) {
  const std::size_t limit = count == 0 ? kMaxImportColumns : count;
  cells.clear();
  std::size_t start = 0;
  while (cells.size() < limit) {
    const std::size_t end = line.find(separator, start);
    if (end == std::string_view::npos) {
      cells.push_back(line.substr(start));
      break;
    }
    cells.push_back(line.substr(start, end - start));
    start = end + 1;
  }
  if (count != 0) cells.resize(count);
}

}  // namespace korvex
