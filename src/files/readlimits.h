#pragma once

#include <cstdint>

// Limits on what the readers take from a file. Every size, length and count that a file states
// about itself is checked against the data actually at hand or against one of these limits before
// memory is set aside for it, so a damaged or hostile file ends as "Diese Datei ist keine
// Korvex-Datei oder die Datei ist beschädigt." instead of exhausting memory. The limits leave
// room for a collection of a million coins with long notes.
namespace korvex::read_limits {

// The largest collection document read as a whole: the XML text of a plain file, the inflated
// entry of an archive, a legacy data file, a text import file. The XML parser and the legacy reader
// hold it in one buffer.
inline constexpr uint64_t kMaxDocumentBytes = uint64_t{2} << 30;  // 2 GiB

// The most coins and collecting areas one collection holds. A coin takes about 1.5 KB in memory,
// so two million coins need about 3 GB; a file may state a count, or hold records, only up to
// these. Collections use a few hundred areas at most, and the area menu lists them all.
inline constexpr int64_t kMaxCoins = 2'000'000;
inline constexpr int64_t kMaxAreas = 10'000;

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

// The XML parser builds a tree of each text it parses at once: the rest of a collection file
// without its coins and then each coin on its own, or the whole file when its coin list cannot be
// cut into coins (a file in another encoding than UTF-8) and for the clipboard. A tree takes
// about 64 bytes per element, its text included, and 40 per attribute: sixteen times the text of
// an empty element "<a/>". So one text parsed at once holds at most this many elements and
// attributes (at most about 400 MB of tree). A coin holds about 90; a file that must be parsed
// whole has room for some 50,000 coins.
inline constexpr uint64_t kMaxXmlNodesPerTree = 5'000'000;

// Elements nest at most this deep; the collection file nests six deep.
inline constexpr int kMaxXmlDepth = 32;

// Lengths inside a legacy data file (strings, notes, the stored password, counts of cells and
// entries) need no limit of their own beyond the counts of coins and areas: the file is held in
// memory, and the reader refuses any length that runs past its end before it copies anything.

// The largest picture the readers decode: a side of 30,000 pixels and 150 megapixels (450 MB as a
// 24-bit picture). Sizes read from a file are checked against these before anything is allocated.
inline constexpr int64_t kMaxPictureSide = 30000;
inline constexpr int64_t kMaxPicturePixels = 150'000'000;

}  // namespace korvex::read_limits
