#pragma once

#include <string>

namespace korvex {

// Everything that number, money and date texts depend on. Passed explicitly instead of read
// from a global locale, so that the same collection always formats the same way.
// All texts are Windows-1252.
struct FormatSettings {
  std::string thousands_separator = ".";
  std::string decimal_separator = ",";
  std::string currency_symbol = "\x80";  // the euro sign
  std::string short_date_format = "dd.mm.yyyy";
  char date_separator = '.';
  char time_separator = ':';

  static FormatSettings German();
  static FormatSettings English();
};

}  // namespace korvex
