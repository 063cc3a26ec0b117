#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace korvex {

// Raised when a legacy data file ends before the item being read or holds an impossible length.
class ELegacyRead : public std::runtime_error {
 public:
  ELegacyRead() : std::runtime_error("legacy data file ends too early or is damaged") {}
};

// Reads the little-endian items of a legacy data file held in memory. Every read checks the
// remaining length first, so a damaged length or a truncated file never reads past the end.
class LegacyStream {
 public:
  explicit LegacyStream(std::string_view bytes) : bytes_(bytes) {}

  bool AtEnd() const { return position_ >= bytes_.size(); }
  std::size_t Remaining() const { return bytes_.size() - position_; }

  uint8_t ReadByte();
  uint16_t ReadWord();
  int32_t ReadInt32();
  int64_t ReadInt64();
  float ReadSingle();
  double ReadDouble();
  std::string ReadBytes(std::size_t count);
  void Skip(std::size_t count);

  // An int32 length followed by that many bytes, unscrambled with `key`. A negative length is
  // taken as damage.
  std::string ReadString(int key);
  // The same without unscrambling (the filter caption).
  std::string ReadPlainString();

 private:
  const char* Take(std::size_t count);

  std::string_view bytes_;
  std::size_t position_ = 0;
};

}  // namespace korvex
