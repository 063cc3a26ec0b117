#include "reports/printedpicture.h"

#include "model/rounding.h"

namespace korvex {

std::optional<QRect> PrintedPictureRect(QSize pixels, const PrintSlot& slot, bool coin_sheet) {
  if (pixels.width() <= 0 || pixels.height() <= 0) return std::nullopt;
  const int available = slot.available_height;
  const int height_limit = pixels.height() < available / 2 ? 2 * pixels.height() : available;
  const double aspect = double(pixels.height()) / pixels.width();
  const int slot_width = slot.x2 - slot.x1;
  int width = 0;
  if (coin_sheet && aspect <= 3) {
    width = 2 * pixels.width() < slot_width ? 2 * pixels.width() : slot_width;
  } else {
    width = static_cast<int>(RoundHalfEven(height_limit / aspect));
  }
  const int height = static_cast<int>(RoundHalfEven(width * aspect));
  return QRect(slot.x1 + (slot_width - width) / 2, slot.y + 1, width, height);
}

}  // namespace korvex
