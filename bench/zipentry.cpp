#include "zipentry.h"

#include <stdexcept>

#include <zlib.h>

namespace korvex::bench {
namespace {

constexpr uint32_t kEndOfDirectory = 0x06054b50;
constexpr uint32_t kDirectoryEntry = 0x02014b50;
constexpr uint32_t kLocalHeader = 0x04034b50;
constexpr size_t kEndOfDirectorySize = 22;
constexpr size_t kDirectoryEntrySize = 46;
constexpr size_t kLocalHeaderSize = 30;
constexpr size_t kLongestComment = 0xFFFF;

// Little-endian fields, checked against the end of the bytes so that a damaged archive cannot
// make a read run past them.
uint32_t Field(std::string_view bytes, size_t at, int width) {
  if (at > bytes.size() || bytes.size() - at < static_cast<size_t>(width)) {
    throw std::runtime_error("ZIP structure runs past the end of the archive");
  }
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

size_t EndOfDirectory(std::string_view archive) {
  if (archive.size() < kEndOfDirectorySize) throw std::runtime_error("not a ZIP archive");
  const size_t lowest = archive.size() > kEndOfDirectorySize + kLongestComment
                            ? archive.size() - kEndOfDirectorySize - kLongestComment
                            : 0;
  for (size_t at = archive.size() - kEndOfDirectorySize + 1; at-- > lowest;) {
    if (Field(archive, at, 4) == kEndOfDirectory) return at;
  }
  throw std::runtime_error("not a ZIP archive");
}

uint32_t Checksum(std::string_view bytes) {
  return static_cast<uint32_t>(
      crc32_z(0, reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()));
}

}  // namespace

ZipEntryData FindZipEntry(std::string_view archive, std::string_view name) {
  const size_t end = EndOfDirectory(archive);
  const uint32_t entries = Field(archive, end + 10, 2);
  size_t at = Field(archive, end + 16, 4);
  for (uint32_t i = 0; i < entries; ++i) {
    if (Field(archive, at, 4) != kDirectoryEntry) throw std::runtime_error("damaged ZIP directory");
    const uint32_t name_length = Field(archive, at + 28, 2);
    const size_t next = at + kDirectoryEntrySize + name_length + Field(archive, at + 30, 2) +
                        Field(archive, at + 32, 2);
    if (archive.substr(at + kDirectoryEntrySize, name_length) == name) {
      ZipEntryData entry;
      entry.flags = static_cast<uint16_t>(Field(archive, at + 8, 2));
      entry.method = static_cast<uint16_t>(Field(archive, at + 10, 2));
      entry.crc32 = Field(archive, at + 16, 4);
      const uint32_t compressed_size = Field(archive, at + 20, 4);
      entry.uncompressed_size = Field(archive, at + 24, 4);
      const size_t local = Field(archive, at + 42, 4);
      if (Field(archive, local, 4) != kLocalHeader) throw std::runtime_error("damaged ZIP entry");
      const size_t data = local + kLocalHeaderSize + Field(archive, local + 26, 2) +
                          Field(archive, local + 28, 2);
      if (data > archive.size() || archive.size() - data < compressed_size) {
        throw std::runtime_error("ZIP entry runs past the end of the archive");
      }
      entry.compressed = archive.substr(data, compressed_size);
      return entry;
    }
    at = next;
  }
  throw std::runtime_error("ZIP entry not found");
}

std::string InflateZipEntry(const ZipEntryData& entry) {
  if (entry.flags & 1) throw std::runtime_error("encrypted ZIP entry");
  if (entry.method == 0) {
    std::string out(entry.compressed);
    if (Checksum(out) != entry.crc32) throw std::runtime_error("ZIP entry checksum mismatch");
    return out;
  }
  if (entry.method != 8) throw std::runtime_error("unknown ZIP compression method");
  std::string out(entry.uncompressed_size, '\0');
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) throw std::runtime_error("inflateInit2 failed");
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(entry.compressed.data()));
  stream.avail_in = static_cast<uInt>(entry.compressed.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = inflate(&stream, Z_FINISH);
  const bool complete = result == Z_STREAM_END && stream.total_out == out.size();
  inflateEnd(&stream);
  if (!complete) throw std::runtime_error("damaged deflate data");
  if (Checksum(out) != entry.crc32) throw std::runtime_error("ZIP entry checksum mismatch");
  return out;
}

}  // namespace korvex::bench
