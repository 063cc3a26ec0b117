#include "platform/filebytes.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/tempdir.h"

namespace korvex {
namespace {

void Write(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(ReadWholeFileTest, ReadsEveryByteOfFilesLargerThanOneBuffer) {
  test::TempDir dir;
  std::string bytes(200'000, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 % 251);
  Write(dir / "gross.bin", bytes);
  const FileBytes read = ReadWholeFile(dir / "gross.bin");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.bytes, bytes);
}

TEST(ReadWholeFileTest, TellsMissingFilesAndFoldersApart) {
  test::TempDir dir;
  EXPECT_EQ(ReadWholeFile(dir / "fehlt.mvc").status, FileReadStatus::kCannotOpen);
  // A folder opens on Linux but cannot be read.
  EXPECT_EQ(ReadWholeFile(dir.path()).status, FileReadStatus::kReadFailed);
}

TEST(ReadWholeFileTest, RefusesFilesPastTheLimitWithoutReadingThem) {
  test::TempDir dir;
  Write(dir / "bild.pcx", std::string(1000, 'x'));
  EXPECT_TRUE(ReadWholeFile(dir / "bild.pcx", 1000).ok());
  const FileBytes too_large = ReadWholeFile(dir / "bild.pcx", 999);
  EXPECT_EQ(too_large.status, FileReadStatus::kTooLarge);
  EXPECT_TRUE(too_large.bytes.empty());
}

TEST(ReadWholeFileTest, KeepsToTheLimitWhereTheSizeIsNotKnownBeforehand) {
  // /proc files report the size 0 and only tell their length by being read.
  const FileBytes status = ReadWholeFile("/proc/self/status", 10);
  EXPECT_EQ(status.status, FileReadStatus::kTooLarge);
  EXPECT_TRUE(ReadWholeFile("/proc/self/status").ok());
}

}  // namespace
}  // namespace korvex
