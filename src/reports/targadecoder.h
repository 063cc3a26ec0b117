#pragma once

#include <cstdint>
#include <span>

#include <QImage>

namespace korvex {

// Decodes a Truevision Targa file (".tga") into a 24-bit RGB picture: true colour of 15, 16, 24 or
// 32 bits, 8-bit grey and 8-bit colour-mapped pictures, uncompressed or run-length coded, with the
// origin at either corner. Qt's own reader leaves out the run-length coded files and files
// without the version 2 footer, and turns bottom-up files upside down. Sizes are checked against
// the data's length before anything is allocated; anything unreadable throws EPictureError.
QImage DecodeTarga(std::span<const std::uint8_t> data);

}  // namespace korvex
