#include <gtest/gtest.h>

#include <random>

#include "files/legacyscrambling.h"

namespace korvex {
namespace {

TEST(LegacyPasswordKeyTest, SumsFromTheLastPositionWrappingBy255) {
  // 'c' at 3: 99 - 3 = 96; 'b' at 2: 96 + 98 - 2 = 192; 'a' at 1: 192 + 97 - 1 = 288 - 255 = 33.
  EXPECT_EQ(LegacyPasswordKey("abc"), 33);
  // 'z' at 2: 122 - 2 = 120; 'z' at 1: 120 + 122 - 1 = 241, no correction needed.
  EXPECT_EQ(LegacyPasswordKey("zz"), 241);
  // A sum of exactly 255 is kept: 'x' (120) at 2 gives 118, then 118 + 138 - 1 = 255.
  EXPECT_EQ(LegacyPasswordKey("\x8Ax"), 255);
}

TEST(LegacyPasswordKeyTest, EmptyPasswordHasKeyZeroAndSumZeroBecomes100) {
  EXPECT_EQ(LegacyPasswordKey(""), 0);
  // Byte 1 at position 1 sums to 0.
  EXPECT_EQ(LegacyPasswordKey("\x01"), 100);
  // Byte 0 at position 1 sums to -1, corrected to 254.
  EXPECT_EQ(LegacyPasswordKey(std::string_view("\0", 1)), 254);
}

TEST(LegacyPasswordKeyTest, VeryLongPasswordsStayInRange) {
  const std::string long_password(1000, '\x02');
  const int key = LegacyPasswordKey(long_password);
  EXPECT_GE(key, 0);
  EXPECT_LE(key, 255);
}

TEST(LegacyScrambleTest, AddsToTheLastByteAndAlternates) {
  // Last 'c' + 33 = 132, then 'b' - 33 = 65, then 'a' + 33 = 130.
  EXPECT_EQ(LegacyScramble("abc", 33), std::string("\x82" "A" "\x84"));
  EXPECT_EQ(LegacyUnscramble(std::string("\x82" "A" "\x84"), 33), "abc");
}

TEST(LegacyScrambleTest, WrapsBy255NotBy256) {
  // 250 + 10 = 260 - 255 = 5 at the last position; 3 - 10 = -7 + 255 = 248 before it.
  EXPECT_EQ(LegacyScramble("\x03\xFA", 10), std::string("\xF8\x05"));
  EXPECT_EQ(LegacyUnscramble("\xF8\x05", 10), std::string("\x03\xFA"));
}

TEST(LegacyScrambleTest, KeyZeroLeavesTextsUnchanged) {
  EXPECT_EQ(LegacyScramble("M\xFCnze", 0), "M\xFCnze");
  EXPECT_EQ(LegacyUnscramble("M\xFCnze", 0), "M\xFCnze");
}

TEST(LegacyScrambleTest, UnscrambleInvertsScrambleForBytesOneTo254) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(1, 254);
  std::uniform_int_distribution<int> length(0, 40);
  for (int key = 0; key <= 255; ++key) {
    std::string text(length(random), ' ');
    for (char& c : text) c = static_cast<char>(byte(random));
    ASSERT_EQ(LegacyUnscramble(LegacyScramble(text, key), key), text) << "key " << key;
  }
}

}  // namespace
}  // namespace korvex
