// The synthetic collections must be reproducible, look like real collections and survive the file
// format unchanged, or the benchmarks would measure something else from run to run.

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "collectiongenerator.h"
#include "files/xmlcollection.h"
#include "model/codepage.h"
#include "model/datetime.h"
#include "samplefiles.h"

namespace korvex::bench {
namespace {

constexpr int kCoins = 2000;

std::string XmlOf(const CollectionDocument& doc) {
  NoProgress progress;
  return WriteCollectionXml(doc, progress);
}

TEST(CollectionGeneratorTest, SameSeedGivesSameCollectionOtherSeedAnother) {
  CollectionDocument first, second, other;
  GenerateCollection(first, 300);
  GenerateCollection(second, 300);
  GenerateCollection(other, 300, 12, 7);
  EXPECT_EQ(XmlOf(first), XmlOf(second));
  EXPECT_NE(XmlOf(first), XmlOf(other));
}

TEST(CollectionGeneratorTest, FillsAreasAndCoinsLikeARealCollection) {
  const std::unique_ptr<CollectionDocument> doc = GeneratedDocument(kCoins);
  ASSERT_EQ(doc->AreaCount(), 12);
  ASSERT_EQ(doc->coin_count, kCoins);
  EXPECT_EQ(doc->highest_item, kCoins);

  std::set<int> areas_used;
  std::set<std::string> items;
  int with_note = 0, with_picture = 0, with_umlaut = 0, open_purchase_date = 0;
  for (const TDaten* coin = doc->first_coin; coin; coin = coin->next) {
    areas_used.insert(coin->category);
    items.insert(coin->item);
    EXPECT_FALSE(coin->quality.empty());
    EXPECT_FALSE(coin->schoen.empty());
    EXPECT_FALSE(coin->av_motive.empty());
    EXPECT_GT(coin->purchaseprice, 0);
    EXPECT_GE(coin->count, 1);
    with_note += coin->description && !coin->description->text.empty();
    with_picture += !coin->av_picture.empty();
    with_umlaut += (coin->country + coin->av_motive + coin->dealer).find_first_of("\xC4\xD6\xDC\xE4\xF6\xFC\xDF") !=
                   std::string::npos;
    open_purchase_date += coin->purchasedate == kNoDate;
  }
  EXPECT_EQ(areas_used, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  EXPECT_EQ(items.size(), static_cast<size_t>(kCoins)) << "inventory numbers must be unique";
  // Notes on some coins, pictures on most, umlauts common, some purchase dates left open.
  EXPECT_GT(with_note, kCoins / 10);
  EXPECT_LT(with_note, kCoins / 2);
  EXPECT_GT(with_picture, kCoins / 2);
  EXPECT_LT(with_picture, kCoins);
  EXPECT_GT(with_umlaut, kCoins / 10);
  EXPECT_GT(open_purchase_date, 0);
  EXPECT_LT(open_purchase_date, kCoins / 4);
  EXPECT_EQ(Win1252ToUtf8(doc->Area(1)->name), "Deutschland");
  EXPECT_EQ(Win1252ToUtf8(doc->Area(7)->name), "Ägypten");
}

// Generated values the file cannot hold exactly would make a reopened collection differ from the
// one saved, so opening and saving would not measure the same work.
TEST(CollectionGeneratorTest, CollectionSurvivesTheFileFormatUnchanged) {
  const std::unique_ptr<CollectionDocument> doc = GeneratedDocument(kCoins);
  const std::string xml = XmlOf(*doc);
  CollectionDocument reread;
  std::string buffer = xml;
  NoProgress progress;
  const XmlReadReport report = ReadCollectionXml(reread, buffer, progress);
  EXPECT_EQ(report.rescued_coins, 0);
  EXPECT_EQ(reread.coin_count, kCoins);
  EXPECT_EQ(XmlOf(reread), xml);
}

TEST(SampleFilesTest, WritesEveryFormOfTheSameCollection) {
  ScratchFolder folder;
  const SampleFiles files = WriteSampleFiles(folder.path(), 500);
  EXPECT_EQ(files.coins, 500);
  EXPECT_EQ(files.xml_size, std::filesystem::file_size(files.mvs));
  EXPECT_EQ(files.xml_size, XmlOf(*GeneratedDocument(500)).size());
  // Compressed archives are far smaller than the XML they hold.
  EXPECT_LT(std::filesystem::file_size(files.mvc) * 4, files.xml_size);
  EXPECT_LT(std::filesystem::file_size(files.mvc_password) * 4, files.xml_size);
  EXPECT_NE(files.mvc, files.mvc_password);
}

TEST(ScratchFolderTest, IsRemovedWithItsContent) {
  std::filesystem::path kept;
  {
    ScratchFolder folder;
    kept = folder.path();
    ASSERT_TRUE(std::filesystem::is_directory(kept));
    std::filesystem::create_directory(kept / "unter");
    std::ofstream(kept / "unter" / "datei.txt") << "x";
  }
  EXPECT_FALSE(std::filesystem::exists(kept));
}

}  // namespace
}  // namespace korvex::bench
