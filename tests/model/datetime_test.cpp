#include <gtest/gtest.h>

#include <cmath>

#include "model/datetime.h"

namespace korvex {
namespace {

TEST(DayNumbers, AroundTheEpochAndLeapYears) {
  EXPECT_EQ(*DayNumber(1899, 12, 30), 0);
  EXPECT_EQ(*DayNumber(1899, 12, 31), 1);
  EXPECT_EQ(*DayNumber(1899, 12, 29), -1);
  EXPECT_EQ(*DayNumber(1900, 1, 1), 2);
  EXPECT_EQ(*DayNumber(1900, 3, 1), 61);  // 1900 is no leap year
  EXPECT_EQ(*DayNumber(2000, 1, 1), 36526);
  EXPECT_TRUE(DayNumber(2000, 2, 29).has_value());
  EXPECT_FALSE(DayNumber(1900, 2, 29).has_value());
  EXPECT_FALSE(DayNumber(2001, 2, 29).has_value());
  EXPECT_FALSE(DayNumber(2001, 2, 30).has_value());
  EXPECT_FALSE(DayNumber(0, 0, 0).has_value());
}

TEST(DayNumbers, CalendarDatesRoundTrip) {
  for (double day = -693593; day < 2958465; day += 997) {  // years 1 to 9999
    const CalendarDate date = CalendarDateOf(day);
    EXPECT_EQ(*DayNumber(date.year, date.month, date.day), day);
  }
  const CalendarDate leap = CalendarDateOf(*DayNumber(2024, 2, 29) + 0.75);  // time is ignored
  EXPECT_EQ(leap.year, 2024);
  EXPECT_EQ(leap.month, 2);
  EXPECT_EQ(leap.day, 29);
}

TEST(DateTexts, FormatsOfTheSettings) {
  const double day = *DayNumber(2001, 2, 3);
  EXPECT_EQ(FormatDate(day, "dd.mm.yyyy"), "03.02.2001");
  EXPECT_EQ(FormatDate(day, "yyyy-mm-dd"), "2001-02-03");
  EXPECT_EQ(FormatDate(day, "mm/dd/yyyy"), "02/03/2001");
  EXPECT_EQ(FormatDate(day, "d.M.yy"), "3.2.01");
  EXPECT_EQ(FormatDateOrZeros(kNoDate, "dd.mm.yyyy"), "00.00.0000");
  EXPECT_EQ(FormatTime(day + 0.5 + 61.0 / 86400, ':'), "12:01:01");
}

TEST(DateTexts, ReadingFollowsTheFormatOrder) {
  FormatSettings de = FormatSettings::German();
  FormatSettings en = FormatSettings::English();
  EXPECT_EQ(*ParseDate("15.01.1989", de), *DayNumber(1989, 1, 15));
  EXPECT_EQ(*ParseDate(" 1.2.1990 ", de), *DayNumber(1990, 2, 1));
  EXPECT_EQ(*ParseDate("1990-02-01", en), *DayNumber(1990, 2, 1));
  EXPECT_EQ(*ParseDate("29.12.1899", de), -1);
  EXPECT_FALSE(ParseDate("30.02.2001", de));
  EXPECT_FALSE(ParseDate("00.00.0000", de));
  EXPECT_FALSE(ParseDate("ca. 1990", de));
  EXPECT_FALSE(ParseDate("1990-02-01", de));
  EXPECT_FALSE(ParseDate("", de));
  EXPECT_FALSE(ParseDate("1.2.3.4", de));
  const CalendarDate two_digit = CalendarDateOf(*ParseDate("1.2.05", de));
  EXPECT_EQ(two_digit.year, 2005);
}

TEST(DayNumbers, CountsOutsideTheCalendarAreNoDate) {
  EXPECT_EQ(2000, CalendarDateOf(36526).year);
  EXPECT_EQ(1, CalendarDateOf(-693593).day);
  EXPECT_EQ(1, CalendarDateOf(-693593.5).day) << "the time of day leaves the day as it is";
  EXPECT_EQ(0, CalendarDateOf(-693594).year);
  EXPECT_EQ(9999, CalendarDateOf(2958465.5).year);
  EXPECT_EQ(0, CalendarDateOf(2958466).year);
  EXPECT_EQ(0, CalendarDateOf(kNoDate).month);
  for (const double odd : {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e300, -1e300, 9.3e18, -9.3e18}) {
    SCOPED_TRACE(odd);
    EXPECT_FALSE(IsDay(odd));
    const CalendarDate date = CalendarDateOf(odd);
    EXPECT_EQ(0, date.year);
    EXPECT_EQ(0, date.month);
    EXPECT_EQ(0, date.day);
    EXPECT_EQ("?", FormatDate(odd, "dd.mm.yyyy"));
    EXPECT_EQ("00.00.0000", FormatDateOrZeros(odd, "dd.mm.yyyy"));
    EXPECT_EQ("00:00:00", FormatTime(odd, ':'));
  }
  EXPECT_EQ("?", FormatDate(kNoDate, "dd.mm.yyyy"));
  EXPECT_TRUE(IsDay(0));
  EXPECT_EQ("30.12.1899", FormatDate(0, "dd.mm.yyyy"));
}

}  // namespace
}  // namespace korvex
