#pragma once

#include <cstdint>
#include <span>

#include <QImage>
#include <QSize>

namespace korvex {

// The divisor (1, 2, 4 or 8) by which libjpeg may shrink a picture of `picture` pixels while
// decoding it, so that the result is still at least as large as the picture appears when fitted
// into `target` (shrunk, never enlarged). An empty target means full size.
int JpegScaleDenominator(QSize picture, QSize target);

// Decodes JPEG data (baseline or progressive, grey, colour or CMYK) into a 24-bit RGB picture.
// With a target size the decoder scales by JpegScaleDenominator while decoding. Damaged data
// that libjpeg can still read give the readable part; anything else throws EPictureError.
// `original_size`, when given, receives the size stored in the file.
QImage DecodeJpeg(std::span<const std::uint8_t> data, QSize target = {}, QSize* original_size = nullptr);

}  // namespace korvex
