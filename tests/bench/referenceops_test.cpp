// The reference operations must do the full work they stand for: a deflate that does not round
// trip or a serialiser that changes the text would make every ratio meaningless.

#include <gtest/gtest.h>

#include <stdexcept>

#include <zlib.h>

#include "referenceops.h"
#include "samplefiles.h"
#include "zipentry.h"

namespace korvex::bench {
namespace {

ZipEntryData DeflatedEntry(const std::string& compressed, const std::string& original) {
  ZipEntryData entry;
  entry.compressed = compressed;
  entry.method = 8;
  entry.uncompressed_size = static_cast<uint32_t>(original.size());
  entry.crc32 = static_cast<uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(original.data()), static_cast<uInt>(original.size())));
  return entry;
}

TEST(ReferenceOpsTest, DeflateLevel9RoundTripsAndCompresses) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "<mint><country>\xD6sterreich</country><item>" + std::to_string(i) + "</item></mint>";
  const std::string compressed = DeflateLevel9(text);
  EXPECT_LT(compressed.size() * 5, text.size());
  EXPECT_EQ(InflateZipEntry(DeflatedEntry(compressed, text)), text);
  EXPECT_EQ(InflateZipEntry(DeflatedEntry(DeflateLevel9(""), "")), "");
}

TEST(ReferenceOpsTest, ParseAndSerialiseGiveBackTheCollectionFile) {
  ScratchFolder folder;
  const SampleFiles files = WriteSampleFiles(folder.path(), 200);
  const std::string original = ReadWholeFile(files.mvs);
  ASSERT_EQ(original.size(), files.xml_size);
  std::string buffer = original;
  pugi::xml_document tree;
  ParseXmlInPlace(buffer, tree);
  EXPECT_EQ(std::distance(tree.child("deduvidarov").child("mintlist").children("mint").begin(),
                          tree.child("deduvidarov").child("mintlist").children("mint").end()),
            200);
  EXPECT_TRUE(SerialiseTree(tree) == original) << "the serialised text differs from the file";
}

TEST(ReferenceOpsTest, ReportsFailuresInsteadOfMeasuringNothing) {
  std::string broken = "<deduvidarov><mintlist></deduvidarov>";
  pugi::xml_document tree;
  EXPECT_THROW(ParseXmlInPlace(broken, tree), std::runtime_error);
  EXPECT_THROW(ReadWholeFile("/nonexistent/korvex/sammlung.mvs"), std::runtime_error);
}

}  // namespace
}  // namespace korvex::bench
