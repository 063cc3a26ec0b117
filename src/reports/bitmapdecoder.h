#pragma once

#include <cstdint>
#include <span>

#include <QImage>

namespace korvex {

// Decodes a Windows bitmap file (".bmp", ".dib", ".rle") into a 24-bit RGB picture: 1, 4, 8, 16, 24
// and 32 bits per pixel, uncompressed, with bit fields or run-length coded, bottom-up or top-down.
// Every size in the headers is checked against the data's length before anything is allocated;
// data that are no readable bitmap throw EPictureError.
QImage DecodeBitmap(std::span<const std::uint8_t> data);

}  // namespace korvex
