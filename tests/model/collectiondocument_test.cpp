#include <gtest/gtest.h>

#include "model/collectiondocument.h"

namespace korvex {
namespace {

class RecordingObserver : public DocumentObserver {
 public:
  void FileNameChanged() override { ++file_names; }
  void PasswordChanged() override { ++passwords; }
  void ModifiedChanged() override { ++modified; }
  int file_names = 0, passwords = 0, modified = 0;
};

std::vector<std::string> Items(const CollectionDocument& doc, bool display) {
  std::vector<std::string> items;
  for (const TDaten* r = display ? doc.first_shown : doc.first_coin; r;
       r = display ? r->display_next : r->next) {
    items.push_back(r->item);
  }
  return items;
}

std::unique_ptr<TDaten> Coin(const std::string& item) {
  auto coin = std::make_unique<TDaten>();
  coin->item = item;
  return coin;
}

TEST(CollectionDocument, ResetGivesAnEmptyUnnamedFile) {
  CollectionDocument doc("EUR");
  doc.areas.push_back(std::make_unique<TKategorie>());
  doc.Append(Coin("1"));
  doc.SetPassword("x");
  doc.current_view = 1;
  doc.Reset();
  EXPECT_EQ(doc.coin_count, 0);
  EXPECT_EQ(doc.first_coin, nullptr);
  EXPECT_TRUE(doc.areas.empty());
  EXPECT_EQ(doc.current_view, kAllCoinsView);
  EXPECT_EQ(doc.currency_symbol, "EUR");
  EXPECT_EQ(doc.password(), "");
  EXPECT_EQ(doc.file_path(), "[Unbenannt]");
  EXPECT_FALSE(doc.has_name);
  EXPECT_EQ(doc.all_cells.size(), 10u);
  EXPECT_EQ(doc.sort_keys, (std::array<int32_t, 5>{65535, 65535, 65535, 65535, 65535}));
  for (int t = 0; t < kAlignmentTableSize; ++t) EXPECT_EQ(doc.alignment_table[t].type, t);
  EXPECT_EQ(doc.alignment_table[46].align, 0);
  EXPECT_EQ(doc.alignment_table[24].align, 2);
}

TEST(CollectionDocument, FileNameGivesTitleAndPictureFolder) {
  CollectionDocument doc;
  RecordingObserver observer;
  doc.SetObserver(&observer);
  doc.SetFileName("/home/sammler/Archiv/Sammlung.mvc");
  EXPECT_EQ(doc.file_title(), "Sammlung");
  EXPECT_EQ(doc.picture_folder(), "/home/sammler/Archiv/Sammlung/");
  doc.SetFileName("/daten/ohne_endung");
  EXPECT_EQ(doc.file_title(), "ohne_endung");
  EXPECT_EQ(doc.picture_folder(), "/daten/ohne_endung/");
  EXPECT_EQ(observer.file_names, 2);
}

TEST(CollectionDocument, ModifiedHonoursWritable) {
  CollectionDocument doc;
  RecordingObserver observer;
  doc.SetObserver(&observer);
  doc.SetModified(true);
  EXPECT_TRUE(doc.modified());
  doc.SetModified(false);
  doc.SetWritable(false);
  doc.SetModified(true);
  EXPECT_FALSE(doc.modified());
  EXPECT_EQ(observer.modified, 2);
  doc.SetPassword("geheim");
  EXPECT_EQ(observer.passwords, 1);
}

TEST(CollectionDocument, AppendInsertAndRemoveKeepBothChains) {
  CollectionDocument doc;
  doc.Append(Coin("a"));
  doc.Append(Coin("b"));
  doc.Append(Coin("c"));
  EXPECT_EQ(Items(doc, false), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(Items(doc, true), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(doc.coin_count, 3);

  auto removed = doc.Remove(doc.first_coin);  // unlinking the head
  EXPECT_EQ(removed->item, "a");
  EXPECT_EQ(removed->next, nullptr);
  EXPECT_EQ(removed->display_next, nullptr);
  EXPECT_EQ(doc.first_coin->item, "b");
  EXPECT_EQ(doc.first_shown->item, "b");
  EXPECT_EQ(doc.first_coin->prev, nullptr);
  EXPECT_EQ(doc.coin_count, 2);

  doc.Remove(doc.LastCoin());
  EXPECT_EQ(Items(doc, false), (std::vector<std::string>{"b"}));
  doc.InsertAtHead(Coin("new"));
  doc.Append(Coin("tail"));
  EXPECT_EQ(Items(doc, false), (std::vector<std::string>{"new", "b", "tail"}));
  doc.RebuildDisplayOrder();
  EXPECT_EQ(Items(doc, true), (std::vector<std::string>{"new", "b", "tail"}));
  EXPECT_EQ(doc.coin_count, 3);
}

TEST(CollectionDocument, RelinkingReordersBothChains) {
  CollectionDocument doc;
  for (const char* item : {"a", "b", "c"}) doc.Append(Coin(item));
  TDaten* a = doc.first_coin;
  TDaten* b = a->next;
  TDaten* c = b->next;
  doc.RelinkCollectionOrder({c, a, b});
  EXPECT_EQ(Items(doc, false), (std::vector<std::string>{"c", "a", "b"}));
  EXPECT_EQ(Items(doc, true), (std::vector<std::string>{"c", "a", "b"}));
  EXPECT_EQ(doc.LastCoin(), b);
  doc.Append(Coin("d"));
  EXPECT_EQ(Items(doc, false), (std::vector<std::string>{"c", "a", "b", "d"}));
}

TEST(CollectionDocument, AreaLookupByOneBasedId) {
  CollectionDocument doc;
  EXPECT_EQ(doc.Area(1), nullptr);
  doc.areas.push_back(std::make_unique<TKategorie>());
  doc.areas.push_back(std::make_unique<TKategorie>());
  doc.areas[1]->name = "Zweites";
  EXPECT_EQ(doc.Area(2)->name, "Zweites");
  EXPECT_EQ(doc.Area(0), nullptr);
  EXPECT_EQ(doc.Area(3), nullptr);
}

}  // namespace
}  // namespace korvex
