#pragma once

#include <string_view>

namespace korvex {

// Rounds to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

// Rounds to whole cents, halves to the even cent.
double RoundToCentsHalfEven(double value);

// The whole-number value of an inventory number: leading blanks are skipped, then an optional sign,
// then decimal digits up to the first other character; an initial "$", "x", "X" or "0x" introduces
// hexadecimal digits instead. No digits give 0; values beyond 32 bits saturate.
int InventoryNumberValue(std::string_view item);

}  // namespace korvex
