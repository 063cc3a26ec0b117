#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "mainwindow/fieldchoice.h"
#include "mainwindow/sortdialogkeys.h"
#include "model/collectiondocument.h"

namespace korvex {
namespace {

std::array<TZelle, kFieldCount + 1> Alignments() {
  CollectionDocument document("EUR");
  document.ResetAlignmentTable();
  return document.alignment_table;
}

std::vector<int> Types(const std::vector<TZelle>& columns) {
  std::vector<int> types;
  for (const TZelle& column : columns) types.push_back(column.type);
  return types;
}

TEST(FieldChoice, AppendOrderNamesEveryFieldOnce) {
  const std::set<int> types(kFieldAppendOrder.begin(), kFieldAppendOrder.end());
  EXPECT_EQ(types.size(), 46u);
  EXPECT_EQ(*types.begin(), 1);
  EXPECT_EQ(*types.rbegin(), 46);
}

TEST(FieldChoice, KeptColumnsKeepOrderAndWidthNewOnesFollowInAppendOrder) {
  const std::vector<TZelle> columns = {{2, 80, 0}, {3, 60, 1}, {4, 70, 1}, {9, 30, 1}};
  FieldTicks ticks = TicksOfColumns(columns);
  ticks[kJaeger] = false;
  ticks[kCountry] = true;
  ticks[kCity] = true;
  ticks[kQuality] = true;
  const auto chosen = ChosenColumns(columns, ticks, Alignments());
  // City (33) comes before country (34) and quality last of all, as the append order says.
  EXPECT_EQ(Types(chosen), (std::vector<int>{2, 3, 9, kCity, kCountry, kQuality}));
  EXPECT_EQ(chosen[0].width, 80);
  EXPECT_EQ(chosen[1].width, 60);
  EXPECT_EQ(chosen[3].width, 100);
  EXPECT_EQ(chosen[5].width, 100);
}

TEST(FieldChoice, AlignmentComesFromTheTableAndADoubledFieldSurvivesOnce) {
  auto alignments = Alignments();
  alignments[kCatalogue].align = kAlignCenter;
  const std::vector<TZelle> columns = {{kCatalogue, 90, kAlignLeft}, {kItem, 50, 0}, {kCatalogue, 40, 1}};
  const auto chosen = ChosenColumns(columns, TicksOfColumns(columns), alignments);
  ASSERT_EQ(Types(chosen), (std::vector<int>{kCatalogue, kItem}));
  EXPECT_EQ(chosen[0].width, 90);
  EXPECT_EQ(chosen[0].align, kAlignCenter);
  EXPECT_EQ(chosen[1].align, alignments[kItem].align);
}

TEST(FieldChoice, NoTicksGiveNoColumnsAndFieldsOutsideTheCatalogueAreDropped) {
  const std::vector<TZelle> columns = {{0, 50, 0}, {47, 50, 0}, {kYear, 50, 0}};
  EXPECT_TRUE(ChosenColumns(columns, FieldTicks{}, Alignments()).empty());
  EXPECT_EQ(Types(ChosenColumns(columns, TicksOfColumns(columns), Alignments())), std::vector<int>{kYear});
}

TEST(FieldChoice, CaptionsOfTheCheckBoxes) {
  EXPECT_EQ(DisplayedFieldCaption(9), "St\xFC" "ckzahl");
  EXPECT_EQ(DisplayedFieldCaption(41), "Echtheitszertifikat vorh.");
  EXPECT_EQ(DisplayedFieldCaption(46), "Frei Definierbar (5)");
  EXPECT_EQ(DisplayedFieldCaption(0), "");
  EXPECT_EQ(DisplayedFieldCaption(47), "");
}

TEST(SortDialogKeys, OpensInFreeModeUnlessTheFirstKeyIsEmpty) {
  const auto start = OpenSortDialog({3, 4, 65535, 0, 0}, true);
  EXPECT_TRUE(start.free_mode);
  EXPECT_EQ(start.rows, (SortRows{SortRow{3, false}, SortRow{4, false}, SortRow{}, SortRow{}, SortRow{}}));
  EXPECT_FALSE(OpenSortDialog({65535, 65535, 65535, 65535, 65535}, true).free_mode);
  EXPECT_FALSE(OpenSortDialog({9999, 0, 0, 0, 0}, true).free_mode);
  EXPECT_TRUE(OpenSortDialog({65535, 65535, 65535, 65535, 65535}, false).free_mode);
  const auto odd = OpenSortDialog({-34, 9999, 47, -47, 16}, false);
  EXPECT_EQ(odd.rows, (SortRows{SortRow{34, true}, SortRow{}, SortRow{}, SortRow{}, SortRow{16, false}}));
}

TEST(SortDialogKeys, RowsGiveKeysAndTheStandardFlag) {
  const auto keys = SortKeysOfRows({SortRow{3, false}, SortRow{4, true}, SortRow{}, SortRow{0, true}, SortRow{46, false}});
  EXPECT_EQ(keys, (std::array<int32_t, 5>{3, -4, 65535, 65535, 46}));
  EXPECT_FALSE(StandardOrderAfterDialog(false, keys));
  EXPECT_TRUE(StandardOrderAfterDialog(true, keys));
  EXPECT_TRUE(StandardOrderAfterDialog(false, {65535, 65535, 65535, 65535, 65535}));
  // Reading the rows back gives the keys they were opened with.
  const std::array<int32_t, 5> original = {-16, 34, 65535, 9, -24};
  EXPECT_EQ(SortKeysOfRows(OpenSortDialog(original, false).rows), original);
}

}  // namespace
}  // namespace korvex
