#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/formatsettings.h"

namespace korvex {

// Dates are day counts from 30 December 1899 (day 0); the fraction is the time of day.
inline constexpr double kNoDate = -999999999.0;

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

bool IsValidDate(int year, int month, int day);

// Whether a day count names a day of the years 1 to 9999 (its fraction, the time of day, aside).
// The no-date value, NaN, the infinities and absurd counts from damaged files do not; every
// conversion below treats them as no date.
bool IsDay(double day_number);

// The day count of a calendar date; nothing for an impossible date.
std::optional<double> DayNumber(int year, int month, int day);

// The calendar date of a day count (its whole-day part, truncated towards zero); 0, 0, 0 when the
// count names no day.
CalendarDate CalendarDateOf(double day_number);

// Today's date at midnight, from the local clock.
double Today();

// The current date and time of day, from the local clock.
double Now();

// Formats the date part with a format such as "dd.mm.yyyy" or "M/d/yy": runs of d, m (or M) and
// y give day, month and year (one letter without leading zero, two with, "yy" the last two digits
// of the year, three or more the full year); every other character is copied. "?" when the count
// names no day.
std::string FormatDate(double day_number, std::string_view format);

// The same with the day, month and year of a count that names no day written as zeros
// ("00.00.0000").
std::string FormatDateOrZeros(double day_number, std::string_view format);

// Hours, minutes and seconds of the time of day, "hh:mm:ss" with the given separator; "00:00:00"
// when the count names no day.
std::string FormatTime(double date_time, char separator);

// Reads a date written in the order of `format` with the settings' date separator: two numbers
// give day and month of the current year, a two-digit year lands within fifty years of now.
// Nothing when the text is no valid date.
std::optional<double> ParseDate(std::string_view text, const FormatSettings& settings);

// How a year of one or two digits is completed.
enum class ShortYear {
  kNearNow,             // within fifty years of the current year
  kTwentyFirstCentury,  // yy is 20yy
};

// The same with the current year given instead of read from the clock.
std::optional<double> ParseDate(std::string_view text, const FormatSettings& settings,
                                int current_year, ShortYear short_year);

}  // namespace korvex
