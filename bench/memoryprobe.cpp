#include "memoryprobe.h"

#include <malloc.h>

#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace korvex::bench {

std::optional<long> StatusValueKiB(std::string_view status_text, std::string_view key) {
  size_t line = 0;
  while (line < status_text.size()) {
    size_t end = status_text.find('\n', line);
    if (end == std::string_view::npos) end = status_text.size();
    std::string_view text = status_text.substr(line, end - line);
    line = end + 1;
    if (text.size() <= key.size() || text.substr(0, key.size()) != key || text[key.size()] != ':') {
      continue;
    }
    text.remove_prefix(key.size() + 1);
    const size_t digits = text.find_first_not_of(" \t");
    if (digits == std::string_view::npos) return std::nullopt;
    text.remove_prefix(digits);
    long value = 0;
    const auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || rest == text.data()) return std::nullopt;
    if (std::string_view(rest, text.data() + text.size() - rest) != " kB") return std::nullopt;
    return value;
  }
  return std::nullopt;
}

MemoryStatus ReadMemoryStatus() {
  std::ifstream file("/proc/self/status");
  std::stringstream content;
  content << file.rdbuf();
  const std::string text = content.str();
  const std::optional<long> rss = StatusValueKiB(text, "VmRSS");
  const std::optional<long> peak = StatusValueKiB(text, "VmHWM");
  if (!rss || !peak) throw std::runtime_error("/proc/self/status has no VmRSS or VmHWM");
  return {*rss, *peak};
}

bool ResetPeak() {
  std::ofstream clear_refs("/proc/self/clear_refs");
  clear_refs << "5";
  clear_refs.flush();
  return static_cast<bool>(clear_refs);
}

size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

}  // namespace korvex::bench
