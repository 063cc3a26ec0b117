// The picture loader against ImageMagick: ImageMagick makes the test pictures and decodes them
// itself; our decoding of the same file must give the same pixels.
#include <gtest/gtest.h>

#include "common/tempdir.h"
#include "files/testtools.h"
#include "model/paths.h"
#include "reports/bitmapdecoder.h"
#include "reports/imagemagick.h"
#include "reports/jpegdecoder.h"
#include "reports/pictureloader.h"

namespace korvex::test {
namespace {

// Both decoders use libjpeg, but may use different inverse transforms and upsampling.
constexpr int kJpegTolerance = 3;

class PictureLoaderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    // A picture with detail in every colour channel, in the formats a collector's files come in.
    Convert("-size 64x48 plasma:fractal -seed 7 " + Q("source.png"));
    Convert(Q("source.png") + " -quality 85 " + Q("colour.jpg"));
    Convert(Q("source.png") + " -quality 85 -interlace Plane " + Q("progressive.jpg"));
    Convert(Q("source.png") + " -colorspace Gray -quality 85 " + Q("grey.jpg"));
    Convert(Q("source.png") + " -type truecolor BMP3:" + Q("truecolour.bmp"));
    Convert(Q("source.png") + " -colors 200 -type palette BMP3:" + Q("palette.bmp"));
    Convert(Q("source.png") + " -colors 256 pcx:" + Q("colours256.pcx"));
    Convert(Q("source.png") + " -colors 64 " + Q("animation.gif"));
    Convert(Q("source.png") + " -compress None " + Q("targa.tga"));
    Convert(Q("source.png") + " -compress RLE " + Q("targa-rle.tga"));
    Convert(Q("source.png") + " -colorspace Gray -compress RLE " + Q("targa-grey.tga"));
    Convert(Q("source.png") + " -colors 50 -type palette " + Q("targa-map.tga"));
    Convert(Q("source.png") + " " + Q("symbol.ico"));
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }

  static std::string Q(const std::string& name) { return ShellQuoted((*dir_ / name).string()); }
  static std::string Folder() { return PathText(dir_->path()) + "/"; }

  static LoadedPicture Load(const std::string& name, QSize target = {}) {
    std::optional<LoadedPicture> picture = LoadPicture(name, Folder(), target);
    if (!picture) {
      ADD_FAILURE() << name << " gave no picture";
      return {};
    }
    EXPECT_EQ(picture->image.format(), QImage::Format_RGB888) << name;
    return std::move(*picture);
  }

  static std::string LoadError(const std::string& name) {
    try {
      LoadPicture(name, Folder());
    } catch (const EPictureError& error) {
      return error.message();
    }
    ADD_FAILURE() << name << " loaded";
    return {};
  }

  static TempDir* dir_;
};

TempDir* PictureLoaderTest::dir_ = nullptr;

TEST_F(PictureLoaderTest, JpegsDecodeLikeImageMagick) {
  for (const char* name : {"colour.jpg", "progressive.jpg", "grey.jpg"}) {
    const LoadedPicture picture = Load(name);
    EXPECT_EQ(picture.original_size, QSize(64, 48)) << name;
    const int difference = LargestDifference(PixelsOf(picture.image), ImageMagickPixels(*dir_ / name));
    EXPECT_GE(difference, 0) << name;
    EXPECT_LE(difference, kJpegTolerance) << name;
  }
}

TEST_F(PictureLoaderTest, BitmapsPcxAndFurtherFormatsDecodeLikeImageMagick) {
  for (const char* name : {"truecolour.bmp", "palette.bmp", "colours256.pcx", "animation.gif",
                           "symbol.ico"}) {
    const LoadedPicture picture = Load(name);
    EXPECT_EQ(picture.original_size, QSize(64, 48)) << name;
    EXPECT_EQ(LargestDifference(PixelsOf(picture.image), ImageMagickPixels(*dir_ / name)), 0) << name;
  }
}

TEST_F(PictureLoaderTest, TargaFilesFollowTheOriginTheyDeclare) {
  // ImageMagick keeps a Targa file's rows as stored and only notes the declared origin; turned
  // by that origin its pixels are the picture's.
  for (const char* name : {"targa.tga", "targa-rle.tga", "targa-grey.tga", "targa-map.tga"}) {
    Convert(Q(name) + " -auto-orient " + Q("oriented.png"));
    const LoadedPicture picture = Load(name);
    EXPECT_EQ(LargestDifference(PixelsOf(picture.image), ImageMagickPixels(*dir_ / "oriented.png")), 0) << name;
  }
  // The same file declared top-down gives the rows in the opposite order.
  std::string bytes = ReadFileBytes(*dir_ / "targa.tga");
  bytes[17] = static_cast<char>(bytes[17] | 0x20);
  WriteFileBytes(*dir_ / "topdown.tga", bytes);
  EXPECT_EQ(Load("topdown.tga").image, Load("targa.tga").image.mirrored(false, true));
}

TEST_F(PictureLoaderTest, BitmapsOfOtherDepthsAndTopDownRows) {
  Convert(Q("source.png") + " -colors 16 -type palette BMP3:" + Q("sixteen.bmp"));
  Convert(Q("source.png") + " -monochrome BMP3:" + Q("mono.bmp"));
  Convert(Q("source.png") + " -define bmp:subtype=RGB565 BMP:" + Q("rgb565.bmp"));
  Convert(Q("source.png") + " -alpha on BMP:" + Q("argb.bmp"));
  for (const char* name : {"sixteen.bmp", "mono.bmp", "rgb565.bmp", "argb.bmp"}) {
    const LoadedPicture picture = Load(name);
    EXPECT_EQ(LargestDifference(PixelsOf(picture.image), ImageMagickPixels(*dir_ / name)), 0) << name;
  }
  // The same rows stored top-down: a negative height in the header.
  std::string bytes = ReadFileBytes(*dir_ / "truecolour.bmp");
  const int32_t height = -48;
  bytes.replace(22, 4, reinterpret_cast<const char*>(&height), 4);
  WriteFileBytes(*dir_ / "topdown.bmp", bytes);
  const QImage flipped = Load("topdown.bmp").image.mirrored(false, true);
  EXPECT_EQ(LargestDifference(PixelsOf(flipped), ImageMagickPixels(*dir_ / "truecolour.bmp")), 0);
}

TEST_F(PictureLoaderTest, LargeJpegDecodesScaledForATarget) {
  Convert("-size 6000x4000 gradient:navy-gold -quality 90 " + Q("large.jpg"));
  const LoadedPicture preview = Load("large.jpg", QSize(300, 200));
  EXPECT_EQ(preview.original_size, QSize(6000, 4000));
  // 1/8 still fills 300 × 200: 750 × 500, as ImageMagick decodes with the same size hint.
  const Pixels reference = ImageMagickPixels(*dir_ / "large.jpg", "-define jpeg:size=300x200");
  EXPECT_EQ(reference.width, 750);
  EXPECT_LE(LargestDifference(PixelsOf(preview.image), reference), kJpegTolerance);
  EXPECT_GE(LargestDifference(PixelsOf(preview.image), reference), 0);

  const LoadedPicture full = Load("large.jpg");
  EXPECT_EQ(full.image.size(), QSize(6000, 4000));
  const int difference = LargestDifference(PixelsOf(full.image), ImageMagickPixels(*dir_ / "large.jpg"));
  EXPECT_GE(difference, 0);
  EXPECT_LE(difference, kJpegTolerance);
}

TEST(JpegScaleDenominatorTest, SmallestScaleThatStillFillsTheTarget) {
  EXPECT_EQ(JpegScaleDenominator({6000, 4000}, {300, 200}), 8);
  EXPECT_EQ(JpegScaleDenominator({6000, 4000}, {1600, 1200}), 2);  // 3000 × 2000 ≥ 1600 × 1067
  EXPECT_EQ(JpegScaleDenominator({6000, 4000}, {1500, 1000}), 4);  // exactly a quarter
  EXPECT_EQ(JpegScaleDenominator({6000, 4000}, {1501, 1001}), 2);
  EXPECT_EQ(JpegScaleDenominator({640, 480}, {1024, 768}), 1);     // never enlarged
  EXPECT_EQ(JpegScaleDenominator({640, 480}, {}), 1);
  // A tall picture in a wide target: the height decides.
  EXPECT_EQ(JpegScaleDenominator({1000, 4000}, {800, 500}), 8);
  EXPECT_EQ(JpegScaleDenominator({1000, 4000}, {800, 1000}), 4);
}

TEST_F(PictureLoaderTest, SixteenColourPcxUsesTheHeaderPalette) {
  // ImageMagick writes PCX files with eight bits per pixel only; the four-plane file is written
  // here and ImageMagick decodes it as the reference.
  const int width = 37, height = 11;  // an odd width leaves unused bits at each line's end
  const int b = (width + 15) / 16 * 2;
  std::string file(128, '\0');
  file[0] = 10, file[1] = 5, file[2] = 1, file[3] = 1;
  file[8] = width - 1, file[10] = height - 1, file[65] = 4, file[66] = static_cast<char>(b), file[68] = 1;
  for (int i = 0; i < 48; ++i) file[16 + i] = static_cast<char>((i * 53 + 17) % 256);
  for (int y = 0; y < height; ++y) {
    for (int plane = 0; plane < 4; ++plane) {
      for (int k = 0; k < b; ++k) {
        const auto value = static_cast<unsigned char>((y * 31 + plane * 77 + k * 13) * 7);
        // Every other byte as a run of one, the way encoders must write values of 192 and more.
        if (value >= 192 || k % 2) file += static_cast<char>(193);
        file += static_cast<char>(value);
      }
    }
  }
  WriteFileBytes(*dir_ / "colours16.pcx", file);
  const LoadedPicture picture = Load("colours16.pcx");
  EXPECT_EQ(picture.original_size, QSize(width, height));
  EXPECT_EQ(LargestDifference(PixelsOf(picture.image), ImageMagickPixels(*dir_ / "colours16.pcx")), 0);
}

TEST_F(PictureLoaderTest, PcxLongerLinesAndRunsAcrossLines) {
  // Lines of B = 40 bytes for a picture 33 pixels wide, and one run covering two whole lines.
  const int width = 33, height = 4, b = 40;
  std::string file(128, '\0');
  file[0] = 10, file[1] = 5, file[2] = 1, file[3] = 8;
  file[8] = width - 1, file[10] = height - 1, file[65] = 1, file[66] = b, file[68] = 1;
  for (int y = 0; y < 2; ++y) {
    for (int k = 0; k < b; ++k) file += static_cast<char>((y * 40 + k) % 192);
  }
  file += static_cast<char>(192 + 40), file += static_cast<char>(5);
  file += static_cast<char>(192 + 40), file += static_cast<char>(9);
  file += static_cast<char>(12);
  for (int i = 0; i < 768; ++i) file += static_cast<char>(255 - i % 256);
  WriteFileBytes(*dir_ / "lines.pcx", file);
  const LoadedPicture picture = Load("lines.pcx");
  EXPECT_EQ(LargestDifference(PixelsOf(picture.image), ImageMagickPixels(*dir_ / "lines.pcx")), 0);
}

TEST_F(PictureLoaderTest, SizesInHeadersAreCheckedAgainstTheFileLength) {
  // A short PCX file claiming 9,000 × 9,000 pixels, and a bitmap claiming a million rows.
  std::string pcx(300, '\0');
  pcx[0] = 10, pcx[3] = 8, pcx[65] = 1;
  pcx[8] = pcx[10] = static_cast<char>(8999 & 0xFF), pcx[9] = pcx[11] = static_cast<char>(8999 >> 8);
  pcx[66] = static_cast<char>(9000 & 0xFF), pcx[67] = static_cast<char>(9000 >> 8);
  WriteFileBytes(*dir_ / "huge.pcx", pcx);
  EXPECT_NE(LoadError("huge.pcx").find("unvollständig"), std::string::npos);

  std::string bitmap = ReadFileBytes(*dir_ / "truecolour.bmp");
  const int32_t rows = 1000000;
  bitmap.replace(22, 4, reinterpret_cast<const char*>(&rows), 4);
  WriteFileBytes(*dir_ / "tall.bmp", bitmap);
  EXPECT_NE(LoadError("tall.bmp").find("kann nicht gelesen werden"), std::string::npos);
  // Lines too short for the width.
  pcx = ReadFileBytes(*dir_ / "colours256.pcx");
  pcx[66] = 10, pcx[67] = 0;
  WriteFileBytes(*dir_ / "short.pcx", pcx);
  EXPECT_NE(LoadError("short.pcx").find("Zeilenlänge"), std::string::npos);
}

// The limits of files/readlimits.h, just inside and just beyond: a size inside passes the size
// check and fails only for the missing data.
TEST_F(PictureLoaderTest, SidesAndPixelCountBeyondTheLimitsAreRefused) {
  const auto put16 = [](std::string& bytes, size_t at, int64_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
  };
  const auto put32 = [&](std::string& bytes, size_t at, int64_t value) {
    put16(bytes, at, value);
    put16(bytes, at + 2, value >> 16);
  };
  const std::string truecolour = ReadFileBytes(*dir_ / "truecolour.bmp");
  const auto bitmap_error = [&](int64_t width, int64_t height) {
    std::string bitmap = truecolour;
    put32(bitmap, 18, width);
    put32(bitmap, 22, height);
    // The bitmap reader's own error: the loader goes on to the PCX reader and reports its error.
    try {
      DecodeBitmap(std::span<const std::uint8_t>(
          reinterpret_cast<const std::uint8_t*>(bitmap.data()), bitmap.size()));
    } catch (const EPictureError& error) {
      return error.message();
    }
    return std::string("decoded");
  };
  const std::string invalid = "ungültige Größe";
  EXPECT_NE(bitmap_error(kMaxPictureSide + 1, 1).find(invalid), std::string::npos);
  EXPECT_NE(bitmap_error(1, kMaxPictureSide + 1).find(invalid), std::string::npos);
  EXPECT_NE(bitmap_error(kMaxPictureSide, kMaxPicturePixels / kMaxPictureSide + 1).find(invalid),
            std::string::npos);
  EXPECT_EQ(bitmap_error(kMaxPictureSide, kMaxPicturePixels / kMaxPictureSide).find(invalid),
            std::string::npos);

  const auto pcx_error = [&](int64_t width, int64_t height) {
    std::string pcx(300, '\0');
    pcx[0] = 10, pcx[3] = 8, pcx[65] = 1;
    put16(pcx, 8, width - 1);
    put16(pcx, 10, height - 1);
    put16(pcx, 66, width);
    WriteFileBytes(*dir_ / "limit.pcx", pcx);
    return LoadError("limit.pcx");
  };
  EXPECT_NE(pcx_error(kMaxPictureSide + 1, 1).find(invalid), std::string::npos);
  EXPECT_NE(pcx_error(kMaxPictureSide, kMaxPicturePixels / kMaxPictureSide + 1).find(invalid),
            std::string::npos);
  EXPECT_EQ(pcx_error(kMaxPictureSide, kMaxPicturePixels / kMaxPictureSide).find(invalid),
            std::string::npos);
}

TEST_F(PictureLoaderTest, EmptyNameAndDotGiveNoPicture) {
  EXPECT_FALSE(LoadPicture("", Folder()));
  EXPECT_FALSE(LoadPicture(".", Folder()));
}

TEST_F(PictureLoaderTest, JpegNameHoldingABitmapFailsWithThePcxReadersError) {
  std::filesystem::copy_file(*dir_ / "truecolour.bmp", *dir_ / "bitmap.jpg");
  const std::string error = LoadError("bitmap.jpg");
  EXPECT_NE(error.find("keine PCX-Datei"), std::string::npos) << error;
  EXPECT_NE(error.find("bitmap.jpg"), std::string::npos) << error;
  // The same bytes under their own extension are a picture.
  EXPECT_FALSE(Load("truecolour.bmp").image.isNull());
}

TEST_F(PictureLoaderTest, MissingAndUnreadableFilesFailWithGermanMessages) {
  EXPECT_NE(LoadError("fehlt.jpg").find("wurde nicht gefunden"), std::string::npos);
  WriteFileBytes(*dir_ / "text.bmp", "Dies ist kein Bild.");
  EXPECT_NE(LoadError("text.bmp").find("kann nicht gelesen werden"), std::string::npos);
}

TEST(ResolvePicturePathTest, BareAndRelativeNamesLieInThePictureFolder) {
  EXPECT_EQ(ResolvePicturePath("a.jpg", "/samm/Bilder/"), "/samm/Bilder/a.jpg");
  EXPECT_EQ(ResolvePicturePath("avers\\a.jpg", "/samm/Bilder/"), "/samm/Bilder/avers/a.jpg");
  EXPECT_EQ(ResolvePicturePath("/fotos/a.jpg", "/samm/Bilder/"), "/fotos/a.jpg");
  EXPECT_EQ(ResolvePicturePath("C:\\Fotos\\a.jpg", "/samm/Bilder/"), "C:/Fotos/a.jpg");
  EXPECT_EQ(ResolvePicturePath("\\\\server\\fotos\\a.jpg", "/samm/Bilder/"), "//server/fotos/a.jpg");
}

}  // namespace
}  // namespace korvex::test
