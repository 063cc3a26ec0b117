#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace korvex {

// Turns a ZSoft PCX file into a Windows bitmap file in memory, which the bitmap decoder then reads.
// Converted are 256-colour pictures (8 bits, one plane; the palette from the file's end) and
// 16-colour pictures (1 bit, four planes; the palette from the header). Other PCX variants give
// nothing: the caller hands the data to the bitmap decoder unchanged, which refuses them.
// Throws EPictureError for data that are no PCX file, and for a damaged one: every size in the
// header is checked against the file's length and the picture limits before anything is allocated.
std::optional<std::vector<std::uint8_t>> PcxToBitmap(std::span<const std::uint8_t> data);

}  // namespace korvex
