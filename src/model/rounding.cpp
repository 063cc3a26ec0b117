#include "model/rounding.h"

#include <climits>
#include <cmath>

namespace korvex {

double RoundHalfEven(double value) {
  return std::nearbyint(value);  // the default rounding mode rounds halves to even
}

double RoundToCentsHalfEven(double value) {
  // Scaling by 100 is inexact for values such as 0.005; compare against the nearest cent and
  // treat differences below a hundredth of a millionth of a cent as exact halves.
  const double scaled = value * 100.0;
  const double floor = std::floor(scaled);
  const double fraction = scaled - floor;
  constexpr double kTolerance = 1e-7;
  double cents;
  if (std::fabs(fraction - 0.5) < kTolerance) {
    cents = std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
  } else {
    cents = std::nearbyint(scaled);
  }
  return cents / 100.0;
}

namespace {

int DigitValue(char c, int base) {
  int digit = -1;
  if (c >= '0' && c <= '9') digit = c - '0';
  else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
  return digit < base ? digit : -1;
}

}  // namespace

int InventoryNumberValue(std::string_view item) {
  std::size_t pos = 0;
  while (pos < item.size() && item[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < item.size() && (item[pos] == '-' || item[pos] == '+')) {
    negative = item[pos] == '-';
    ++pos;
  }
  int base = 10;
  if (pos < item.size() && (item[pos] == '$' || item[pos] == 'x' || item[pos] == 'X')) {
    base = 16;
    ++pos;
  } else if (pos + 1 < item.size() && item[pos] == '0' && (item[pos + 1] == 'x' || item[pos + 1] == 'X')) {
    base = 16;
    pos += 2;
  }
  long long value = 0;
  for (; pos < item.size(); ++pos) {
    const int digit = DigitValue(item[pos], base);
    if (digit < 0) break;
    value = value * base + digit;
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(value);
}

}  // namespace korvex
