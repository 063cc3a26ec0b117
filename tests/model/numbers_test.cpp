#include <gtest/gtest.h>

#include "model/numberformat.h"
#include "model/numbertext.h"
#include "model/rounding.h"
#include "model/textcompare.h"

namespace korvex {
namespace {

TEST(NumberText, DecimalPointTextKeepsOnlyTheLastSeparator) {
  EXPECT_EQ(DecimalPointText("1.234,56"), "1234.56");
  EXPECT_EQ(DecimalPointText("1,234.56"), "1234.56");
  EXPECT_EQ(DecimalPointText("1.234.567"), "1234.567");
  EXPECT_EQ(DecimalPointText("12"), "12");
  EXPECT_EQ(DecimalPointText(""), "");
  EXPECT_EQ(DecimalPointText(",5"), ".5");
  EXPECT_EQ(DecimalPointText("5,"), "5.");
  EXPECT_EQ(DecimalPointText(",.,"), ".");
  EXPECT_EQ(DecimalPointText("-1 2,3.4 x"), "-1 23.4 x");
}

TEST(NumberText, DecimalPointTextOfALongCellKeepsEveryDigitInOrder) {
  // A pasted column of amounts in one cell, as the import meets it (speed: bench_exchange).
  std::string cell;
  std::string digits;
  for (int i = 0; i < 100000; ++i) {
    const std::string group = std::to_string(100 + i % 900);
    cell += group + (i % 2 ? "." : ",");
    digits += group;
  }
  cell += "99";
  EXPECT_EQ(DecimalPointText(cell), digits + ".99");
}

TEST(NumberText, KeepNumberCharsAndReplaceChar) {
  EXPECT_EQ(KeepNumberChars("ca. 1.234,50 \x80"), ".1.234,50");
  EXPECT_EQ(KeepNumberChars("abc"), "");
  EXPECT_EQ(ReplaceChar("a;b;c", ';', ','), "a,b,c");
}

TEST(NumberText, ParsingAcceptsOnlyWholeNumbers) {
  double d = 0;
  EXPECT_TRUE(ParseDouble(" -3.5e2 ", d));
  EXPECT_DOUBLE_EQ(d, -350);
  EXPECT_FALSE(ParseDouble("3,5", d));
  EXPECT_FALSE(ParseDouble("", d));
  EXPECT_FALSE(ParseDouble("++1", d));
  long long wide = 0;
  EXPECT_TRUE(ParseInt64("5000000000", wide));
  EXPECT_EQ(wide, 5000000000LL);
  int narrow = 0;
  EXPECT_FALSE(ParseInt32("5000000000", narrow));
  EXPECT_TRUE(ParseInt32("+42", narrow));
  EXPECT_EQ(narrow, 42);
  EXPECT_FALSE(ParseInt32("4x", narrow));
}

TEST(NumberFormat, GermanAndEnglishGrouping) {
  const auto de = FormatSettings::German();
  const auto en = FormatSettings::English();
  EXPECT_EQ(FormatN(1234.5, 2, de), "1.234,50");
  EXPECT_EQ(FormatN(1234.5, 2, en), "1,234.50");
  EXPECT_EQ(FormatN(1234567.891, 3, de), "1.234.567,891");
  EXPECT_EQ(FormatN(999.999, 2, de), "1.000,00");
  EXPECT_EQ(FormatN(-1234.5, 2, de), "-1.234,50");
  EXPECT_EQ(FormatN(12, 0, de), "12");
  EXPECT_EQ(FormatD(-42), "-42");
  EXPECT_EQ(FormatMoney(3, "EUR", de), "3,00 EUR");
}

TEST(NumberFormat, RoundsHalvesAwayFromZeroAndDropsTheSignOfZero) {
  const auto de = FormatSettings::German();
  EXPECT_EQ(FormatN(0.125, 2, de), "0,13");    // an exact half
  EXPECT_EQ(FormatN(-0.125, 2, de), "-0,13");
  EXPECT_EQ(FormatN(0.12499, 2, de), "0,12");
  EXPECT_EQ(FormatN(1.005, 2, de), "1,00");    // 1.005 is stored just below the half
  EXPECT_EQ(FormatN(2.5, 0, de), "3");
  EXPECT_EQ(FormatN(-0.004, 2, de), "0,00");
  EXPECT_EQ(FormatN(3.4565, 3, de), "3,457");
}

TEST(Rounding, HalfToEvenAndInventoryNumbers) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_DOUBLE_EQ(RoundToCentsHalfEven(0.005), 0.0);
  EXPECT_DOUBLE_EQ(RoundToCentsHalfEven(0.015), 0.02);
  EXPECT_DOUBLE_EQ(RoundToCentsHalfEven(10 * 100 / 195.583), 5.11);

  EXPECT_EQ(InventoryNumberValue("  42abc"), 42);
  EXPECT_EQ(InventoryNumberValue("-17"), -17);
  EXPECT_EQ(InventoryNumberValue("$1F"), 31);
  EXPECT_EQ(InventoryNumberValue("0x10"), 16);
  EXPECT_EQ(InventoryNumberValue("X10"), 16);
  EXPECT_EQ(InventoryNumberValue("abc"), 0);
  EXPECT_EQ(InventoryNumberValue(""), 0);
  EXPECT_EQ(InventoryNumberValue("99999999999"), 2147483647);
}

TEST(TextCompare, UpperCasingTouchesOnlyAsciiLetters) {
  EXPECT_EQ(AsciiUpper("m\xFCnze \xE4"), "M\xFCNZE \xE4");
  EXPECT_EQ(SortFold("\xC4gypten \xD6\xDC\xE4"), "AGYPTEN OU\xE4");
  EXPECT_LT(CompareBytes("Z", "\xC4"), 0);   // unsigned byte codes
  EXPECT_LT(CompareBytes("ab", "abc"), 0);   // a proper beginning is less
  EXPECT_EQ(CompareFolded("\xC4gypten", "agypten"), 0);
  EXPECT_GT(CompareFolded("\xE4gypten", "zypern"), 0);
  EXPECT_TRUE(EqualAsciiUpper("abc", "ABC"));
  EXPECT_FALSE(EqualAsciiUpper("\xC4", "\xE4"));
}

}  // namespace
}  // namespace korvex
