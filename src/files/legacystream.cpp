#include "files/legacystream.h"

#include <cstring>

#include "files/legacyscrambling.h"

namespace korvex {
namespace {

template <typename T>
T LittleEndian(const char* data) {
  uint64_t value = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    value |= static_cast<uint64_t>(static_cast<unsigned char>(data[i])) << (8 * i);
  }
  if constexpr (sizeof(T) == 8) return static_cast<T>(value);
  else return static_cast<T>(static_cast<std::make_unsigned_t<T>>(value));
}

}  // namespace

const char* LegacyStream::Take(std::size_t count) {
  if (count > Remaining()) {
    position_ = bytes_.size();
    throw ELegacyRead();
  }
  const char* data = bytes_.data() + position_;
  position_ += count;
  return data;
}

uint8_t LegacyStream::ReadByte() { return static_cast<uint8_t>(*Take(1)); }

uint16_t LegacyStream::ReadWord() { return LittleEndian<uint16_t>(Take(2)); }

int32_t LegacyStream::ReadInt32() { return LittleEndian<int32_t>(Take(4)); }

int64_t LegacyStream::ReadInt64() { return LittleEndian<int64_t>(Take(8)); }

float LegacyStream::ReadSingle() {
  const uint32_t bits = LittleEndian<uint32_t>(Take(4));
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

double LegacyStream::ReadDouble() {
  const uint64_t bits = LittleEndian<uint64_t>(Take(8));
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::string LegacyStream::ReadBytes(std::size_t count) { return std::string(Take(count), count); }

void LegacyStream::Skip(std::size_t count) { Take(count); }

std::string LegacyStream::ReadPlainString() {
  const int32_t length = ReadInt32();
  if (length < 0) {
    position_ = bytes_.size();
    throw ELegacyRead();
  }
  return ReadBytes(static_cast<std::size_t>(length));
}

std::string LegacyStream::ReadString(int key) {
  std::string text = ReadPlainString();
  return key == 0 ? text : LegacyUnscramble(text, key);
}

}  // namespace korvex
