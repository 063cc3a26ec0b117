// The zlib-only reader is the reference for opening compressed files, so it must read exactly what
// the program's own archive writer stores, and refuse damaged archives instead of running past them.

#include <gtest/gtest.h>

#include <stdexcept>

#include <zlib.h>

#include "files/ziparchive.h"
#include "zipentry.h"

namespace korvex::bench {
namespace {

const std::string kText = "<deduvidarov><mintlist><mint><item>1</item></mint></mintlist></deduvidarov>";

std::string ArchiveOf(const std::string& name, const std::string& content, const std::string& password = {}) {
  ZipWriter writer(password);
  writer.AddBuffer("erstes.txt", "anderer Inhalt");
  writer.AddBuffer(name, content);
  return writer.Finish();
}

void PutLittleEndian(std::string& out, uint32_t value, int width) {
  for (int i = 0; i < width; ++i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

// One stored entry with an extra field in its local header and an archive comment, laid out by
// hand the way other ZIP writers may do it.
std::string StoredArchive(const std::string& name, const std::string& content) {
  const uint32_t crc = static_cast<uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(content.data()), static_cast<uInt>(content.size())));
  const std::string extra = "\x55\x54\x01\x00\x07";
  std::string zip;
  PutLittleEndian(zip, 0x04034b50, 4);
  PutLittleEndian(zip, 20, 2);
  PutLittleEndian(zip, 0, 2);  // flags
  PutLittleEndian(zip, 0, 2);  // stored
  PutLittleEndian(zip, 0, 4);  // time and date
  PutLittleEndian(zip, crc, 4);
  PutLittleEndian(zip, static_cast<uint32_t>(content.size()), 4);
  PutLittleEndian(zip, static_cast<uint32_t>(content.size()), 4);
  PutLittleEndian(zip, static_cast<uint32_t>(name.size()), 2);
  PutLittleEndian(zip, static_cast<uint32_t>(extra.size()), 2);
  zip += name + extra + content;
  const size_t directory = zip.size();
  PutLittleEndian(zip, 0x02014b50, 4);
  PutLittleEndian(zip, 20, 2);
  PutLittleEndian(zip, 20, 2);
  PutLittleEndian(zip, 0, 2);
  PutLittleEndian(zip, 0, 2);
  PutLittleEndian(zip, 0, 4);
  PutLittleEndian(zip, crc, 4);
  PutLittleEndian(zip, static_cast<uint32_t>(content.size()), 4);
  PutLittleEndian(zip, static_cast<uint32_t>(content.size()), 4);
  PutLittleEndian(zip, static_cast<uint32_t>(name.size()), 2);
  PutLittleEndian(zip, 0, 2);  // no extra field here
  PutLittleEndian(zip, 0, 2);  // no comment
  PutLittleEndian(zip, 0, 2);
  PutLittleEndian(zip, 0, 2);
  PutLittleEndian(zip, 0, 4);
  PutLittleEndian(zip, 0, 4);  // local header at the start
  zip += name;
  const size_t directory_size = zip.size() - directory;
  const std::string comment = "Archivkommentar";
  PutLittleEndian(zip, 0x06054b50, 4);
  PutLittleEndian(zip, 0, 4);
  PutLittleEndian(zip, 1, 2);
  PutLittleEndian(zip, 1, 2);
  PutLittleEndian(zip, static_cast<uint32_t>(directory_size), 4);
  PutLittleEndian(zip, static_cast<uint32_t>(directory), 4);
  PutLittleEndian(zip, static_cast<uint32_t>(comment.size()), 2);
  return zip + comment;
}

TEST(ZipEntryTest, ReadsTheEntryTheProgramWrote) {
  std::string large;
  for (int i = 0; i < 20000; ++i) large += "<mint><item>" + std::to_string(i) + "</item></mint>";
  for (const std::string& content : {kText, large}) {
    const std::string archive = ArchiveOf("mints.xml", content);
    const ZipEntryData entry = FindZipEntry(archive, "mints.xml");
    EXPECT_EQ(entry.method, 8);
    EXPECT_EQ(entry.uncompressed_size, content.size());
    EXPECT_EQ(InflateZipEntry(entry), content);
  }
}

TEST(ZipEntryTest, ReadsAStoredEntryBehindExtraFieldAndComment) {
  const std::string archive = StoredArchive("mints.xml", kText);
  const ZipEntryData entry = FindZipEntry(archive, "mints.xml");
  EXPECT_EQ(entry.method, 0);
  EXPECT_EQ(InflateZipEntry(entry), kText);
}

TEST(ZipEntryTest, RefusesWhatItCannotReadSoundly) {
  const std::string archive = ArchiveOf("mints.xml", kText);
  EXPECT_THROW(FindZipEntry(archive, "fehlt.xml"), std::runtime_error);
  EXPECT_THROW(FindZipEntry("keine ZIP-Datei", "mints.xml"), std::runtime_error);
  EXPECT_THROW(FindZipEntry("", "mints.xml"), std::runtime_error);

  // Encrypted data cannot be inflated without the password.
  const std::string encrypted = ArchiveOf("mints.xml", kText, "geheim");
  EXPECT_THROW(InflateZipEntry(FindZipEntry(encrypted, "mints.xml")), std::runtime_error);

  // A changed byte in the stored data fails the checksum.
  std::string damaged = StoredArchive("mints.xml", kText);
  damaged[damaged.find("<item>") + 6] = '9';
  EXPECT_THROW(InflateZipEntry(FindZipEntry(damaged, "mints.xml")), std::runtime_error);
}

TEST(ZipEntryTest, DirectoryPointingPastTheEndIsRefused) {
  std::string archive = StoredArchive("mints.xml", kText);
  const size_t end = archive.rfind("\x50\x4b\x05\x06");
  ASSERT_NE(end, std::string::npos);
  archive[end + 16] = '\xF0';  // directory offset far beyond the archive
  EXPECT_THROW(FindZipEntry(archive, "mints.xml"), std::runtime_error);

  std::string oversized = StoredArchive("mints.xml", kText);
  const size_t directory = oversized.find("\x50\x4b\x01\x02");
  ASSERT_NE(directory, std::string::npos);
  oversized[directory + 23] = '\x7F';  // compressed size beyond the archive
  EXPECT_THROW(FindZipEntry(oversized, "mints.xml"), std::runtime_error);
}

}  // namespace
}  // namespace korvex::bench
