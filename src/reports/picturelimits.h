#pragma once

#include <cstdint>

#include <QImage>

#include "files/fileerrors.h"
#include "files/readlimits.h"

namespace korvex {

// A picture file that no reader could turn into a picture. The message is German and names the
// file.
class EPictureError : public EKorvexError {
 public:
  using EKorvexError::EKorvexError;
};

// The picture limits of files/readlimits.h; sizes read from a file are checked against them before
// anything is allocated.
using read_limits::kMaxPictureSide;
using read_limits::kMaxPicturePixels;

inline bool SanePictureSize(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

// A new 24-bit picture; throws EPictureError with `what` when it cannot be allocated.
QImage NewRgbPicture(int width, int height, const char* what);

}  // namespace korvex
