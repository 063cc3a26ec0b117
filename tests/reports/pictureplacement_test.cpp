#include <gtest/gtest.h>

#include "reports/pictureplacement.h"

namespace korvex {
namespace {

// The main window V at (200, 150), 640 × 480; the first window R at (500, 60), 300 × 220; the
// window being placed 250 × 180.
const QRect kV(200, 150, 640, 480);
const QRect kR(500, 60, 300, 220);
const QSize kOwn(250, 180);
const QPoint kRemembered(33, 44);

QPoint First(PicturePlace place) { return PictureWindowPosition({place, false, kV, std::nullopt, kOwn, kRemembered}); }
QPoint Second(PicturePlace place, std::optional<QRect> r = kR) {
  return PictureWindowPosition({place, true, kV, r, kOwn, kRemembered});
}

TEST(PictureWindowPositionTest, FirstWindow) {
  EXPECT_EQ(First(PicturePlace::kRight), QPoint(840, 150));
  EXPECT_EQ(First(PicturePlace::kBelow), QPoint(200, 630));
  EXPECT_EQ(First(PicturePlace::kTopLeft), QPoint(1, 1));
  EXPECT_EQ(First(PicturePlace::kAbove), QPoint(200, 150 - 180));
  EXPECT_EQ(First(PicturePlace::kLeft), QPoint(200 - 250, 150));
  EXPECT_EQ(First(PicturePlace::kAsLastTime), kRemembered);
}

TEST(PictureWindowPositionTest, SecondWindowFollowsTheFirst) {
  EXPECT_EQ(Second(PicturePlace::kRight), QPoint(500, 280));
  EXPECT_EQ(Second(PicturePlace::kBelow), QPoint(800, 60));
  EXPECT_EQ(Second(PicturePlace::kTopLeft), QPoint(1, 221));
  EXPECT_EQ(Second(PicturePlace::kAbove), QPoint(800, 150 - 180));
  EXPECT_EQ(Second(PicturePlace::kLeft), QPoint(200 - 250, 280));
  EXPECT_EQ(Second(PicturePlace::kAsLastTime), kRemembered);
}

TEST(PictureWindowPositionTest, SecondWindowWithoutAShownFirstTakesTheFirstsPlace) {
  for (PicturePlace place : {PicturePlace::kRight, PicturePlace::kBelow, PicturePlace::kTopLeft,
                             PicturePlace::kAbove, PicturePlace::kLeft, PicturePlace::kAsLastTime}) {
    EXPECT_EQ(Second(place, std::nullopt), First(place)) << static_cast<int>(place);
  }
}

}  // namespace
}  // namespace korvex
