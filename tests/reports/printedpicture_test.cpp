#include <gtest/gtest.h>

#include "reports/printedpicture.h"

namespace korvex {
namespace {

// A slot 80 mm wide with 100 mm below its top.
constexpr PrintSlot kSlot{150, 950, 400, 1000};

TEST(PrintedPictureTest, NothingForAPictureWithoutPixels) {
  EXPECT_FALSE(PrintedPictureRect({0, 80}, kSlot, true));
  EXPECT_FALSE(PrintedPictureRect({100, 0}, kSlot, false));
}

TEST(PrintedPictureTest, SmallPictureIsPrintedAtTwiceItsSizeCentredBelowTheTop) {
  // 100 × 80 pixels: 80 < 1000 div 2, so the height limit is 160; twice the width fits the slot.
  for (bool coin_sheet : {true, false}) {
    const std::optional<QRect> rect = PrintedPictureRect({100, 80}, kSlot, coin_sheet);
    ASSERT_TRUE(rect);
    EXPECT_EQ(*rect, QRect(150 + (800 - 200) / 2, 401, 200, 160)) << coin_sheet;
  }
}

TEST(PrintedPictureTest, CoinSheetTakesTheSlotWidthForAWidePicture) {
  // 600 × 300: twice the width exceeds the slot, so the sheet prints it 800 wide and 400 high.
  EXPECT_EQ(PrintedPictureRect({600, 300}, kSlot, true), QRect(150, 401, 800, 400));
  // The card goes by the height limit instead: 300 is below 500, so the limit is 600 and the
  // picture 1200 wide, wider than the slot, centred over it.
  EXPECT_EQ(PrintedPictureRect({600, 300}, kSlot, false), QRect(150 - 200, 401, 1200, 600));
}

TEST(PrintedPictureTest, VeryTallPictureGoesByTheHeightLimitOnTheSheetToo) {
  // Aspect 4 > 3: width = limit / 4 with the limit 800 (400 is below 500).
  EXPECT_EQ(PrintedPictureRect({100, 400}, kSlot, true), QRect(150 + (800 - 200) / 2, 401, 200, 800));
  // 300 × 1500 is not below half the height: the limit is the available 1000.
  EXPECT_EQ(PrintedPictureRect({300, 1500}, kSlot, true), QRect(150 + (800 - 200) / 2, 401, 200, 1000));
}

TEST(PrintedPictureTest, WidthAndHeightRoundHalvesToEven) {
  // 3 × 2 pixels with a height limit of 5 (available 5: 2 is not below 2): 5 / (2/3) = 7.5 → 8,
  // 8 × 2/3 = 5.33 → 5. With available 9 the limit is 4: 4 / (2/3) = 6, 6 × 2/3 = 4.
  EXPECT_EQ(PrintedPictureRect({3, 2}, {0, 100, 0, 5}, false)->size(), QSize(8, 5));
  EXPECT_EQ(PrintedPictureRect({3, 2}, {0, 100, 0, 9}, false)->size(), QSize(6, 4));
  // 2 × 5 pixels, limit 9 (5 is not below 5): 9 / 2.5 = 3.6 → 4; 4 × 2.5 = 10.
  EXPECT_EQ(PrintedPictureRect({2, 5}, {0, 100, 0, 9}, false)->size(), QSize(4, 10));
  // 25 × 2 with the limit 5: 5 / 0.08 = 62.5 → 62 (even), 62 × 0.08 = 4.96 → 5.
  EXPECT_EQ(PrintedPictureRect({25, 2}, {0, 100, 0, 5}, false)->size(), QSize(62, 5));
}

}  // namespace
}  // namespace korvex
