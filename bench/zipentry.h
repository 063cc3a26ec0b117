#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Reading one entry of a ZIP archive with zlib alone, without libzip: the floor that opening a
// compressed collection file is measured against.
namespace korvex::bench {

struct ZipEntryData {
  std::string_view compressed;  // the entry's stored bytes, inside the archive's bytes
  uint16_t method = 0;          // 0 stored, 8 deflated
  uint16_t flags = 0;           // bit 0: encrypted
  uint32_t uncompressed_size = 0;
  uint32_t crc32 = 0;
};

// Finds the entry named `name` through the archive's central directory. Throws std::runtime_error
// for bytes that are not a ZIP archive or lack the entry.
ZipEntryData FindZipEntry(std::string_view archive, std::string_view name);

// The entry's content, checked against its CRC-32 as every sound reader does: raw inflate of a
// deflated entry, a copy of a stored one. Throws
// std::runtime_error for encrypted entries and broken data.
std::string InflateZipEntry(const ZipEntryData& entry);

}  // namespace korvex::bench
