#include "mainwindow/toolbarlayout.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

ToolbarPlace Place(const std::string& dock, int row, int pos, bool visible = true) {
  ToolbarPlace place;
  place.DockedTo = dock;
  place.DockRow = row;
  place.DockPos = pos;
  place.Visible = visible;
  return place;
}

TEST(ToolbarLayoutTest, RowsCountFromTheWindowsEdge) {
  // Three bars on two lines of the top dock (y = 0 and y = 30).
  EXPECT_EQ(ToolbarRow({0, 0, 30}, 0, ToolbarDock::kTop), 0);
  EXPECT_EQ(ToolbarRow({0, 0, 30}, 30, ToolbarDock::kTop), 1);
  // In the bottom and right docks the line nearest the edge is the last one.
  EXPECT_EQ(ToolbarRow({400, 430}, 430, ToolbarDock::kBottom), 0);
  EXPECT_EQ(ToolbarRow({400, 430}, 400, ToolbarDock::kBottom), 1);
  EXPECT_EQ(ToolbarRow({600, 630}, 630, ToolbarDock::kRight), 0);
  EXPECT_EQ(ToolbarRow({0, 25}, 25, ToolbarDock::kLeft), 1);
  // A hidden bar is not among the lines: it never counts below row 0.
  EXPECT_EQ(ToolbarRow({}, 30, ToolbarDock::kBottom), 0);
}

TEST(ToolbarLayoutTest, DockNamesAndDirections) {
  EXPECT_STREQ(DockName(ToolbarDock::kTop), "DockTop");
  EXPECT_STREQ(DockName(ToolbarDock::kBottom), "DockBottom");
  EXPECT_STREQ(DockName(ToolbarDock::kLeft), "DockLeft");
  EXPECT_STREQ(DockName(ToolbarDock::kRight), "DockRight");
  EXPECT_TRUE(IsHorizontal(ToolbarDock::kBottom));
  EXPECT_FALSE(IsHorizontal(ToolbarDock::kLeft));
}

TEST(ToolbarLayoutTest, BarsComeBackSortedWithBreaksBetweenRows) {
  const std::vector<ToolbarPlace> places = {
      Place("DockTop", 1, 0),      // 0
      Place("DockTop", 0, 200),    // 1
      Place("DockTop", 0, 0),      // 2
      Place("DockLeft", 0, 0),     // 3
      Place("DockBottom", 0, 50, false),  // 4
  };
  const std::vector<ToolbarPlacement> expected = {
      {3, ToolbarDock::kLeft, false, true},
      {2, ToolbarDock::kTop, false, true},
      {1, ToolbarDock::kTop, false, true},
      {0, ToolbarDock::kTop, true, true},
      {4, ToolbarDock::kBottom, false, false},
  };
  EXPECT_EQ(ToolbarPlacements(places), expected);
}

TEST(ToolbarLayoutTest, FloatingAndUnknownBarsGoToTheTopDock) {
  const std::vector<ToolbarPlace> places = {
      Place("nil", 0, 0),        // floated: a row of its own below the others
      Place("DockTop", 2, 10),
      Place("DockSomewhere", 2, 5),  // unknown dock: top, with its stored row
  };
  const std::vector<ToolbarPlacement> expected = {
      {2, ToolbarDock::kTop, false, true},
      {1, ToolbarDock::kTop, false, true},
      {0, ToolbarDock::kTop, true, true},
  };
  EXPECT_EQ(ToolbarPlacements(places), expected);
}

TEST(ToolbarLayoutTest, EqualPlacesKeepTheirOrder) {
  const std::vector<ToolbarPlace> places = {Place("DockTop", 0, 0), Place("DockTop", 0, 0), Place("DockTop", 0, 0)};
  const std::vector<ToolbarPlacement> placements = ToolbarPlacements(places);
  ASSERT_EQ(placements.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(placements[i].bar, i);
    EXPECT_FALSE(placements[i].new_row);
  }
}

}  // namespace
}  // namespace korvex
