#pragma once

#include <string>

#include "model/formatsettings.h"

namespace korvex {

// "%d": a plain whole number.
std::string FormatD(long long value);

// "%n", "%.2n", "%.3n", "%.0n": the value with `decimals` decimals, rounded half away from zero,
// thousands grouped with the given separators. A value that rounds to zero has no minus sign.
std::string FormatN(double value, int decimals, const FormatSettings& settings);

// The same for a value computed in extended precision (such as a product of catalogue value and
// count), so that the rounding decision sees the exact product rather than a double near it.
std::string FormatNExtended(long double value, int decimals, const FormatSettings& settings);

// A money amount: "%.2n" followed by a blank and the currency symbol.
std::string FormatMoney(double value, const std::string& currency_symbol,
                        const FormatSettings& settings);

}  // namespace korvex
