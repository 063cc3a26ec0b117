#include "reports/pcxreader.h"

#include <algorithm>
#include <array>

#include "reports/picturelimits.h"

namespace korvex {
namespace {

constexpr std::size_t kHeaderSize = 128;      // the pixel data start here
constexpr std::size_t kPaletteTrailer = 769;  // marker 12 and 256 × red, green, blue
constexpr std::size_t kBlockSize = 1024;
// One pair of bytes (run marker and value) yields at most 63 data bytes.
constexpr std::size_t kLongestRun = 63;

[[noreturn]] void Fail(const char* reason) { throw EPictureError(reason); }

std::uint32_t U16(std::span<const std::uint8_t> d, std::size_t at) { return d[at] | d[at + 1] << 8; }

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = v & 0xFF, out[at + 1] = (v >> 8) & 0xFF;
}
void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  Put16(out, at, v & 0xFFFF), Put16(out, at + 2, v >> 16);
}

// The run-length decoder of the pixel data, reading its input in blocks like the original format's
// readers.
class RunLengthInput {
 public:
  explicit RunLengthInput(std::span<const std::uint8_t> data) : data_(data), position_(kHeaderSize) {}

  // Fills `line` with decoded bytes. A run may continue into the next line. False when the data
  // end first.
  bool ReadLine(std::span<std::uint8_t> line) {
    std::size_t filled = 0;
    while (filled < line.size()) {
      if (pending_ > 0) {
        const std::size_t n = std::min<std::size_t>(pending_, line.size() - filled);
        std::fill_n(line.begin() + filled, n, value_);
        filled += n;
        pending_ -= n;
        continue;
      }
      int c = Next();
      if (c < 0) return false;
      if (c >= 192) {
        const int v = Next();
        if (v < 0) return false;
        value_ = static_cast<std::uint8_t>(v);
        pending_ = static_cast<std::size_t>(c - 192);
      } else {
        line[filled++] = static_cast<std::uint8_t>(c);
      }
    }
    return true;
  }

 private:
  int Next() {
    if (offset_ == block_.size()) {
      if (position_ >= data_.size()) return -1;
      block_ = data_.subspan(position_, std::min(kBlockSize, data_.size() - position_));
      position_ += block_.size();
      offset_ = 0;
    }
    return block_[offset_++];
  }

  std::span<const std::uint8_t> data_;
  std::size_t position_;
  std::span<const std::uint8_t> block_;
  std::size_t offset_ = 0;
  std::size_t pending_ = 0;
  std::uint8_t value_ = 0;
};

struct PcxHeader {
  std::int64_t width = 0, height = 0;
  std::size_t bytes_per_plane_line = 0;  // B
  bool sixteen_colours = false;
};

// The header, or nothing for a PCX variant this reader does not convert.
std::optional<PcxHeader> ReadHeader(std::span<const std::uint8_t> d) {
  if (d.size() < 70 || d[0] != 10) Fail("es ist keine PCX-Datei");
  const int bits = d[3], planes = d[65];
  PcxHeader h;
  if (bits == 8 && planes == 1) {
    h.sixteen_colours = false;
  } else if (bits == 1 && planes == 4) {
    h.sixteen_colours = true;
  } else {
    return std::nullopt;
  }
  const std::int64_t xmin = U16(d, 4), ymin = U16(d, 6), xmax = U16(d, 8), ymax = U16(d, 10);
  h.width = xmax - xmin + 1;
  h.height = ymax - ymin + 1;
  h.bytes_per_plane_line = U16(d, 66);
  if (!SanePictureSize(h.width, h.height)) Fail("die PCX-Datei hat eine ungültige Größe");
  // A line must hold the picture's width: B bytes of 8 pixels per plane, or of one pixel.
  const std::int64_t pixels_per_line = static_cast<std::int64_t>(h.bytes_per_plane_line) * (h.sixteen_colours ? 8 : 1);
  if (pixels_per_line < h.width || h.bytes_per_plane_line > 4 * kMaxPictureSide) {
    Fail("die Zeilenlänge der PCX-Datei ist ungültig");
  }
  const std::size_t encoded = d.size() > kHeaderSize ? d.size() - kHeaderSize : 0;
  const std::size_t decoded = h.bytes_per_plane_line * (h.sixteen_colours ? 4 : 1) * static_cast<std::size_t>(h.height);
  if (decoded > encoded / 2 * kLongestRun + kLongestRun) Fail("die PCX-Datei ist unvollständig");
  return h;
}

void WritePalette(std::span<const std::uint8_t> d, const PcxHeader& h, std::vector<std::uint8_t>& out,
                  std::size_t at) {
  const auto entry = [&](std::size_t i, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    out[at + 4 * i] = b, out[at + 4 * i + 1] = g, out[at + 4 * i + 2] = r, out[at + 4 * i + 3] = 0;
  };
  if (h.sixteen_colours) {
    for (std::size_t i = 0; i < 16; ++i) entry(i, d[16 + 3 * i], d[17 + 3 * i], d[18 + 3 * i]);
    return;
  }
  const std::size_t trailer = d.size() - kPaletteTrailer;
  const bool has_palette = d.size() >= kHeaderSize + kPaletteTrailer && d[trailer] == 12;
  for (std::size_t i = 0; i < 256; ++i) {
    // Without the palette marker the colours are not defined; a grey ramp keeps the picture
    // recognisable.
    const auto grey = static_cast<std::uint8_t>(i);
    if (has_palette) {
      entry(i, d[trailer + 1 + 3 * i], d[trailer + 2 + 3 * i], d[trailer + 3 + 3 * i]);
    } else {
      entry(i, grey, grey, grey);
    }
  }
}

// Four planes of B bytes give 8 pixels per byte position, two pixels per output byte.
void PackPlanes(std::span<const std::uint8_t> line, std::size_t b, std::uint8_t* row) {
  for (std::size_t k = 0; k < b; ++k) {
    const std::uint8_t p0 = line[k], p1 = line[b + k], p2 = line[2 * b + k], p3 = line[3 * b + k];
    for (int pixel = 0; pixel < 8; ++pixel) {
      const int bit = 7 - pixel;
      const int value = ((p0 >> bit) & 1) | ((p1 >> bit) & 1) << 1 | ((p2 >> bit) & 1) << 2 |
                        ((p3 >> bit) & 1) << 3;
      std::uint8_t& target = row[4 * k + pixel / 2];
      target = pixel % 2 == 0 ? static_cast<std::uint8_t>(value << 4) : static_cast<std::uint8_t>(target | value);
    }
  }
}

}  // namespace

std::optional<std::vector<std::uint8_t>> PcxToBitmap(std::span<const std::uint8_t> data) {
  const std::optional<PcxHeader> header = ReadHeader(data);
  if (!header) return std::nullopt;
  const PcxHeader& h = *header;
  const std::size_t b = h.bytes_per_plane_line;
  const std::size_t planes = h.sixteen_colours ? 4 : 1;
  // The rows take the bitmap's own row length, from the width: a PCX line may be longer than the
  // picture is wide, and a bitmap reader finds its rows by the width alone.
  const std::size_t bits = h.sixteen_colours ? 4 : 8;
  const std::size_t row_length = (static_cast<std::size_t>(h.width) * bits + 31) / 32 * 4;
  const std::size_t palette_size = (h.sixteen_colours ? 16 : 256) * 4;
  const std::size_t offset = 14 + 40 + palette_size;
  const std::size_t image_size = row_length * static_cast<std::size_t>(h.height);

  std::vector<std::uint8_t> bitmap(offset + image_size);
  bitmap[0] = 'B', bitmap[1] = 'M';
  Put32(bitmap, 2, static_cast<std::uint32_t>(bitmap.size()));
  Put32(bitmap, 10, static_cast<std::uint32_t>(offset));
  Put32(bitmap, 14, 40);
  Put32(bitmap, 18, static_cast<std::uint32_t>(h.width));
  Put32(bitmap, 22, static_cast<std::uint32_t>(h.height));  // positive: the rows run bottom-up
  Put16(bitmap, 26, 1);
  Put16(bitmap, 28, static_cast<std::uint32_t>(bits));
  Put32(bitmap, 34, static_cast<std::uint32_t>(image_size));
  Put32(bitmap, 46, h.sixteen_colours ? 0 : 256);
  WritePalette(data, h, bitmap, 54);

  RunLengthInput input(data);
  std::vector<std::uint8_t> line(b * planes);
  std::vector<std::uint8_t> packed(h.sixteen_colours ? b * 4 : 0);
  const std::size_t copied = std::min(row_length, b * (h.sixteen_colours ? 4 : 1));
  for (std::int64_t y = 0; y < h.height; ++y) {
    if (!input.ReadLine(line)) Fail("die PCX-Datei ist unvollständig");
    // The first line read is the top row, which a bottom-up bitmap stores last.
    std::uint8_t* row = bitmap.data() + offset + row_length * static_cast<std::size_t>(h.height - 1 - y);
    if (h.sixteen_colours) PackPlanes(line, b, packed.data());
    const std::vector<std::uint8_t>& pixels = h.sixteen_colours ? packed : line;
    std::copy_n(pixels.begin(), copied, row);
  }
  return bitmap;
}

}  // namespace korvex
