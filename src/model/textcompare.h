#pragma once

#include <string>
#include <string_view>

namespace korvex {

// Upper-cases the ASCII letters a to z only; umlauts and every other byte keep their codes.
std::string AsciiUpper(std::string_view text);

// The sort's folding: ASCII upper-casing, then "Ä", "Ö", "Ü" become "A", "O", "U".
std::string SortFold(std::string_view text);

// Byte-wise comparison as unsigned Windows-1252 codes; a proper beginning is less.
// Returns a negative number, zero or a positive number.
int CompareBytes(std::string_view a, std::string_view b);

// Compares after ASCII upper-casing, without building copies.
int CompareAsciiUpper(std::string_view a, std::string_view b);

// Compares after folding, without building copies.
int CompareFolded(std::string_view a, std::string_view b);

// True when both texts are identical after ASCII upper-casing.
bool EqualAsciiUpper(std::string_view a, std::string_view b);

}  // namespace korvex
