// The document side of the record commands: numbering, moving coins to the head, the clipboard
// document and the paste rules.
#include <gtest/gtest.h>

#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "mainwindow/coinclipboard.h"
#include "mainwindow/coinpaste.h"
#include "mainwindow/quickprice.h"
#include "mainwindow/recordbookkeeping.h"
#include "model/codepage.h"
#include "model/paths.h"
#include "common/coinbuilder.h"

namespace korvex {
namespace {

using test::CollectionOrder;
using test::DisplayOrder;
using test::DocumentBuilder;
using test::W;

class RecordCommandsTest : public ::testing::Test {
 protected:
  RecordCommandsTest() {
    for (const char* name : {"Deutschland", "Österreich", "Schweiz"}) builder_.AddArea(name);
    for (int i = 1; i <= 4; ++i) {
      builder_.AddCoin(i <= 2 ? 1 : 2, [i](TDaten& c) {
        c.item = std::to_string(i * 10);
        c.numeral = std::to_string(i);
      });
    }
    doc().current_view = 1;
    doc().RebuildDisplayOrder();
    doc().RecomputeHighestItem();
  }
  CollectionDocument& doc() { return builder_.document(); }
  TDaten* Coin(int index) { return CollectionOrder(doc())[index]; }

  DocumentBuilder builder_;
  test::ScriptedMessages messages_;
};

TEST_F(RecordCommandsTest, NewRecordCarriesTheNextNumberAndTheShownArea) {
  doc().highest_item = 41;
  doc().current_view = 2;
  const auto record = NewRecordFor(doc());
  EXPECT_EQ(record->item, "42");
  EXPECT_EQ(record->category, 2);
  ASSERT_NE(record->description, nullptr);
  EXPECT_TRUE(record->description->text.empty());
}

TEST_F(RecordCommandsTest, NewCoinGoesToTheHeadOfBothOrdersAndRaisesTheHighestNumber) {
  auto record = NewRecordFor(doc());
  record->item = "100a";
  record->change_count = 7;
  TDaten* coin = TakeOverNewCoin(doc(), std::move(record), 45000.5);
  EXPECT_EQ(doc().first_coin, coin);
  EXPECT_EQ(doc().first_shown, coin);
  EXPECT_EQ(coin->display_next, Coin(1));
  EXPECT_EQ(doc().coin_count, 5);
  EXPECT_EQ(doc().highest_item, 100);
  EXPECT_EQ(coin->creation, 45000.5);
  EXPECT_EQ(coin->last, 45000.5);
  EXPECT_EQ(coin->change_count, 0);
  EXPECT_EQ(NewRecordFor(doc())->item, "101");
  // A lower number leaves the highest one alone.
  auto low = NewRecordFor(doc());
  low->item = "3";
  TakeOverNewCoin(doc(), std::move(low), 45000.5);
  EXPECT_EQ(doc().highest_item, 100);
}

TEST_F(RecordCommandsTest, ChangedCoinMovesToTheHeadAndNamesItsSuccessor) {
  TDaten* third = Coin(2);
  TDaten* fourth = Coin(3);
  third->item = "7";
  EXPECT_EQ(TakeOverChangedCoin(doc(), third, 45001), fourth);
  EXPECT_EQ(CollectionOrder(doc()).front(), third);
  EXPECT_EQ(DisplayOrder(doc()).front(), third);
  EXPECT_EQ(CollectionOrder(doc()).size(), 4u);
  EXPECT_EQ(DisplayOrder(doc()).size(), 4u);
  EXPECT_EQ(third->change_count, 1);
  EXPECT_EQ(third->last, 45001);
  EXPECT_EQ(doc().coin_count, 4);
  // 30 became 7: the highest number is recomputed, 40 remains.
  EXPECT_EQ(doc().highest_item, 40);
  EXPECT_EQ(TakeOverChangedCoin(doc(), fourth, 45001), nullptr);
}

TEST_F(RecordCommandsTest, DeletingTheHighestNumberLowersTheProposal) {
  DeleteCoin(doc(), Coin(3));
  EXPECT_EQ(doc().coin_count, 3);
  EXPECT_EQ(doc().highest_item, 30);
  EXPECT_EQ(NewRecordFor(doc())->item, "31");
  EXPECT_EQ(DisplayOrder(doc()).size(), 3u);
  while (doc().first_coin) DeleteCoin(doc(), doc().first_coin);
  EXPECT_EQ(doc().highest_item, 0);
  EXPECT_EQ(doc().coin_count, 0);
  EXPECT_EQ(doc().first_shown, nullptr);
}

TEST_F(RecordCommandsTest, NextCoinKeepsToTheViewAndTheFilter) {
  EXPECT_EQ(NextCoinInView(doc(), Coin(1), nullptr), Coin(1));
  EXPECT_EQ(NextCoinInView(doc(), Coin(2), nullptr), nullptr);
  doc().current_view = 2;
  EXPECT_EQ(NextCoinInView(doc(), Coin(0), nullptr), Coin(2));
  Coin(2)->count = 1;
  Coin(3)->count = 0;
  CoinFilter missing;
  missing.SetCountFilter(FilterKind::kMissing);
  EXPECT_EQ(NextCoinInView(doc(), Coin(0), &missing), Coin(3));
  doc().current_view = kAllCoinsView;
  EXPECT_EQ(NextCoinInView(doc(), Coin(1), nullptr), Coin(1));
  // The quick price change starts after the coin and ignores the filter.
  EXPECT_EQ(NextQuickPriceCoin(doc(), *Coin(1)), Coin(2));
  EXPECT_EQ(NextQuickPriceCoin(doc(), *Coin(3)), nullptr);
}

TEST_F(RecordCommandsTest, ClipboardTextIsOneMintWithAbsolutePictures) {
  doc().SetFileName("/samml/Meine.mvc");
  Coin(0)->av_picture = "a.jpg";
  Coin(0)->rv_picture = "/anderswo/b.jpg";
  Coin(0)->av_motive = W("Adler über Köln");
  const std::string text = CoinClipboardText(*Coin(0), doc());
  EXPECT_EQ(text.rfind("<deduvidarov><mintlist><mint ", 0), 0u) << text;
  EXPECT_NE(text.find(Win1252ToUtf8(doc().picture_folder() + "a.jpg")), std::string::npos);
  const ClipboardCoins read = ReadClipboardText(text, doc());
  ASSERT_FALSE(read.failed);
  ASSERT_EQ(read.coins.size(), 1u);
  EXPECT_EQ(read.coins[0]->av_motive, W("Adler über Köln"));
  EXPECT_EQ(read.coins[0]->av_picture, doc().picture_folder() + "a.jpg");
  EXPECT_EQ(read.coins[0]->rv_picture, "/anderswo/b.jpg");
}

TEST_F(RecordCommandsTest, ClipboardTextInWindows1252IsReadAsWell) {
  Coin(0)->av_motive = W("Münze für 5 €");
  const std::string utf8 = CoinClipboardText(*Coin(0), doc());
  const ClipboardCoins read = ReadClipboardText(Utf8ToWin1252(utf8), doc());
  ASSERT_FALSE(read.failed);
  ASSERT_EQ(read.coins.size(), 1u);
  EXPECT_EQ(read.coins[0]->av_motive, W("Münze für 5 €"));
  EXPECT_EQ(ClipboardTextAsUtf8("\xfc"), "\xc3\xbc");
  EXPECT_EQ(ClipboardTextAsUtf8("\xc3\xbc"), "\xc3\xbc");
}

TEST_F(RecordCommandsTest, ClipboardWithoutCoinDataFails) {
  for (const char* text : {"", "Hallo", "<deduvidarov/>", "<a><b>"}) {
    const ClipboardCoins read = ReadClipboardText(text, doc());
    EXPECT_TRUE(read.failed) << text;
    EXPECT_TRUE(read.coins.empty()) << text;
  }
  EXPECT_FALSE(ReadClipboardText("<deduvidarov><mintlist/></deduvidarov>", doc()).failed);
}

TEST_F(RecordCommandsTest, AreaRuleOfPastedCoins) {
  EXPECT_EQ(PasteAreaRule(1, 1, 3), PasteArea::kKeep);
  EXPECT_EQ(PasteAreaRule(2, 1, 3), PasteArea::kAsk);
  EXPECT_EQ(PasteAreaRule(7, 1, 3), PasteArea::kShownArea);
  EXPECT_EQ(PasteAreaRule(3, kAllCoinsView, 3), PasteArea::kKeep);
  EXPECT_EQ(PasteAreaRule(7, kAllCoinsView, 3), PasteArea::kFirstArea);
  // Ids of 0 and below name no area either (found by the clipboard's fuzz target).
  EXPECT_EQ(PasteAreaRule(0, kAllCoinsView, 3), PasteArea::kFirstArea);
  EXPECT_EQ(PasteAreaRule(-4, kAllCoinsView, 3), PasteArea::kFirstArea);
  EXPECT_EQ(PasteAreaRule(0, 2, 3), PasteArea::kShownArea);
}

// Two coins of area 2 and one of area 7 in one clipboard text.
std::string ThreeCoinText(CollectionDocument& doc, TDaten& coin) {
  const std::string one = CoinClipboardText(coin, doc);
  const size_t begin = one.find("<mint ");
  const size_t end = one.find("</mintlist>");
  std::string mint = one.substr(begin, end - begin);
  std::string seven = mint;
  seven.replace(seven.find("category=\"2\""), 12, "category=\"7\"");
  return one.substr(0, begin) + mint + mint + seven + one.substr(end);
}

TEST_F(RecordCommandsTest, PasteNumbersFreshlySortsAndAsksPerCoin) {
  messages_.Answer(MessageAnswer::kYes);
  messages_.Answer(MessageAnswer::kNo);
  doc().sort_keys[0] = 2;  // inventory number
  const std::string text = ThreeCoinText(doc(), *Coin(2));
  const PasteOutcome outcome = PasteCoins(doc(), text, FormatSettings::German(), PictureCopyOption::kNever, messages_);
  EXPECT_FALSE(outcome.failed);
  EXPECT_EQ(outcome.pasted, 3);
  EXPECT_EQ(doc().coin_count, 7);
  EXPECT_EQ(doc().highest_item, 43);
  ASSERT_NE(outcome.last, nullptr);
  EXPECT_EQ(outcome.last->item, "43");
  EXPECT_EQ(outcome.last->category, 1);  // area 7 does not exist: the shown area, unasked
  ASSERT_EQ(messages_.texts().size(), 2u);
  EXPECT_EQ(messages_.texts()[0], kPasteAreaQuestion);
  std::vector<std::pair<std::string, int>> pasted;
  for (TDaten* coin : CollectionOrder(doc())) {
    if (coin->numeral == "3") pasted.emplace_back(coin->item, coin->category);
  }
  // The original and three copies, sorted by inventory number (the standard order).
  const std::vector<std::pair<std::string, int>> expected = {{"30", 2}, {"41", 1}, {"42", 2}, {"43", 1}};
  EXPECT_EQ(pasted, expected);
  EXPECT_EQ(DisplayOrder(doc()).size(), 7u);
}

TEST_F(RecordCommandsTest, PasteStoppedByABrokenCoinKeepsTheCoinsBeforeIt) {
  doc().current_view = 2;
  std::string text = ThreeCoinText(doc(), *Coin(2));
  // The second coin loses its required `item` attribute.
  const size_t second = text.find("<mint ", text.find("<mint ") + 1);
  text.replace(text.find(" item=", second), 6, " itex=");
  doc().sort_keys[0] = 2;  // inventory number
  const PasteOutcome outcome = PasteCoins(doc(), text, FormatSettings::German(), PictureCopyOption::kNever, messages_);
  EXPECT_TRUE(outcome.failed);
  EXPECT_EQ(outcome.pasted, 1);
  EXPECT_EQ(doc().coin_count, 5);
  EXPECT_EQ(CollectionOrder(doc()).size(), 5u);
  ASSERT_NE(outcome.last, nullptr);
  EXPECT_EQ(outcome.last->item, "41");
  // Sorted into place, not left at the head.
  EXPECT_EQ(CollectionOrder(doc()).back(), outcome.last);
}

class PastePicturesTest : public RecordCommandsTest {
 protected:
  PastePicturesTest() {
    doc().SetFileName(PathText(dir_ / "Sammlung.mvc"));
    std::filesystem::create_directories(dir_ / "Bilder");
    test::WriteFileBytes(dir_ / "Bilder" / "a.jpg", "JPEG");
    Coin(0)->av_picture = PathText(dir_ / "Bilder" / "a.jpg");
    Coin(0)->rv_picture = PathText(dir_ / "Bilder") + "/  ";
  }
  TDaten& PasteFirstCoin(PictureCopyOption option) {
    const std::string text = CoinClipboardText(*Coin(0), doc());
    return *PasteCoins(doc(), text, FormatSettings::German(), option, messages_).last;
  }
  test::TempDir dir_;
};

TEST_F(PastePicturesTest, NeverKeepsTheFullPath) {
  TDaten& coin = PasteFirstCoin(PictureCopyOption::kNever);
  EXPECT_EQ(coin.av_picture, PathText(dir_ / "Bilder" / "a.jpg"));
  EXPECT_TRUE(coin.rv_picture.empty());  // a folder without a file name
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Sammlung" / "a.jpg"));
}

TEST_F(PastePicturesTest, AlwaysCopiesIntoThePictureFolder) {
  TDaten& coin = PasteFirstCoin(PictureCopyOption::kAlways);
  EXPECT_EQ(coin.av_picture, "a.jpg");
  EXPECT_EQ(test::ReadFileBytes(dir_ / "Sammlung" / "a.jpg"), "JPEG");
}

TEST_F(PastePicturesTest, AskCopiesOnYesOnly) {
  messages_.Answer(MessageAnswer::kNo);
  EXPECT_EQ(PasteFirstCoin(PictureCopyOption::kAsk).av_picture, PathText(dir_ / "Bilder" / "a.jpg"));
  messages_.Answer(MessageAnswer::kYes);
  EXPECT_EQ(PasteFirstCoin(PictureCopyOption::kAsk).av_picture, "a.jpg");
  EXPECT_EQ(messages_.texts().front(), kPastePictureQuestion);
  EXPECT_TRUE(messages_.AllAnswersUsed());
}

TEST_F(PastePicturesTest, PictureAlreadyInThePictureFolderIsNotAsked) {
  // The clipboard names the file in this collection's own picture folder (other letter case).
  std::string folder = doc().picture_folder();
  for (char& c : folder) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  Coin(0)->av_picture = " " + folder + "b.jpg";
  Coin(0)->rv_picture.clear();
  // A question would fail the test: none is scripted.
  TDaten& coin = PasteFirstCoin(PictureCopyOption::kAsk);
  EXPECT_EQ(coin.av_picture, " " + folder + "b.jpg");
  EXPECT_TRUE(messages_.texts().empty());
}

TEST(QuickPriceTest, TextsAndTypedPrices) {
  DocumentBuilder builder;
  builder.AddArea("Deutschland");
  TDaten* coin = builder.AddCoin(1, [](TDaten& c) {
    c.numeral = "5";
    c.currency = "DM";
    c.year = "1951";
    c.quality = "vz";
    c.av_motive = W("Adler");
    c.catalogue = 12.5;
    c.estimate = 1234.567;
  });
  const QuickPriceTexts texts = QuickPriceTextsFor(*coin, builder.document(), FormatSettings::German());
  EXPECT_EQ(texts.praegezahl, "5 DM (1951 vz)");
  EXPECT_EQ(texts.motiv1, "Adler");
  EXPECT_EQ(texts.preis, "12,50");
  EXPECT_EQ(texts.schaetzwert, "1.234,57");
  EXPECT_EQ(texts.currency, "\x80");
  StoreQuickPrices(*coin, texts.preis, "1.234,5");
  EXPECT_DOUBLE_EQ(coin->catalogue, 12.5);
  EXPECT_DOUBLE_EQ(coin->estimate, 1234.5);
  EXPECT_DOUBLE_EQ(ReadQuickPrice("1,234.56"), 1234.56);
  EXPECT_DOUBLE_EQ(ReadQuickPrice("12'5"), 12.5);
  EXPECT_DOUBLE_EQ(ReadQuickPrice("7 Euro"), 7);
  EXPECT_DOUBLE_EQ(ReadQuickPrice("abc"), 0);
}

}  // namespace
}  // namespace korvex
