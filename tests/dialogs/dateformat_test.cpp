#include "dialogs/dateformat.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "model/datetime.h"

namespace korvex {
namespace {

TEST(DateFormatTest, SystemFormatGetsAFourDigitYear) {
  EXPECT_EQ(WithFourDigitYear("dd.MM.yy"), "dd.MM.yyyy");
  EXPECT_EQ(WithFourDigitYear("M/d/yy"), "M/d/yyyy");
  EXPECT_EQ(WithFourDigitYear("yy-MM-dd"), "yyyy-MM-dd");
  EXPECT_EQ(WithFourDigitYear("dd.MM.yyyy"), "dd.MM.yyyy");
  EXPECT_EQ(WithFourDigitYear("d.M.y"), "d.M.y");
}

TEST(DateFormatTest, SeparatorIsTheLastNonDigitOfASampleDate) {
  EXPECT_EQ(DateSeparatorOf("dd.MM.yyyy"), '.');
  EXPECT_EQ(DateSeparatorOf("yyyy-mm-dd"), '-');
  EXPECT_EQ(DateSeparatorOf("mm/dd/yyyy"), '/');
  EXPECT_EQ(DateSeparatorOf("dd.mm yyyy"), ' ');
  EXPECT_EQ(DateSeparatorOf("ddmmyyyy", '#'), '#');
}

TEST(DateFormatTest, ChosenFormatCountsOnlyWithoutTheSystemTick) {
  ProgramSettings s;
  s.DatumFormat = " yyyy-mm-dd ";
  EXPECT_EQ(DateFormatInUse(s, "dd.MM.yy"), "dd.MM.yyyy");  // DatumAuto ticked by default
  s.DatumAuto = false;
  EXPECT_EQ(DateFormatInUse(s, "dd.MM.yy"), "yyyy-mm-dd");
  s.DatumFormat = "";
  EXPECT_EQ(DateFormatInUse(s, "dd.MM.yy"), "dd.MM.yyyy");
  s.DatumFormat = "Datum";  // no month or year: unusable
  EXPECT_EQ(DateFormatInUse(s, "dd.MM.yy"), "dd.MM.yyyy");
}

TEST(DateFormatTest, AppliedFormatDrivesFormattingAndParsing) {
  FormatSettings fs = FormatSettings::German();
  ApplyDateFormat(fs, "yyyy-mm-dd");
  EXPECT_EQ(fs.short_date_format, "yyyy-mm-dd");
  EXPECT_EQ(fs.date_separator, '-');
  const double day = *DayNumber(2024, 5, 3);
  EXPECT_EQ(FormatDate(day, fs.short_date_format), "2024-05-03");
  EXPECT_EQ(ParseDate("2024-05-03", fs), day);
}

TEST(DateFormatTest, GermanLocale) {
  const FormatSettings fs = FormatSettingsFromLocale(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(fs.thousands_separator, ".");
  EXPECT_EQ(fs.decimal_separator, ",");
  EXPECT_EQ(fs.currency_symbol, "\x80");
  EXPECT_EQ(fs.short_date_format, "dd.MM.yyyy");
  EXPECT_EQ(fs.date_separator, '.');
  EXPECT_EQ(fs.time_separator, ':');
}

TEST(DateFormatTest, AmericanLocale) {
  const FormatSettings fs =
      FormatSettingsFromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(fs.thousands_separator, ",");
  EXPECT_EQ(fs.decimal_separator, ".");
  EXPECT_EQ(fs.currency_symbol, "$");
  EXPECT_EQ(fs.short_date_format, "M/d/yyyy");
  EXPECT_EQ(fs.date_separator, '/');
  EXPECT_EQ(FormatDate(*DayNumber(2024, 5, 3), fs.short_date_format), "5/3/2024");
}

TEST(DateFormatTest, NarrowBlankGroupingBecomesNoBreakSpace) {
  const FormatSettings fs = FormatSettingsFromLocale(QLocale(QLocale::French, QLocale::France));
  EXPECT_EQ(fs.thousands_separator, "\xA0");
  EXPECT_EQ(fs.decimal_separator, ",");
  EXPECT_EQ(fs.date_separator, '/');
}

TEST(DateFormatTest, TheBareCLocaleTakesGermanConventions) {
  const FormatSettings fs = FormatSettingsFromLocale(ConventionsLocale(QLocale::c()));
  EXPECT_EQ(fs.decimal_separator, ",");
  EXPECT_EQ(fs.thousands_separator, ".");
  EXPECT_EQ(fs.short_date_format, "dd.MM.yyyy");
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  EXPECT_EQ(ConventionsLocale(english), english);
}

TEST(DateFormatTest, SettingsInUseOverrideTheLocaleDate) {
  ProgramSettings s;
  s.DatumAuto = false;
  s.DatumFormat = "dd/mm/yyyy";
  const FormatSettings fs = FormatSettingsInUse(s);
  EXPECT_EQ(fs.short_date_format, "dd/mm/yyyy");
  EXPECT_EQ(fs.date_separator, '/');
  EXPECT_EQ(fs.decimal_separator, SystemFormatSettings().decimal_separator);
}

}  // namespace
}  // namespace korvex
