// Damaged picture files: every prefix of each test picture and random byte flips either load or
// fail with the loader's error, never with a crash or another exception.
#include <gtest/gtest.h>

#include <random>

#include "common/tempdir.h"
#include "files/testtools.h"
#include "reports/imagemagick.h"
#include "reports/pictureloader.h"

namespace korvex::test {
namespace {

struct Outcome {
  int loaded = 0;
  int failed = 0;
};

void Try(const std::string& bytes, const std::string& name, Outcome& outcome) {
  try {
    const LoadedPicture picture =
        DecodePicture({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, name);
    EXPECT_FALSE(picture.image.isNull());
    ++outcome.loaded;
  } catch (const EPictureError& error) {
    EXPECT_FALSE(error.message().empty());
    ++outcome.failed;
  }
}

// A test picture: its file name and the options ImageMagick writes it with.
struct Sample {
  std::string name;
  std::string options;
};

class DamagedPictureTest : public ::testing::TestWithParam<Sample> {
 protected:
  void SetUp() override {
    source_ = dir_ / GetParam().name;
    Convert("-size 40x30 plasma:fractal -seed 3 " + GetParam().options + " " + ShellQuoted(source_.string()));
    ASSERT_TRUE(std::filesystem::exists(source_));
    bytes_ = ReadFileBytes(source_);
  }

  std::string Name() const { return "damaged-" + GetParam().name; }

  TempDir dir_;
  std::filesystem::path source_;
  std::string bytes_;
};

TEST_P(DamagedPictureTest, EveryPrefixLoadsOrFails) {
  Outcome outcome;
  for (size_t length = 0; length < bytes_.size(); ++length) {
    Try(bytes_.substr(0, length), Name(), outcome);
  }
  // A file cut before its header ends is never a picture.
  EXPECT_GT(outcome.failed, 10);
}

TEST_P(DamagedPictureTest, RandomByteFlipsLoadOrFail) {
  std::mt19937 random(42);
  Outcome outcome;
  for (int round = 0; round < 300; ++round) {
    std::string damaged = bytes_;
    const int flips = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < flips; ++i) damaged[random() % damaged.size()] ^= static_cast<char>(1 + random() % 255);
    Try(damaged, Name(), outcome);
  }
  EXPECT_EQ(outcome.loaded + outcome.failed, 300);
}

INSTANTIATE_TEST_SUITE_P(Formats, DamagedPictureTest,
                         ::testing::Values(Sample{"baseline.jpg", ""},
                                           Sample{"progressive.jpg", "-interlace Plane"},
                                           Sample{"truecolour.bmp", "-type truecolor"},
                                           Sample{"palette.bmp", "-colors 100 -type palette"},
                                           Sample{"colours.pcx", "-colors 256"},
                                           Sample{"colours.gif", "-colors 64"},
                                           Sample{"runs.tga", "-compress RLE"}),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           name[name.find('.')] = '_';
                           return name;
                         });

}  // namespace
}  // namespace korvex::test
