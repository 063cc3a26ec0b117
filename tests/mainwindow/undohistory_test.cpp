// The undo history: the saved state, read-only collections, the memory budget and where the view
// returns.
#include <gtest/gtest.h>

#include "common/coinbuilder.h"
#include "mainwindow/documentdump.h"
#include "mainwindow/quickprice.h"
#include "mainwindow/recordbookkeeping.h"
#include "mainwindow/undohistory.h"

namespace korvex {
namespace {

using test::CollectionOrder;
using test::DocumentDump;
using test::DumpDifference;

class UndoHistoryTest : public ::testing::Test {
 protected:
  UndoHistoryTest() {
    builder_.AddArea("Deutschland");
    for (int i = 1; i <= 40; ++i) {
      builder_.AddCoin(1, [i](TDaten& c) {
        c.item = std::to_string(i);
        c.av_motive = "Motiv " + std::to_string(i);
      });
    }
    doc().RebuildDisplayOrder();
    doc().RecomputeHighestItem();
    doc().SetModified(false);
  }
  CollectionDocument& doc() { return builder_.document(); }

  // Deletes the first coin as one step.
  std::unique_ptr<DocumentStep> DeleteFirst() {
    StepScope scope;
    scope.order = true;
    StepRecorder recorder(doc(), scope, doc().first_coin);
    recorder.KeepRemoved(DeleteCoin(doc(), doc().first_coin));
    return recorder.Finish(doc(), doc().first_coin);
  }

  // Changes the estimate of the first coin as one step.
  std::unique_ptr<DocumentStep> PriceOfFirst(const char* price) {
    StepScope scope;
    scope.coins = {doc().first_coin};
    StepRecorder recorder(doc(), scope, doc().first_coin);
    StoreQuickPrices(*doc().first_coin, price, price);
    return recorder.Finish(doc(), doc().first_coin);
  }

  test::DocumentBuilder builder_;
};

TEST_F(UndoHistoryTest, ModifiedFollowsTheWayToTheSavedState) {
  UndoHistory history(doc());
  history.Reset(true);
  history.Add(DeleteFirst());
  EXPECT_TRUE(doc().modified());
  history.MarkSaved();
  EXPECT_FALSE(doc().modified());
  history.Add(DeleteFirst());
  EXPECT_TRUE(doc().modified());
  history.Undo();
  EXPECT_FALSE(doc().modified()) << "back at the saved state";
  history.Undo();
  EXPECT_TRUE(doc().modified()) << "before the saved state";
  history.Redo();
  EXPECT_FALSE(doc().modified());
  history.Redo();
  EXPECT_TRUE(doc().modified());
}

TEST_F(UndoHistoryTest, ChangeOutsideTheHistoryLeavesNoWayBackToUnmodified) {
  UndoHistory history(doc());
  history.Reset(true);
  history.Add(DeleteFirst());
  history.Undo();
  EXPECT_FALSE(doc().modified());
  history.ForgetSavedState();  // a new password, say
  EXPECT_TRUE(doc().modified());
  history.Redo();
  history.Undo();
  EXPECT_TRUE(doc().modified());
}

TEST_F(UndoHistoryTest, OpeningAModifiedDocumentKeepsItModified) {
  UndoHistory history(doc());
  doc().SetModified(true);  // an opened file whose damaged coins were rescued
  history.Reset(true);
  EXPECT_TRUE(doc().modified());
  history.Add(DeleteFirst());
  history.Undo();
  EXPECT_TRUE(doc().modified());
}

TEST_F(UndoHistoryTest, ResetEmptiesTheHistoryAndReadOnlyKeepsNone) {
  UndoHistory history(doc());
  history.Reset(true);
  history.Add(DeleteFirst());
  history.Add(DeleteFirst());
  EXPECT_EQ(history.StepCount(), 2);
  history.Reset(false);
  EXPECT_EQ(history.StepCount(), 0);
  EXPECT_FALSE(history.stack().canUndo());
  history.Add(PriceOfFirst("5"));
  EXPECT_EQ(history.StepCount(), 0);
  history.Reset(true);
  history.Add(PriceOfFirst("6"));
  EXPECT_EQ(history.StepCount(), 1);
}

TEST_F(UndoHistoryTest, MenuTextsComeFromTheStepCaptions) {
  UndoHistory history(doc());
  StepScope scope;
  scope.coins = {doc().first_coin};
  StepRecorder recorder(doc(), scope, nullptr);
  recorder.SetCaption("L\xF6schen von 5 Mark");
  doc().first_coin->year = "1936";
  history.Add(recorder.Finish(doc(), nullptr));
  EXPECT_EQ(history.stack().undoText(), QStringLiteral("Löschen von 5 Mark"));
  history.Undo();
  EXPECT_EQ(history.stack().redoText(), QStringLiteral("Löschen von 5 Mark"));
  EXPECT_TRUE(doc().first_coin->year.empty());
}

TEST_F(UndoHistoryTest, AHundredOrdinaryStepsFitEasily) {
  UndoHistory history(doc());
  const std::string start = DocumentDump(doc());
  for (int i = 0; i < 150; ++i) history.Add(PriceOfFirst(std::to_string(i).c_str()));
  EXPECT_EQ(history.StepCount(), 150);
  EXPECT_LT(history.MemoryInUse(), size_t{1} << 20);
  while (history.stack().canUndo()) history.Undo();
  EXPECT_EQ(DumpDifference(start, DocumentDump(doc())), "");
}

TEST_F(UndoHistoryTest, BudgetDropsTheOldestStepsAndKeepsTheSavedState) {
  const size_t step_size = DeleteFirst()->MemorySize();  // a deleted coin is held by its step
  UndoHistory history(doc(), 5 * step_size + step_size / 2);
  history.Reset(true);
  std::vector<std::string> dumps{DocumentDump(doc())};
  for (int i = 0; i < 12; ++i) {
    history.Add(DeleteFirst());
    dumps.push_back(DocumentDump(doc()));
    if (i == 9) history.MarkSaved();
  }
  EXPECT_EQ(history.StepCount(), 5);
  EXPECT_LE(history.MemoryInUse(), history.budget());
  EXPECT_EQ(history.stack().index(), 5);
  history.Undo();
  history.Undo();
  EXPECT_EQ(DumpDifference(dumps[10], DocumentDump(doc())), "");
  EXPECT_FALSE(doc().modified()) << "the saved state survived the dropping";
  while (history.stack().canUndo()) history.Undo();
  EXPECT_EQ(DumpDifference(dumps[7], DocumentDump(doc())), "") << "the oldest five steps are gone";
  EXPECT_TRUE(doc().modified());
  while (history.stack().canRedo()) history.Redo();
  EXPECT_EQ(DumpDifference(dumps[12], DocumentDump(doc())), "");
}

TEST_F(UndoHistoryTest, SavedStateDroppedWithItsStepCannotBeReachedAgain) {
  const size_t step_size = DeleteFirst()->MemorySize();
  UndoHistory history(doc(), 2 * step_size + step_size / 2);
  history.Reset(true);
  history.MarkSaved();
  for (int i = 0; i < 4; ++i) history.Add(DeleteFirst());
  EXPECT_EQ(history.StepCount(), 2);
  while (history.stack().canUndo()) history.Undo();
  EXPECT_TRUE(doc().modified());
}

TEST_F(UndoHistoryTest, TheNewestStepStaysEvenWhenItAloneExceedsTheBudget) {
  UndoHistory history(doc(), 1);
  history.Add(DeleteFirst());
  history.Add(DeleteFirst());
  EXPECT_EQ(history.StepCount(), 1);
  EXPECT_EQ(doc().coin_count, 38);
  history.Undo();
  EXPECT_EQ(doc().coin_count, 39);
}

TEST_F(UndoHistoryTest, TheWindowHearsWhereToReturn) {
  UndoHistory history(doc());
  std::vector<StepPlace> places;
  history.SetAppliedHandler([&places](const StepPlace& place) { places.push_back(place); });
  TDaten* first = doc().first_coin;
  TDaten* second = first->next;
  history.Add(DeleteFirst());
  EXPECT_TRUE(places.empty()) << "a step comes in made; the window shows it already";
  history.Undo();
  history.Redo();
  ASSERT_EQ(places.size(), 2u);
  EXPECT_EQ(places[0].coin, first);
  EXPECT_EQ(places[1].coin, second);
}

TEST_F(UndoHistoryTest, ANewStepAfterUndoDropsTheStepsTakenBack) {
  UndoHistory history(doc());
  history.Add(DeleteFirst());
  history.Add(DeleteFirst());
  history.Undo();
  history.Undo();
  history.Add(PriceOfFirst("3"));
  EXPECT_EQ(history.StepCount(), 1);
  EXPECT_FALSE(history.stack().canRedo());
  EXPECT_EQ(CollectionOrder(doc()).size(), 40u);
}

}  // namespace
}  // namespace korvex
