#include "model/numbertext.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>

namespace korvex {
std::string_view TrimWhere(std::string_view text, bool (*drop)(char)) {
  while (!text.empty() && drop(text.front())) text.remove_prefix(1);
  while (!text.empty() && drop(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view TrimBlanks(std::string_view text) {
  return TrimWhere(text, [](char c) { return c == ' ' || c == '\t'; });
}

std::string DecimalPointText(std::string_view text) {
  // The point that stays is the last "," or "." of the text; every other one goes.
  const std::size_t kept_point = text.find_last_of(",.");
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (i == kept_point) result += '.';
    else if (c != ',' && c != '.') result += c;
  }
  return result;
}

std::string KeepNumberChars(std::string_view text) {
  std::string result;
  for (char c : text) {
    if ((c >= '0' && c <= '9') || c == ',' || c == '.') result += c;
  }
  return result;
}

std::string ReplaceChar(std::string_view text, char from, char to) {
  std::string result(text);
  for (char& c : result) {
    if (c == from) c = to;
  }
  return result;
}

bool ParseDouble(std::string_view text, double& value) {
  text = TrimBlanks(text);
  if (text.empty()) return false;
  if (text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return false;
  double parsed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  value = parsed;
  return true;
}

bool ParseInt64(std::string_view text, long long& value) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return false;
  long long parsed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  value = parsed;
  return true;
}

bool ParseInt32(std::string_view text, int& value) {
  long long wide = 0;
  if (!ParseInt64(text, wide) || wide < INT_MIN || wide > INT_MAX) return false;
  value = static_cast<int>(wide);
  return true;
}

}  // namespace korvex
