#include "dialogs/lookuporder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace korvex {
namespace {

// Windows-1252: ä E4, Ä C4, ö F6, ü FC, Ü DC, ß DF, é E9.
TEST(LookupOrderTest, GermanDictionaryOrderWithoutRegardToCase) {
  std::vector<std::string> texts = {"Zink",          "\xC4gypten", "apfel",      "Birne",
                                    "M\xFCller",     "Muller",     "Mullers",    "10 Pfennig",
                                    "-Rand-",        "Stra\xDF" "e", "Strasse",  "caf\xE9",
                                    "Cafe",          "\xDC" "bersee", "Uhr"};
  SortLookupTexts(texts);
  EXPECT_EQ(texts, (std::vector<std::string>{"-Rand-", "10 Pfennig", "\xC4gypten", "apfel",
                                             "Birne", "Cafe", "caf\xE9", "Muller", "M\xFCller",
                                             "Mullers", "Strasse", "Stra\xDF" "e", "\xDC" "bersee",
                                             "Uhr", "Zink"}));
}

TEST(LookupOrderTest, CaseDecidesOnlyBetweenOtherwiseEqualTexts) {
  EXPECT_LT(CompareLookupText("gold", "Gold"), 0);
  EXPECT_LT(CompareLookupText("Gold", "golden"), 0);
  EXPECT_LT(CompareLookupText("GOLD", "Silber"), 0);
  EXPECT_EQ(CompareLookupText("Gold", "Gold"), 0);
  EXPECT_GT(CompareLookupText("Gold", "gold"), 0);
}

TEST(LookupOrderTest, IdenticalTextsEndUpSideBySide) {
  std::vector<std::string> texts;
  for (int i = 0; i < 6; ++i) {
    texts.push_back("M\xFCller");
    texts.push_back("m\xFCller");
    texts.push_back("MULLER");
    texts.push_back("M\xDCLLER");
  }
  std::mt19937 random(7);
  std::shuffle(texts.begin(), texts.end(), random);
  SortLookupTexts(texts);
  const auto distinct = std::unique(texts.begin(), texts.end()) - texts.begin();
  EXPECT_EQ(distinct, 4);
}

TEST(LookupOrderTest, SortKeyAgreesWithTheComparison) {
  const std::vector<std::string> samples = {"", "a", "A", "\xE4", "\xC4", "ae", "\xE6", "ss",
                                            "\xDF", "1", "!", "Z", "\xFF", "\x9F", "y"};
  for (const std::string& a : samples) {
    for (const std::string& b : samples) {
      const int by_key = LookupSortKey(a) < LookupSortKey(b) ? -1 : (a == b ? 0 : 1);
      EXPECT_EQ(CompareLookupText(a, b) < 0, by_key < 0) << a << " / " << b;
      EXPECT_EQ(CompareLookupText(a, b) == 0, a == b) << a << " / " << b;
    }
  }
}

TEST(LookupOrderTest, EqualIgnoringCaseFoldsUmlautsButKeepsAccents) {
  EXPECT_TRUE(EqualIgnoringCase("dm", "DM"));
  EXPECT_TRUE(EqualIgnoringCase("\xE4rger", "\xC4RGER"));
  EXPECT_FALSE(EqualIgnoringCase("\xE4rger", "ARGER"));
  EXPECT_FALSE(EqualIgnoringCase("DM", "DMK"));
  EXPECT_EQ(FoldCase("gr\xFC\xDF" "e \xFF"), "GR\xDC\xDF" "E \x9F");
}

}  // namespace
}  // namespace korvex
