#include <gtest/gtest.h>

#include "model/codepage.h"

namespace korvex {
namespace {

TEST(CodePage, EveryByteSurvivesTheRoundTrip) {
  for (int code = 0; code < 256; ++code) {
    const std::string byte(1, static_cast<char>(code));
    const std::string utf8 = Win1252ToUtf8(byte);
    EXPECT_EQ(Utf8ToWin1252(utf8), byte) << "code " << code;
  }
}

TEST(CodePage, ConvertsTheSpecialCharactersOfWindows1252) {
  EXPECT_EQ(Win1252ToUtf8("\x80"), "€");
  EXPECT_EQ(Win1252ToUtf8("M\xFCnze \xC4gypten \xDF"), "Münze Ägypten ß");
  EXPECT_EQ(Win1252ToUtf8("\x84Zitat\x93"), "„Zitat“");
  EXPECT_EQ(Utf8ToWin1252("Schön €"), "Sch\xF6n \x80");
}

TEST(CodePage, CharactersOutsideWindows1252BecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToWin1252("Ω ж 漢 😀"), "? ? ? ?");
  EXPECT_EQ(Utf8ToWin1252(std::string("a\xC3", 2)), "a?");      // cut sequence
  EXPECT_EQ(Utf8ToWin1252(std::string("\xFF" "b", 2)), "?b");   // invalid lead byte
}

}  // namespace
}  // namespace korvex
