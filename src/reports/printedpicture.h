#pragma once

#include <optional>

#include <QRect>
#include <QSize>

namespace korvex {

// One picture slot of a printout, in 0.1 mm with y growing downward: from x1 to x2, with its top
// at y and `available_height` below it.
struct PrintSlot {
  int x1 = 0;
  int x2 = 0;
  int y = 0;
  int available_height = 0;
};

// Where a picture of `pixels` is printed in `slot`: nothing for a picture without width or height.
// The picture is printed at twice its pixel size when that fits (half the available height, the
// slot's width), else as large as the slot allows, centred in the slot with its top at y + 1.
// `coin_sheet` is set for the detail view's printout: there a picture no more than three times as
// high as wide takes its width from the slot, not from the height limit. The picture is stretched
// into the rectangle; the line below the pictures follows the taller of the slots' heights.
std::optional<QRect> PrintedPictureRect(QSize pixels, const PrintSlot& slot, bool coin_sheet);

}  // namespace korvex
