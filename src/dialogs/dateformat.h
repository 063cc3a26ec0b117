#pragma once

#include <string>
#include <string_view>

#include "dialogs/programsettings.h"
#include "model/formatsettings.h"

class QLocale;

namespace korvex {

// True when the format names a day, a month and a year (the letters d, m and y in either case);
// a date format without one of them is not used.
bool HasDayMonthAndYear(std::string_view format);

// The system's short date format with a four-digit year: at the first "yy" that does not already
// begin "yyyy", "yy" is inserted ("dd.MM.yy" becomes "dd.MM.yyyy").
std::string WithFourDigitYear(std::string_view format);

// The date separator of a format: the last character that is no digit in the format applied to
// 31 December 1899 ("." for "dd.mm.yyyy", "-" for "yyyy-mm-dd"); `fallback` when there is none.
char DateSeparatorOf(std::string_view format, char fallback = '.');

// The date format in use: the chosen `DatumFormat` (trimmed) when `DatumAuto` is not ticked and a
// format is chosen, otherwise the system's short date format with a four-digit year. A chosen text
// that lacks day, month or year is not used either.
std::string DateFormatInUse(const ProgramSettings& settings, std::string_view system_short_format);

// Makes `format` the short date format of `settings` together with its date separator.
void ApplyDateFormat(FormatSettings& settings, std::string_view format);

// Number, money, date and time conventions of a locale (separators, currency symbol, short date
// format with a four-digit year), as Windows-1252.
FormatSettings FormatSettingsFromLocale(const QLocale& locale);

// The same for the user's locale. The program speaks German, so a machine with only the bare C
// locale gets German conventions, in the window and on the command line alike.
FormatSettings SystemFormatSettings();

// The locale whose conventions SystemFormatSettings takes for a given system locale.
QLocale ConventionsLocale(const QLocale& system);

// The format settings in force at start-up: the user's locale with the date format in use.
FormatSettings FormatSettingsInUse(const ProgramSettings& settings);

}  // namespace korvex
