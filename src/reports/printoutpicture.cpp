#include "reports/printoutpicture.h"

#include <QPainter>
#include <cmath>

#include "reports/picturelimits.h"
#include "reports/pictureloader.h"

namespace korvex {

int PrintPicture(PrintCanvas& canvas, const std::string& name, const std::string& picture_folder,
                 const PrintSlot& slot, bool coin_sheet) {
  // The slot in device pixels bounds what the picture is decoded at.
  const QTransform& to_device = canvas.painter().worldTransform();
  const QSize target(std::max(1, static_cast<int>(std::ceil((slot.x2 - slot.x1) * to_device.m11()))),
                     std::max(1, static_cast<int>(std::ceil(slot.available_height * to_device.m22()))));
  std::optional<LoadedPicture> picture;
  try {
    picture = LoadPicture(name, picture_folder, target);
  } catch (const EPictureError&) {
    return 0;
  }
  if (!picture) return 0;
  const std::optional<QRect> rect = PrintedPictureRect(picture->original_size, slot, coin_sheet);
  if (!rect) return 0;
  canvas.painter().drawImage(QRectF(*rect), picture->image);
  return rect->height();
}

}  // namespace korvex
