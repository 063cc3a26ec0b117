#include "reports/targadecoder.h"

#include <array>
#include <vector>

#include "reports/picturelimits.h"

namespace korvex {
namespace {

constexpr std::size_t kHeaderSize = 18;
constexpr int kLongestRun = 128;

[[noreturn]] void Fail(const char* reason) { throw EPictureError(reason); }

std::uint32_t U16(std::span<const std::uint8_t> d, std::size_t at) { return d[at] | d[at + 1] << 8; }

using Rgb = std::array<std::uint8_t, 3>;

// One stored pixel of `bytes` bytes (little-endian, blue first) to RGB.
Rgb TrueColour(const std::uint8_t* p, int bytes) {
  if (bytes >= 3) return {p[2], p[1], p[0]};
  const std::uint32_t v = p[0] | p[1] << 8;  // 5 bits each, red highest
  const auto spread = [](std::uint32_t five) { return static_cast<std::uint8_t>(five << 3 | five >> 2); };
  return {spread(v >> 10 & 31), spread(v >> 5 & 31), spread(v & 31)};
}

struct Layout {
  int type = 0;  // 1 colour-mapped, 2 true colour, 3 grey; +8 run-length coded
  int width = 0, height = 0;
  int pixel_bytes = 0;
  bool top_down = false, right_to_left = false;
  std::vector<Rgb> colour_map;
  std::size_t data_offset = 0;
};

Layout ReadLayout(std::span<const std::uint8_t> d) {
  if (d.size() < kHeaderSize) Fail("es ist keine Targa-Datei");
  Layout l;
  l.type = d[2];
  const int kind = l.type & 7;
  const int bits = d[16];
  const bool known = (kind == 1 && bits == 8 && d[1] == 1) ||
                     (kind == 2 && (bits == 15 || bits == 16 || bits == 24 || bits == 32)) ||
                     (kind == 3 && bits == 8);
  if (!known || (l.type & ~8) != kind) Fail("diese Art von Targa-Datei wird nicht unterstützt");
  l.width = static_cast<int>(U16(d, 12));
  l.height = static_cast<int>(U16(d, 14));
  if (!SanePictureSize(l.width, l.height)) Fail("die Targa-Datei hat eine ungültige Größe");
  l.pixel_bytes = (bits + 7) / 8;
  l.top_down = d[17] & 0x20;
  l.right_to_left = d[17] & 0x10;
  std::size_t at = kHeaderSize + d[0];
  if (d[1] == 1) {  // a colour map, also allowed (and skipped) in true-colour files
    const std::size_t first = U16(d, 3), length = U16(d, 5), entry_bits = d[7];
    const std::size_t entry_bytes = (entry_bits + 7) / 8;
    if (entry_bytes < 2 || entry_bytes > 4 || at + length * entry_bytes > d.size()) {
      Fail("die Farbtabelle der Targa-Datei ist beschädigt");
    }
    if (kind == 1) {
      l.colour_map.assign(256, Rgb{});
      for (std::size_t i = 0; i < length && first + i < 256; ++i) {
        l.colour_map[first + i] = TrueColour(d.data() + at + i * entry_bytes, static_cast<int>(entry_bytes));
      }
    }
    at += length * entry_bytes;
  }
  if (at > d.size()) Fail("die Targa-Datei ist unvollständig");
  l.data_offset = at;
  const std::size_t pixels = static_cast<std::size_t>(l.width) * l.height;
  const std::size_t stored = d.size() - at;
  const bool enough = l.type & 8 ? pixels <= stored / 2 * kLongestRun + kLongestRun
                                 : pixels * l.pixel_bytes <= stored;
  if (!enough) Fail("die Targa-Datei ist unvollständig");
  return l;
}

Rgb Colour(const Layout& l, const std::uint8_t* p) {
  switch (l.type & 7) {
    case 1: return l.colour_map[p[0]];
    case 3: return {p[0], p[0], p[0]};
    default: return TrueColour(p, l.pixel_bytes);
  }
}

// The pixels in the order they are stored, unpacking run-length packets.
std::vector<Rgb> StoredPixels(std::span<const std::uint8_t> d, const Layout& l) {
  const std::size_t count = static_cast<std::size_t>(l.width) * l.height;
  std::vector<Rgb> pixels;
  pixels.reserve(count);
  std::size_t at = l.data_offset;
  const auto take = [&]() -> const std::uint8_t* {
    if (at + l.pixel_bytes > d.size()) Fail("die Targa-Datei ist unvollständig");
    const std::uint8_t* p = d.data() + at;
    at += l.pixel_bytes;
    return p;
  };
  while (pixels.size() < count) {
    if (!(l.type & 8)) {
      pixels.push_back(Colour(l, take()));
      continue;
    }
    if (at >= d.size()) Fail("die Targa-Datei ist unvollständig");
    const std::uint8_t packet = d[at++];
    const std::size_t n = std::min<std::size_t>((packet & 0x7F) + 1, count - pixels.size());
    if (packet & 0x80) {
      pixels.insert(pixels.end(), n, Colour(l, take()));
    } else {
      for (std::size_t i = 0; i < n; ++i) pixels.push_back(Colour(l, take()));
    }
  }
  return pixels;
}

}  // namespace

QImage DecodeTarga(std::span<const std::uint8_t> data) {
  const Layout layout = ReadLayout(data);
  const std::vector<Rgb> pixels = StoredPixels(data, layout);
  QImage picture = NewRgbPicture(layout.width, layout.height, "die Targa-Datei");
  for (int row = 0; row < layout.height; ++row) {
    const int y = layout.top_down ? row : layout.height - 1 - row;
    uchar* line = picture.scanLine(y);
    for (int column = 0; column < layout.width; ++column) {
      const int x = layout.right_to_left ? layout.width - 1 - column : column;
      const Rgb& colour = pixels[static_cast<std::size_t>(row) * layout.width + column];
      line[3 * x] = colour[0], line[3 * x + 1] = colour[1], line[3 * x + 2] = colour[2];
    }
  }
  return picture;
}

}  // namespace korvex
