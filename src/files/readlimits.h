#pragma once

#include <cstdint>

// Limits on what the readers take from a file. Every size, length and count that a file states
// about itself is checked against the data actually at hand or against one of these limits before
// memory is set aside for it, so a damaged or hostile file ends as "Diese Datei ist keine
// Korvex-Datei oder die Datei ist beschädigt." instead of exhausting memory.
namespace korvex::read_limits {

// The largest collection document read as a whole: the XML text of a plain file, the inflated
// entry of an archive, a legacy data file. The XML parser and the legacy reader hold it in one
// buffer.
inline constexpr uint64_t kMaxDocumentBytes = uint64_t{2} << 30;  // 2 GiB

// An archive entry may inflate to this multiple of its compressed size. Collection files compress
// 15 to 25 times; even a collection of thousands of identical coins stays below 160 times, while
// deflate can reach about 1000 times on runs of one byte (the classic "ZIP bomb").
inline constexpr uint64_t kMaxInflationRatio = 200;

// Every entry may inflate this far whatever its ratio, so that small archives of very regular
// content always open.
inline constexpr uint64_t kInflationAllowanceBytes = uint64_t{16} << 20;  // 16 MiB

// The most an entry of `compressed_bytes` may inflate to.
constexpr uint64_t MaxInflatedBytes(uint64_t compressed_bytes) {
  if (compressed_bytes >= kMaxDocumentBytes / kMaxInflationRatio) return kMaxDocumentBytes;
  const uint64_t by_ratio = compressed_bytes * kMaxInflationRatio;
  return by_ratio > kInflationAllowanceBytes ? by_ratio : kInflationAllowanceBytes;
}

// Lengths inside a legacy data file (strings, notes, the stored password, counts of cells and
// entries) need no limit of their own: the file is held in memory, and the reader refuses any
// length that runs past its end before it copies anything.

}  // namespace korvex::read_limits
