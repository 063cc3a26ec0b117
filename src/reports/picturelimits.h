#pragma once

#include <cstdint>

#include <QImage>

#include "files/fileerrors.h"

namespace korvex {

// A picture file that no reader could turn into a picture. The message is German and names the
// file.
class EPictureError : public EKorvexError {
 public:
  using EKorvexError::EKorvexError;
};

// The largest picture the readers decode: a side of 30,000 pixels and 150 megapixels (450 MB as a
// 24-bit picture). Sizes read from a file are checked against these before anything is allocated.
inline constexpr std::int64_t kMaxPictureSide = 30000;
inline constexpr std::int64_t kMaxPicturePixels = 150'000'000;

inline bool SanePictureSize(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

// A new 24-bit picture; throws EPictureError with `what` when it cannot be allocated.
QImage NewRgbPicture(int width, int height, const char* what);

}  // namespace korvex
