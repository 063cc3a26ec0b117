#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <QImage>

namespace korvex::test {

// 8-bit RGB pixels, row after row.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};

// Runs ImageMagick's `convert` with `arguments` (shell syntax); fails the test when it fails.
void Convert(const std::string& arguments);

// ImageMagick's own decoding of a picture file; `options` go before the file name (for example
// "-define jpeg:size=750x500").
Pixels ImageMagickPixels(const std::filesystem::path& file, const std::string& options = "");

Pixels PixelsOf(const QImage& image);

// The largest difference of one channel between two pictures of the same size; -1 when the sizes
// differ.
int LargestDifference(const Pixels& a, const Pixels& b);

}  // namespace korvex::test
