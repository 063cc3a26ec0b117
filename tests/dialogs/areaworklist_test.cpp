#include <gtest/gtest.h>

#include "dialogs/areadocument.h"
#include "dialogs/areaworklist.h"

namespace korvex {
namespace {

using test::AddArea;
using test::AddCoin;
using test::ItemsOfArea;
using test::RecordingProgress;

// Areas A, B, C; A holds coins a1, a2, C holds c1; B is empty.
void FillThreeAreas(CollectionDocument& document) {
  AddArea(document, "A");
  AddArea(document, "B");
  AddArea(document, "C");
  AddCoin(document, 1, "a1");
  AddCoin(document, 3, "c1");
  AddCoin(document, 1, "a2");
}

AreaWorkList Open(const CollectionDocument& document) {
  NoProgress progress;
  return AreaWorkList::FromDocument(document, progress);
}

void Apply(CollectionDocument& document, AreaWorkList list) {
  NoProgress progress;
  ApplyAreaDefinition(document, std::move(list), std::nullopt, progress);
}

TEST(AreaWorkList, OpensWithCopiesOfTheAreasAndTheirUse) {
  CollectionDocument document;
  FillThreeAreas(document);
  RecordingProgress progress;
  AreaWorkList list = AreaWorkList::FromDocument(document, progress);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_TRUE(list.had_areas());
  EXPECT_EQ(list.Entry(1).area.name, "B");
  EXPECT_EQ(list.Entry(2).id_at_opening, 3);
  EXPECT_TRUE(list.Entry(0).in_use);
  EXPECT_FALSE(list.Entry(1).in_use);
  EXPECT_TRUE(list.Entry(2).in_use);
  EXPECT_EQ(progress.texts.front(), "Arbeite. Bitte warten...");
  EXPECT_EQ(progress.total, 3 + 2);
  EXPECT_EQ(progress.position, progress.total);
  EXPECT_EQ(progress.texts.back(), "");

  // Edits of the working list stay there until they are applied.
  list.Entry(0).area.name = "Umbenannt";
  list.Entry(0).area.quality = false;
  list.AddNewArea();
  EXPECT_EQ(document.Area(1)->name, "A");
  EXPECT_TRUE(document.Area(1)->quality);
  EXPECT_EQ(document.AreaCount(), 3);
  EXPECT_FALSE(document.modified());
}

TEST(AreaWorkList, EmptyCollectionStartsWithOneNewArea) {
  CollectionDocument document;
  AreaWorkList list = Open(document);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_FALSE(list.had_areas());
  EXPECT_EQ(list.Entry(0).area.name, "Neues Sammelgebiet");
  EXPECT_EQ(list.Entry(0).area.short_, "1");
  EXPECT_EQ(list.Entry(0).id_at_opening, 0);
  EXPECT_FALSE(list.CanDelete(0));
}

TEST(AreaWorkList, NewAreasTakeTheirPositionAsShortName) {
  CollectionDocument document;
  FillThreeAreas(document);
  AreaWorkList list = Open(document);
  EXPECT_EQ(list.AddNewArea(), 3);
  EXPECT_EQ(list.Entry(3).area.short_, "4");
  EXPECT_EQ(list.Entry(3).id_at_opening, 0);
  EXPECT_FALSE(list.Entry(3).in_use);
}

TEST(AreaWorkList, MovesSwapNeighboursAndIgnoreTheEnds) {
  CollectionDocument document;
  FillThreeAreas(document);
  AreaWorkList list = Open(document);
  EXPECT_EQ(list.MoveUp(0), 0);
  EXPECT_EQ(list.MoveDown(2), 2);
  EXPECT_EQ(list.MoveDown(0), 1);
  EXPECT_EQ(list.Entry(0).area.name, "B");
  EXPECT_EQ(list.Entry(1).area.name, "A");
  EXPECT_EQ(list.MoveUp(2), 1);
  EXPECT_EQ(list.Entry(1).area.name, "C");
  EXPECT_EQ(list.Entry(2).area.name, "A");
  EXPECT_EQ(list.Entry(2).id_at_opening, 1);
}

TEST(AreaWorkList, OnlyEmptyAreasGoAndNeverTheLastOne) {
  CollectionDocument document;
  FillThreeAreas(document);
  AreaWorkList list = Open(document);
  EXPECT_FALSE(list.CanDelete(0));
  EXPECT_EQ(list.DeleteBlockedText(0), "Diese Kategorie enthält Daten und kann daher nicht gelöscht werden");
  EXPECT_FALSE(list.Delete(0).has_value());
  EXPECT_EQ(list.Count(), 3);

  EXPECT_TRUE(list.CanDelete(1));
  EXPECT_EQ(list.DeleteBlockedText(1), "");
  EXPECT_EQ(list.Delete(1), 1);  // C moves into the freed position
  EXPECT_EQ(list.Entry(1).area.name, "C");

  const int added = list.AddNewArea();
  EXPECT_EQ(list.Delete(added), added - 1);  // the last entry went: select the new last one

  CollectionDocument single;
  AddArea(single, "Allein");
  AreaWorkList lone = Open(single);
  EXPECT_FALSE(lone.CanDelete(0));
  EXPECT_EQ(lone.DeleteBlockedText(0), "");
  EXPECT_FALSE(lone.Delete(0).has_value());
}

TEST(AreaWorkList, DeletingAnEmptyMiddleAreaRenumbersTheLaterOnes) {
  CollectionDocument document;
  FillThreeAreas(document);
  document.current_view = 3;
  AreaWorkList list = Open(document);
  list.Delete(1);
  Apply(document, std::move(list));
  ASSERT_EQ(document.AreaCount(), 2);
  EXPECT_EQ(document.Area(2)->name, "C");
  EXPECT_EQ(ItemsOfArea(document, 2), (std::vector<std::string>{"c1"}));
  EXPECT_EQ(ItemsOfArea(document, 1), (std::vector<std::string>{"a1", "a2"}));
  EXPECT_EQ(ItemsOfArea(document, 3), std::vector<std::string>{});
  EXPECT_EQ(document.current_view, kAllCoinsView);
}

TEST(AreaWorkList, ApplyTakesEditsNewAreasAndTheCurrency) {
  CollectionDocument document("\x80");
  FillThreeAreas(document);
  TDaten& stray = AddCoin(document, 9, "x");
  TDaten& damaged = AddCoin(document, 0, "y");
  document.currency_symbol = "DM";
  AreaWorkList list = Open(document);
  list.Entry(2).area.name = "Schweiz";
  list.Entry(2).area.SetNumberKind(2, 3);
  const int added = list.AddNewArea();
  list.Entry(added).area.name = "Neu";
  list.MoveUp(added);
  RecordingProgress progress;
  ApplyAreaDefinition(document, std::move(list), std::string("EUR"), progress);
  EXPECT_EQ(progress.total, 4 + 5 + 1);
  EXPECT_EQ(progress.position, progress.total);

  ASSERT_EQ(document.AreaCount(), 4);
  EXPECT_EQ(document.Area(3)->name, "Neu");
  EXPECT_EQ(document.Area(4)->name, "Schweiz");
  EXPECT_EQ(document.Area(4)->number_kind[1], 3);
  EXPECT_TRUE(document.Area(4)->kind_in_use[3]);
  EXPECT_EQ(ItemsOfArea(document, 4), (std::vector<std::string>{"c1"}));
  EXPECT_EQ(ItemsOfArea(document, 3), std::vector<std::string>{});
  // A coin of no listed area keeps its number rather than landing in a new area.
  EXPECT_EQ(stray.category, 9);
  EXPECT_EQ(damaged.category, 0);
  EXPECT_EQ(document.currency_symbol, "EUR");
}

TEST(AreaWorkList, ApplyWithoutCurrencyKeepsTheCollectionsSymbol) {
  CollectionDocument document;
  FillThreeAreas(document);
  document.currency_symbol = "DM";
  Apply(document, Open(document));
  EXPECT_EQ(document.currency_symbol, "DM");
  EXPECT_EQ(document.AreaCount(), 3);
  EXPECT_EQ(ItemsOfArea(document, 1), (std::vector<std::string>{"a1", "a2"}));
  EXPECT_TRUE(document.modified());
}

}  // namespace
}  // namespace korvex
