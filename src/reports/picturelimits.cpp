#include "reports/picturelimits.h"

#include <string>

namespace korvex {

QImage NewRgbPicture(int width, int height, const char* what) {
  QImage picture(width, height, QImage::Format_RGB888);
  if (picture.isNull()) throw EPictureError(std::string("für ") + what + " ist nicht genug Speicher frei");
  return picture;
}

}  // namespace korvex
