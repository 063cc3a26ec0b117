#pragma once

#include <string_view>

#include "model/formatsettings.h"

namespace korvex {

// How the text import reads one cell. Every cell first loses the blanks and control characters
// at both ends; text cells are then taken unchanged.

std::string_view TrimImportCell(std::string_view cell);

// A number: every comma becomes a full stop and only the last full stop stays, so "1.234,50"
// and "1,234.50" both read 1234.5 and "1.000" reads 1. False for a cell that is no number then;
// the caller keeps the member's value.
bool ReadImportNumber(std::string_view cell, double& value);

// A whole number read the same way; decimals are cut towards zero. False for a cell that is no
// number or lies outside the 64-bit range.
bool ReadImportInteger(std::string_view cell, long long& value);

// A date: "?", "-", the empty cell, "00.00.0000" and the zero date written in the date format in
// use give the no-date value; everything else is read in the date format in use. A cell that is
// no date also gives the no-date value and sets `failed`.
double ReadImportDate(std::string_view cell, const FormatSettings& settings, bool& failed);

}  // namespace korvex
