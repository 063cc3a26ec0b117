#pragma once

#include <string>
#include <string_view>

namespace korvex {

// Prepares a typed decimal number for reading: every "," becomes "." and, scanning from the end,
// only the last "." is kept, so that "1.234,56" and "1,234.56" both read as "1234.56".
std::string DecimalPointText(std::string_view text);

// Removes every character except the digits, "," and ".".
std::string KeepNumberChars(std::string_view text);

// Replaces every occurrence of one character by another.
std::string ReplaceChar(std::string_view text, char from, char to);

// The text without the leading and trailing characters for which `drop` holds. Every trimming of
// the program goes through this.
std::string_view TrimWhere(std::string_view text, bool (*drop)(char));

// The text without leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);

// Reads a decimal number with a point as separator, optional sign and exponent. Surrounding blanks
// are allowed; anything else makes the text no number.
bool ParseDouble(std::string_view text, double& value);

// Reads a whole number in decimal with an optional sign; blanks around it are allowed.
bool ParseInt64(std::string_view text, long long& value);
bool ParseInt32(std::string_view text, int& value);

}  // namespace korvex
