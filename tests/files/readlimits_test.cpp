// The limits of files/readlimits.h on the XML collection file and the container: each bound is
// tried just inside and just beyond, and going beyond gives the damaged-file message.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/scriptedmessages.h"

#include "common/tempdir.h"
#include "files/collectionfileio.h"
#include "files/fileerrors.h"
#include "files/handwritten.h"
#include "files/readlimits.h"
#include "files/testtools.h"
#include "files/xmlcollection.h"
#include "files/xmltreesize.h"
#include "model/paths.h"

namespace korvex {
namespace {

using read_limits::kMaxXmlDepth;
using read_limits::kMaxXmlNodesPerTree;
using test::HandWritten;
using xml::MeasureXmlTree;
using xml::XmlTreeSize;

constexpr uint64_t kNoLimit = UINT64_MAX;

// "read" with the number of areas and coins, or the error's message; the document must be empty
// after an error of the limits.
using Reader = XmlReadReport (*)(CollectionDocument&, std::string&, Progress&);
std::string Outcome(std::string text, Reader reader = ReadCollectionXml) {
  CollectionDocument doc;
  NoProgress progress;
  try {
    reader(doc, text, progress);
  } catch (const EKorvexError& error) {
    return error.message() + (doc.AreaCount() + doc.coin_count == 0 ? "" : " (nicht leer)");
  }
  return "read " + std::to_string(doc.AreaCount()) + " " + std::to_string(doc.coin_count);
}

// Both readers: coin by coin and as one tree.
void ExpectBothRead(const std::string& text, const std::string& expected) {
  EXPECT_EQ(expected, Outcome(text));
  EXPECT_EQ(expected, Outcome(text, ReadCollectionXmlAsOneTree));
}

std::string Repeated(const std::string& piece, uint64_t times) {
  std::string text;
  text.reserve(piece.size() * times);
  for (uint64_t i = 0; i < times; ++i) text += piece;
  return text;
}

std::string Nested(int depth) {
  return Repeated("<x>", static_cast<uint64_t>(depth)) + Repeated("</x>", static_cast<uint64_t>(depth));
}

// A text in UTF-16 (`size` 2) or UTF-32 (4).
std::string Spelt(std::u32string characters, size_t size, bool big_endian, bool mark) {
  if (mark) characters.insert(0, 1, U'\uFEFF');
  std::string bytes;
  for (const char32_t c : characters) {
    for (size_t k = 0; k < size; ++k) {
      const size_t shift = 8 * (big_endian ? size - 1 - k : k);
      bytes += static_cast<char>((c >> shift) & 0xFF);
    }
  }
  return bytes;
}

std::u32string Widened(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

TEST(XmlTreeSize, CountsStartTagsAttributesAndCdataOnly) {
  EXPECT_EQ(3u, MeasureXmlTree("<a><b/><c></c></a>", kNoLimit).nodes);
  EXPECT_EQ(3u, MeasureXmlTree(R"(<a x="1" y='2'>text</a>)", kNoLimit).nodes);
  // Comments, processing instructions and end tags build nothing; a CDATA section one node.
  EXPECT_EQ(2u, MeasureXmlTree("<?xml version=\"1.0\"?><!-- <x/><y/> --><a><![CDATA[<z/>]]></a>",
                               kNoLimit).nodes);
  // A quoted "=" or ">" is part of the value.
  EXPECT_EQ(2u, MeasureXmlTree(R"(<a v="=>/>"/>)", kNoLimit).nodes);
  // Whatever a declaration of the document type holds can only count more.
  EXPECT_GE(MeasureXmlTree("<!DOCTYPE a [<!ELEMENT a ANY>]><a/>", kNoLimit).nodes, 1u);
}

TEST(XmlTreeSize, DepthCountsOpenElementsOnly) {
  EXPECT_EQ(0, MeasureXmlTree("", kNoLimit).depth);
  EXPECT_EQ(1, MeasureXmlTree("<a/><b/><c></c>", kNoLimit).depth);
  EXPECT_EQ(3, MeasureXmlTree("<a><b><c/><d></d></b></a>", kNoLimit).depth);
  EXPECT_EQ(40, MeasureXmlTree(Nested(40), kNoLimit).depth);
}

TEST(XmlTreeSize, Utf16AndUtf32AreMeasuredByTheirMarkup) {
  const std::string utf8 = "<a x=\"\xC3\xA4\"><b/><c>\xE2\x82\xAC</c></a>";
  const XmlTreeSize expected = MeasureXmlTree(utf8, kNoLimit);
  ASSERT_EQ(4u, expected.nodes);
  ASSERT_EQ(2, expected.depth);
  // The same text in the four byte orders, each with and without a byte order mark; "ä" and "€"
  // have no byte of markup in them.
  const std::u32string characters = U"<a x=\"\u00E4\"><b/><c>\u20AC</c></a>";
  for (const size_t size : {2u, 4u}) {
    for (const bool big_endian : {false, true}) {
      for (const bool mark : {false, true}) {
        const XmlTreeSize measured =
            MeasureXmlTree(Spelt(characters, size, big_endian, mark), kNoLimit);
        EXPECT_EQ(expected.nodes, measured.nodes) << size << big_endian << mark;
        EXPECT_EQ(expected.depth, measured.depth) << size << big_endian << mark;
      }
    }
  }
}

TEST(XmlTreeSize, StopsCountingPastTheLimit) {
  const std::string flood = Repeated("<a/>", 1000);
  EXPECT_EQ(1000u, MeasureXmlTree(flood, kNoLimit).nodes);
  EXPECT_EQ(11u, MeasureXmlTree(flood, 10).nodes);
}

// A flood of empty elements needs sixteen times its text as a tree; beyond the limit nothing is
// parsed, whether it lies among the options, inside a coin, or in a file read as one tree.
TEST(XmlReadLimits, FloodOfEmptyElementsIsRefused) {
  const std::string flood = Repeated("<a/>", kMaxXmlNodesPerTree + 1);
  HandWritten file;
  ExpectBothRead(file.Document(), "read 1 1");

  HandWritten in_options = file;
  in_options.options += flood;
  ExpectBothRead(in_options.Document(), kNotACollectionFile);

  HandWritten in_coin = file;
  in_coin.coin_width += flood;
  ExpectBothRead(in_coin.Document(), kNotACollectionFile);

  // Attributes count as well.
  HandWritten attributes = file;
  attributes.coin_attributes += Repeated(" a=\"\"", kMaxXmlNodesPerTree);
  EXPECT_EQ(kNotACollectionFile, Outcome(attributes.Document()));
}

TEST(XmlReadLimits, Utf16FileIsReadAndItsFloodRefused) {
  HandWritten file;
  ExpectBothRead(Spelt(Widened(file.Document()), 2, false, true), "read 1 1");
  file.options += Repeated("<a/>", kMaxXmlNodesPerTree + 1);
  ExpectBothRead(Spelt(Widened(file.Document()), 2, false, true), kNotACollectionFile);
}

TEST(XmlReadLimits, FloodJustWithinTheLimitIsRead) {
  // The rest of the file holds fewer than 200 nodes besides the flood.
  HandWritten file;
  file.options += Repeated("<a/>", kMaxXmlNodesPerTree - 200);
  EXPECT_EQ("read 1 1", Outcome(file.Document()));
}

TEST(XmlReadLimits, NestingBeyondTheLimitIsRefused) {
  HandWritten file;
  // `options` lies at depth 2; the coin's `width` at depth 4.
  HandWritten deep_options = file;
  deep_options.options += Nested(kMaxXmlDepth - 2);
  ExpectBothRead(deep_options.Document(), "read 1 1");
  deep_options.options += Nested(kMaxXmlDepth - 1);
  ExpectBothRead(deep_options.Document(), kNotACollectionFile);

  HandWritten deep_coin = file;
  deep_coin.coin_width = "<width>2.50" + Nested(kMaxXmlDepth - 4) + "</width>";
  ExpectBothRead(deep_coin.Document(), "read 1 1");
  deep_coin.coin_width = "<width>2.50" + Nested(kMaxXmlDepth - 3) + "</width>";
  ExpectBothRead(deep_coin.Document(), kNotACollectionFile);
}

TEST(XmlReadLimits, ClipboardTextIsMeasuredToo) {
  HandWritten file;
  CollectionDocument doc;
  const std::string coin = "<deduvidarov><mintlist>" + file.Coin() + "</mintlist></deduvidarov>";
  EXPECT_EQ(1u, ReadClipboardCoins(coin, doc).size());
  const std::string deep = "<deduvidarov><mintlist>" + Nested(kMaxXmlDepth) + file.Coin() +
                           "</mintlist></deduvidarov>";
  EXPECT_THROW(ReadClipboardCoins(deep, doc), EXMLException);
}

TEST(XmlReadLimits, MoreAreasThanACollectionHoldsAreRefused) {
  HandWritten file;
  const std::string area = file.Area();
  const std::string document = file.Document();
  const size_t at = document.find(area);
  const auto with_areas = [&](int64_t count) {
    return document.substr(0, at) + Repeated(area, static_cast<uint64_t>(count)) +
           document.substr(at + area.size());
  };
  EXPECT_EQ("read " + std::to_string(read_limits::kMaxAreas) + " 1",
            Outcome(with_areas(read_limits::kMaxAreas)));
  EXPECT_EQ(kNotACollectionFile, Outcome(with_areas(read_limits::kMaxAreas + 1)));
}

class ContainerLimitTest : public ::testing::Test {
 protected:
  // The message of opening `name`; empty when it opened.
  std::string OpenMessage(const std::string& name) {
    CollectionDocument doc;
    test::ScriptedMessages messages;
    test::ScriptedPasswords passwords;
    NoProgress progress;
    FileServices services{messages, passwords, progress};
    if (OpenCollectionFile(doc, PathText(dir_ / name), services)) return {};
    return messages.shown().empty() ? "no message" : messages.shown().back().text;
  }
  test::TempDir dir_;
};

// A file larger than any collection is refused by its size, before a byte of it is read (the
// sparse file here takes no room on the disk).
TEST_F(ContainerLimitTest, PlainFileLargerThanAnyDocumentIsRefusedUnread) {
  HandWritten file;
  test::WriteFileBytes(dir_ / "Gross.mvs", file.Document());
  EXPECT_EQ("", OpenMessage("Gross.mvs"));
  std::filesystem::resize_file(dir_ / "Gross.mvs", read_limits::kMaxDocumentBytes + 1);
  EXPECT_EQ(kNotACollectionFile, OpenMessage("Gross.mvs"));
}

}  // namespace
}  // namespace korvex
