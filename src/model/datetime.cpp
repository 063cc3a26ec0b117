#include "model/datetime.h"

#include <cctype>
#include <cmath>
#include <ctime>
#include <vector>

namespace korvex {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

CalendarDate CivilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// 1899-12-30 counted from 1970-01-01.
const long long kEpochOffset = DaysFromCivil(1899, 12, 30);

// The day counts of 0001-01-01 and 9999-12-31.
constexpr double kFirstDay = -693593.0;
constexpr double kLastDay = 2958465.0;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::string Padded(long long value, int width) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  while (static_cast<int>(digits.size()) < width) digits.insert(digits.begin(), '0');
  return value < 0 ? "-" + digits : digits;
}

std::string FormatParts(const CalendarDate& date, std::string_view format) {
  std::string out;
  std::size_t i = 0;
  while (i < format.size()) {
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
    if (letter != 'd' && letter != 'm' && letter != 'y') {
      out += format[i++];
      continue;
    }
    std::size_t run = 1;
    while (i + run < format.size() &&
           std::tolower(static_cast<unsigned char>(format[i + run])) == letter) {
      ++run;
    }
    i += run;
    if (letter == 'd') out += Padded(date.day, run >= 2 ? 2 : 1);
    else if (letter == 'm') out += Padded(date.month, run >= 2 ? 2 : 1);
    else if (run <= 2) out += Padded(((date.year % 100) + 100) % 100, 2);
    else out += Padded(date.year, 4);
  }
  return out;
}

// The order of day, month and year in a format: a string such as "dmy" or "ymd".
std::string FieldOrder(std::string_view format) {
  std::string order;
  for (char c : format) {
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if ((letter == 'd' || letter == 'm' || letter == 'y') && order.find(letter) == std::string::npos) {
      order += letter;
    }
  }
  return order.size() == 3 ? order : "dmy";
}

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

std::optional<double> DayNumber(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) return std::nullopt;
  return static_cast<double>(DaysFromCivil(year, month, day) - kEpochOffset);
}

bool IsDay(double day_number) {
  if (!std::isfinite(day_number)) return false;
  const double day = std::trunc(day_number);
  return day >= kFirstDay && day <= kLastDay;
}

CalendarDate CalendarDateOf(double day_number) {
  if (!IsDay(day_number)) return CalendarDate{};
  return CivilFromDays(static_cast<long long>(std::trunc(day_number)) + kEpochOffset);
}

double Today() {
  const std::tm local = LocalTimeNow();
  return *DayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

double Now() {
  const std::tm local = LocalTimeNow();
  return Today() + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

std::string FormatDate(double day_number, std::string_view format) {
  if (!IsDay(day_number)) return "?";
  return FormatParts(CalendarDateOf(day_number), format);
}

std::string FormatDateOrZeros(double day_number, std::string_view format) {
  return FormatParts(CalendarDateOf(day_number), format);
}

std::string FormatTime(double date_time, char separator) {
  if (!IsDay(date_time)) date_time = 0;
  const double fraction = std::fabs(date_time - std::trunc(date_time));
  long long seconds = std::llround(fraction * 86400.0);
  if (seconds >= 86400) seconds = 86399;
  const std::string sep(1, separator);
  return Padded(seconds / 3600, 2) + sep + Padded(seconds / 60 % 60, 2) + sep + Padded(seconds % 60, 2);
}

std::optional<double> ParseDate(std::string_view text, const FormatSettings& settings) {
  return ParseDate(text, settings, LocalTimeNow().tm_year + 1900, ShortYear::kNearNow);
}

std::optional<double> ParseDate(std::string_view text, const FormatSettings& settings,
                                int current_year, ShortYear short_year) {
  std::vector<int> numbers;
  std::vector<int> widths;
  std::size_t i = 0;
  auto skip_blanks = [&] { while (i < text.size() && text[i] == ' ') ++i; };
  skip_blanks();
  while (i < text.size()) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    long long value = 0;
    std::size_t start = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      value = value * 10 + (text[i] - '0');
      if (value > 99999) return std::nullopt;
      ++i;
    }
    numbers.push_back(static_cast<int>(value));
    widths.push_back(static_cast<int>(i - start));
    skip_blanks();
    if (i < text.size()) {
      if (text[i] != settings.date_separator || numbers.size() == 3) return std::nullopt;
      ++i;
      skip_blanks();
      if (i == text.size()) return std::nullopt;
    }
  }
  if (numbers.size() < 2) return std::nullopt;

  std::string order = FieldOrder(settings.short_date_format);
  int day = 0, month = 0, year = current_year;
  bool year_given = numbers.size() == 3;
  if (!year_given) order.erase(order.find('y'), 1);
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (order[k] == 'd') day = numbers[k];
    else if (order[k] == 'm') month = numbers[k];
    else {
      year = numbers[k];
      if (widths[k] <= 2 && short_year == ShortYear::kTwentyFirstCentury) {
        year += 2000;
      } else if (widths[k] <= 2) {
        year += current_year - current_year % 100;
        if (year > current_year + 50) year -= 100;
        else if (year < current_year - 50) year += 100;
      }
    }
  }
  return DayNumber(year, month, day);
}

}  // namespace korvex
