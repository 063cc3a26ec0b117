#include "reports/jpegdecoder.h"

#include <csetjmp>
#include <cstdio>
#include <algorithm>
#include <vector>

#include <jpeglib.h>

#include "reports/picturelimits.h"

namespace korvex {
namespace {

// A damaged progressive file can announce any number of scans; real pictures have a dozen.
constexpr int kMaxScans = 500;

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings about damaged data are not shown; the decoder goes on with what it can read.
void QuietMessage(j_common_ptr) {}

void LimitScans(j_common_ptr info) {
  const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > kMaxScans) ErrorExit(info);
}

// CMYK as Adobe writes it (inverted) or plain, to RGB.
void CmykToRgb(const JSAMPLE* cmyk, uchar* rgb, int width, bool inverted) {
  for (int x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
    const int c = inverted ? cmyk[0] : 255 - cmyk[0];
    const int m = inverted ? cmyk[1] : 255 - cmyk[1];
    const int y = inverted ? cmyk[2] : 255 - cmyk[2];
    const int k = inverted ? cmyk[3] : 255 - cmyk[3];
    rgb[0] = static_cast<uchar>(c * k / 255);
    rgb[1] = static_cast<uchar>(m * k / 255);
    rgb[2] = static_cast<uchar>(y * k / 255);
  }
}

// Owns the decompressor, so that every way out of DecodeJpeg releases it.
struct Decompressor {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  jpeg_progress_mgr progress{};
  Decompressor() {
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    errors.base.output_message = QuietMessage;
    progress.progress_monitor = LimitScans;
  }
  ~Decompressor() { jpeg_destroy_decompress(&info); }
};

// The part of DecodeJpeg that libjpeg may leave by longjmp: it holds no objects with destructors.
bool Decode(Decompressor& d, std::span<const std::uint8_t> data, QSize target, QImage& picture,
            std::vector<JSAMPLE>& cmyk_row, const char*& failure) {
  if (setjmp(d.errors.jump)) {
    failure = "die JPEG-Daten sind beschädigt";
    return false;
  }
  jpeg_create_decompress(&d.info);
  d.info.progress = &d.progress;
  jpeg_mem_src(&d.info, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&d.info, TRUE);
  if (!SanePictureSize(d.info.image_width, d.info.image_height)) {
    failure = "das JPEG-Bild ist zu groß";
    return false;
  }
  const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
  d.info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  d.info.scale_num = 1;
  d.info.scale_denom = JpegScaleDenominator(
      QSize(static_cast<int>(d.info.image_width), static_cast<int>(d.info.image_height)), target);
  // A reduced picture is a preview: plain chroma upsampling costs less and is not to be seen.
  if (d.info.scale_denom > 1) d.info.do_fancy_upsampling = FALSE;
  jpeg_start_decompress(&d.info);
  const int width = static_cast<int>(d.info.output_width);
  const int height = static_cast<int>(d.info.output_height);
  picture = QImage(width, height, QImage::Format_RGB888);
  if (picture.isNull()) {
    failure = "für das JPEG-Bild ist nicht genug Speicher frei";
    return false;
  }
  if (cmyk) cmyk_row.resize(static_cast<size_t>(width) * 4);
  while (d.info.output_scanline < d.info.output_height) {
    uchar* line = picture.scanLine(static_cast<int>(d.info.output_scanline));
    JSAMPROW row = cmyk ? cmyk_row.data() : line;
    jpeg_read_scanlines(&d.info, &row, 1);
    if (cmyk) CmykToRgb(cmyk_row.data(), line, width, d.info.saw_Adobe_marker);
  }
  jpeg_finish_decompress(&d.info);
  return true;
}

}  // namespace

int JpegScaleDenominator(QSize picture, QSize target) {
  if (target.isEmpty() || picture.isEmpty()) return 1;
  // The picture appears shrunk by this factor (or not at all) when fitted into the target.
  const double shown = std::min({1.0, double(target.width()) / picture.width(),
                                 double(target.height()) / picture.height()});
  int denominator = 1;
  while (denominator < 8 && shown * denominator * 2 <= 1.0) denominator *= 2;
  return denominator;
}

QImage DecodeJpeg(std::span<const std::uint8_t> data, QSize target, QSize* original_size) {
  Decompressor decompressor;
  QImage picture;
  std::vector<JSAMPLE> cmyk_row;
  const char* failure = nullptr;
  if (!Decode(decompressor, data, target, picture, cmyk_row, failure)) throw EPictureError(failure);
  if (original_size) {
    *original_size = QSize(static_cast<int>(decompressor.info.image_width),
                           static_cast<int>(decompressor.info.image_height));
  }
  return picture;
}

}  // namespace korvex
