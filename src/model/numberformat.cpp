#include "model/numberformat.h"

#include <cmath>
#include <cstdio>

namespace korvex {

FormatSettings FormatSettings::German() { return FormatSettings{}; }

FormatSettings FormatSettings::English() {
  FormatSettings settings;
  settings.thousands_separator = ",";
  settings.decimal_separator = ".";
  settings.short_date_format = "yyyy-mm-dd";
  settings.date_separator = '-';
  return settings;
}

std::string FormatD(long long value) { return std::to_string(value); }

namespace {

// Printing thirty digits beyond the rounding place shows the exact binary value far enough to
// tell a true half (0.125) from a value just below it.
std::string PrintedMagnitude(double magnitude, int decimals) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals + 30, magnitude);
  return buffer;
}

std::string PrintedMagnitude(long double magnitude, int decimals) {
  char buffer[5200];
  std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals + 30, magnitude);
  return buffer;
}

// Digits of the printed magnitude rounded half away from zero to `decimals` places, without
// separators.
std::string RoundedDigits(const std::string& text, int decimals, std::string& fraction) {
  const std::size_t point = text.find('.');
  std::string whole = text.substr(0, point);
  std::string digits = text.substr(point + 1);
  const bool round_up = digits[decimals] >= '5';
  fraction = digits.substr(0, decimals);
  if (round_up) {
    std::string all = whole + fraction;
    int i = static_cast<int>(all.size()) - 1;
    while (i >= 0 && all[i] == '9') all[i--] = '0';
    if (i >= 0) ++all[i];
    else all.insert(all.begin(), '1');
    whole = all.substr(0, all.size() - decimals);
    fraction = all.substr(all.size() - decimals);
  }
  return whole;
}

std::string GroupThousands(const std::string& whole, const std::string& separator) {
  std::string grouped;
  const int length = static_cast<int>(whole.size());
  for (int i = 0; i < length; ++i) {
    if (i > 0 && (length - i) % 3 == 0) grouped += separator;
    grouped += whole[i];
  }
  return grouped;
}

template <typename Real>
std::string FormatReal(Real value, int decimals, const FormatSettings& settings) {
  if (std::isnan(value) || std::isinf(value)) return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
  std::string fraction;
  const std::string whole =
      RoundedDigits(PrintedMagnitude(std::fabs(value), decimals), decimals, fraction);
  std::string result = GroupThousands(whole, settings.thousands_separator);
  if (decimals > 0) result += settings.decimal_separator + fraction;
  const bool is_zero = whole.find_first_not_of('0') == std::string::npos &&
                       fraction.find_first_not_of('0') == std::string::npos;
  if (value < 0 && !is_zero) result.insert(result.begin(), '-');
  return result;
}

}  // namespace

std::string FormatN(double value, int decimals, const FormatSettings& settings) {
  return FormatReal(value, decimals, settings);
}

std::string FormatNExtended(long double value, int decimals, const FormatSettings& settings) {
  return FormatReal(value, decimals, settings);
}

std::string FormatMoney(double value, const std::string& currency_symbol,
                        const FormatSettings& settings) {
  return FormatN(value, 2, settings) + " " + currency_symbol;
}

}  // namespace korvex
