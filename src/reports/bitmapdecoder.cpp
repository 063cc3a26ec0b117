#include "reports/bitmapdecoder.h"

#include <array>
#include <bit>
#include <cstdlib>

#include "reports/picturelimits.h"

namespace korvex {
namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;
constexpr std::size_t kFileHeaderSize = 14;

[[noreturn]] void Fail(const char* reason) { throw EPictureError(reason); }

std::uint32_t U16(std::span<const std::uint8_t> d, std::size_t at) { return d[at] | d[at + 1] << 8; }
std::uint32_t U32(std::span<const std::uint8_t> d, std::size_t at) {
  return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | std::uint32_t(d[at + 3]) << 24;
}

struct Header {
  std::int64_t width = 0, height = 0;  // height is positive; `top_down` tells the row order
  bool top_down = false;
  std::uint32_t bits = 0, compression = kRgb;
  std::size_t data_offset = 0;
  std::size_t palette_offset = 0, palette_entries = 0, palette_entry_size = 4;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue for bit fields and 16/32 bits
};

// One colour channel of a bit-field pixel, spread to 8 bits by repeating its bits (so that the
// largest value gives 255).
struct Channel {
  int shift = 0;
  int bits = 0;
  std::uint32_t mask = 0;
  explicit Channel(std::uint32_t m) : mask(m) {
    if (!m) return;
    shift = std::countr_zero(m);
    bits = std::popcount(m);
  }
  std::uint8_t Of(std::uint32_t pixel) const {
    if (!bits) return 0;
    const std::uint32_t value = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<std::uint8_t>(value >> (bits - 8));
    std::uint32_t spread = 0;
    int filled = 0;
    for (; filled < 8; filled += bits) spread = spread << bits | value;
    return static_cast<std::uint8_t>(spread >> (filled - 8));
  }
};

Header ReadHeader(std::span<const std::uint8_t> d) {
  if (d.size() < kFileHeaderSize + 12 || d[0] != 'B' || d[1] != 'M') Fail("es ist keine Windows-Bitmap");
  Header h;
  h.data_offset = U32(d, 10);
  const std::size_t info_size = U32(d, 14);
  if (info_size < 12 || info_size > d.size() - kFileHeaderSize) Fail("der Bitmap-Kopf ist beschädigt");
  const std::size_t info = kFileHeaderSize;
  std::size_t colours_used = 0;
  if (info_size == 12) {  // the old OS/2 header: 16-bit sizes, palette entries of three bytes
    h.width = U16(d, info + 4);
    h.height = U16(d, info + 6);
    h.bits = U16(d, info + 10);
    h.palette_entry_size = 3;
  } else {
    if (info_size < 40) Fail("der Bitmap-Kopf ist beschädigt");
    h.width = static_cast<std::int32_t>(U32(d, info + 4));
    const auto height = static_cast<std::int32_t>(U32(d, info + 8));
    h.top_down = height < 0;
    h.height = std::llabs(static_cast<long long>(height));
    h.bits = U16(d, info + 14);
    h.compression = U32(d, info + 16);
    colours_used = U32(d, info + 32);
    if (h.compression == kBitFields) {
      // The masks follow the 40-byte header, inside it in the later header versions.
      if (info + 40 + 12 > d.size()) Fail("der Bitmap-Kopf ist beschädigt");
      h.masks = {U32(d, info + 40), U32(d, info + 44), U32(d, info + 48)};
    }
  }
  if (!SanePictureSize(h.width, h.height)) Fail("die Bitmap hat eine ungültige Größe");
  const bool known_depth = h.bits == 1 || h.bits == 4 || h.bits == 8 || h.bits == 16 ||
                           h.bits == 24 || h.bits == 32;
  const bool known_compression =
      h.compression == kRgb || (h.compression == kRle8 && h.bits == 8) ||
      (h.compression == kRle4 && h.bits == 4) ||
      (h.compression == kBitFields && (h.bits == 16 || h.bits == 32));
  if (!known_depth || !known_compression) Fail("diese Art von Bitmap wird nicht unterstützt");
  if (h.bits <= 8) {
    const std::size_t most = std::size_t(1) << h.bits;
    h.palette_entries = colours_used == 0 || colours_used > most ? most : colours_used;
  }
  h.palette_offset = info + info_size + (h.compression == kBitFields && info_size == 40 ? 12 : 0);
  if (h.palette_offset + h.palette_entries * h.palette_entry_size > d.size()) {
    Fail("die Farbtabelle der Bitmap fehlt");
  }
  if (h.bits == 16 && h.compression == kRgb) h.masks = {0x7C00, 0x03E0, 0x001F};
  if (h.bits == 32 && h.compression == kRgb) h.masks = {0xFF0000, 0x00FF00, 0x0000FF};
  return h;
}

std::size_t RowBytes(const Header& h) { return static_cast<std::size_t>((h.width * h.bits + 31) / 32 * 4); }

void DecodeRows(std::span<const std::uint8_t> d, const Header& h, QImage& picture) {
  const std::size_t row_bytes = RowBytes(h);
  if (h.data_offset > d.size() || row_bytes * static_cast<std::size_t>(h.height) > d.size() - h.data_offset) {
    Fail("die Bilddaten der Bitmap sind unvollständig");
  }
  std::array<std::array<std::uint8_t, 3>, 256> palette{};
  for (std::size_t i = 0; i < h.palette_entries; ++i) {
    const std::size_t at = h.palette_offset + i * h.palette_entry_size;
    palette[i] = {d[at + 2], d[at + 1], d[at]};
  }
  const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
  const int width = static_cast<int>(h.width);
  for (int y = 0; y < picture.height(); ++y) {
    const int stored = h.top_down ? y : picture.height() - 1 - y;
    const std::uint8_t* row = d.data() + h.data_offset + row_bytes * static_cast<std::size_t>(stored);
    uchar* out = picture.scanLine(y);
    for (int x = 0; x < width; ++x, out += 3) {
      if (h.bits == 24) {
        out[0] = row[x * 3 + 2], out[1] = row[x * 3 + 1], out[2] = row[x * 3];
        continue;
      }
      if (h.bits >= 16) {
        const std::uint32_t pixel = h.bits == 16 ? U16(std::span(row, row_bytes), x * 2)
                                                 : U32(std::span(row, row_bytes), x * 4);
        out[0] = red.Of(pixel), out[1] = green.Of(pixel), out[2] = blue.Of(pixel);
        continue;
      }
      const int per_byte = 8 / static_cast<int>(h.bits);
      const int shift = 8 - static_cast<int>(h.bits) * (x % per_byte + 1);
      const int index = (row[x / per_byte] >> shift) & ((1 << h.bits) - 1);
      const auto& colour = palette[index];
      out[0] = colour[0], out[1] = colour[1], out[2] = colour[2];
    }
  }
}

}  // namespace

QImage DecodeBitmap(std::span<const std::uint8_t> data) {
  const Header header = ReadHeader(data);
  if (header.compression == kRle4 || header.compression == kRle8) {
    // Run-length coded bitmaps are rare; Qt's reader decodes them once the header is known sane.
    QImage picture = QImage::fromData(data.data(), static_cast<int>(data.size()), "BMP");
    if (picture.isNull()) Fail("die Bilddaten der Bitmap sind beschädigt");
    return picture.convertToFormat(QImage::Format_RGB888);
  }
  QImage picture = NewRgbPicture(static_cast<int>(header.width), static_cast<int>(header.height),
                                 "die Bitmap");
  DecodeRows(data, header, picture);
  return picture;
}

}  // namespace korvex
