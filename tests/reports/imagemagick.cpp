#include "reports/imagemagick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "files/testtools.h"

namespace korvex::test {

void Convert(const std::string& arguments) {
  ASSERT_EQ(RunCommand("convert " + arguments), 0) << "convert " << arguments;
}

Pixels ImageMagickPixels(const std::filesystem::path& file, const std::string& options) {
  Pixels pixels;
  std::string size;
  const std::string input = options + " " + ShellQuoted(file.string());
  EXPECT_EQ(RunCommand("identify -format '%w %h' " + input, &size), 0);
  std::istringstream(size) >> pixels.width >> pixels.height;
  std::string bytes;
  EXPECT_EQ(RunCommand("convert " + input + " -depth 8 rgb:-", &bytes), 0);
  pixels.rgb.assign(bytes.begin(), bytes.end());
  EXPECT_EQ(pixels.rgb.size(), static_cast<size_t>(pixels.width) * pixels.height * 3) << file;
  return pixels;
}

Pixels PixelsOf(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  Pixels pixels{rgb.width(), rgb.height(), {}};
  for (int y = 0; y < rgb.height(); ++y) {
    const uchar* line = rgb.constScanLine(y);
    pixels.rgb.insert(pixels.rgb.end(), line, line + rgb.width() * 3);
  }
  return pixels;
}

int LargestDifference(const Pixels& a, const Pixels& b) {
  if (a.width != b.width || a.height != b.height || a.rgb.size() != b.rgb.size()) return -1;
  int largest = 0;
  for (size_t i = 0; i < a.rgb.size(); ++i) largest = std::max(largest, std::abs(a.rgb[i] - b.rgb[i]));
  return largest;
}

}  // namespace korvex::test
