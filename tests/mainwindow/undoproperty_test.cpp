// A long random run of commands with random undos and redos: every state the history returns to
// is the one the document had there, and undoing everything gives back the start. The shown view
// is left out of the comparison: commands change it without a step (an area definition shows all
// coins even when it changed nothing), and the steps' own views are checked by kind elsewhere.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "collectiongenerator.h"
#include "common/scriptedmessages.h"
#include "dialogs/areaworklist.h"
#include "dialogs/currencyconversion.h"
#include "dialogs/numberranges.h"
#include "mainwindow/coinclipboard.h"
#include "mainwindow/coinpaste.h"
#include "mainwindow/documentdump.h"
#include "mainwindow/gridcolumns.h"
#include "mainwindow/quickprice.h"
#include "mainwindow/recordbookkeeping.h"
#include "mainwindow/sorting.h"
#include "mainwindow/uniformlayout.h"
#include "mainwindow/undohistory.h"
#include "model/fieldcatalogue.h"

namespace korvex {
namespace {

using test::ContentDump;
using test::DumpDifference;

class RandomCommands {
 public:
  RandomCommands(CollectionDocument& document, uint32_t seed) : doc_(document), random_(seed) {}

  // Runs one random command as one step; nothing when it changed nothing.
  std::unique_ptr<DocumentStep> Run() {
    // Every command but the column changes may move coins: the window sorts after each.
    StepScope scope;
    scope.order = true;
    std::function<void(StepRecorder&)> change;
    TDaten* coin = RandomCoin();
    switch (Number(0, 9)) {
      case 0:
        change = [this](StepRecorder&) {
          auto record = NewRecordFor(doc_);
          record->category = Number(1, doc_.AreaCount());
          record->schoen = std::to_string(Number(1, 500));
          TakeOverNewCoin(doc_, std::move(record), 46000 + Number(0, 100));
        };
        break;
      case 1:
        if (!coin) return nullptr;
        scope.coins = {coin};
        change = [this, coin](StepRecorder&) {
          coin->year = std::to_string(Number(1800, 2020));
          coin->schoen = std::to_string(Number(1, 500));
          if (Number(0, 3) == 0) coin->description = std::make_unique<TText>(TText{"Notiz"});
          TakeOverChangedCoin(doc_, coin, 46000 + Number(0, 100));
        };
        break;
      case 2:
        if (!coin) return nullptr;
        change = [this, coin](StepRecorder& recorder) { recorder.KeepRemoved(DeleteCoin(doc_, coin)); };
        break;
      case 3: {
        if (!coin) return nullptr;
        const std::string clipboard = CoinClipboardText(*coin, doc_);
        change = [this, clipboard, area = coin->category](StepRecorder&) {
          doc_.current_view = area;
          for (int n = Number(1, 3); n > 0; --n) {
            PasteCoins(doc_, clipboard, format_, PictureCopyOption::kNever, messages_);
          }
        };
        break;
      }
      case 4:
        if (!coin) return nullptr;
        scope.coins = {coin};
        change = [this, coin](StepRecorder&) {
          StoreQuickPrices(*coin, std::to_string(Number(0, 999)), std::to_string(Number(0, 999)));
        };
        break;
      case 5:
        change = [this](StepRecorder&) {
          static constexpr int kKeys[] = {kYear, -kYear, kItem, kSchoen, -kCatalogue, kAvMotive, kNoSortKey};
          doc_.sort_keys = {kKeys[Number(0, 6)], kKeys[Number(0, 6)], kNoSortKey, 0, 0};
          doc_.standard_order = doc_.sort_keys[0] == kNoSortKey;
        };
        break;
      case 6:
        scope.prices = true;
        change = [this](StepRecorder&) {
          ConvertCurrency(doc_, Number(0, 1) ? "$" : "DM", {1.0 + Number(0, 9) / 10.0, 1.0}, progress_);
        };
        break;
      case 7:
        scope.catalogue_numbers = true;
        change = [this](StepRecorder&) {
          NumberRangeChoice choice;
          choice.kinds = {Number(0, 5), Number(0, 5), Number(0, 6)};
          choice.all_areas = Number(0, 1) == 1;
          ReassignNumberRanges(doc_, Number(1, doc_.AreaCount()), choice);
        };
        break;
      case 8:
        scope.coin_areas = true;
        change = [this](StepRecorder&) {
          AreaWorkList list = AreaWorkList::FromDocument(doc_, progress_);
          list.MoveDown(Number(0, list.Count() - 1));
          if (Number(0, 3) == 0) list.AddNewArea();
          ApplyAreaDefinition(doc_, std::move(list), std::nullopt, progress_);
        };
        break;
      default:
        scope.order = false;
        change = [this](StepRecorder&) {
          doc_.current_view = Number(0, 3) == 0 ? kAllCoinsView : Number(1, doc_.AreaCount());
          std::vector<TZelle>& columns = ViewColumns(doc_);
          const int last = static_cast<int>(columns.size()) - 1;
          MoveColumn(columns, Number(0, last), Number(0, last));
          columns[Number(0, last)].width = Number(20, 300);
          if (Number(0, 2) == 0) CopyLayoutToAllViews(doc_);
        };
    }
    const bool sorts = scope.order;
    StepRecorder recorder(doc_, std::move(scope), coin);
    change(recorder);
    if (sorts) SortCollection(doc_, format_);
    return recorder.Finish(doc_, doc_.first_coin);
  }

 private:
  int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  TDaten* RandomCoin() {
    if (doc_.coin_count == 0) return nullptr;
    TDaten* coin = doc_.first_coin;
    for (int n = Number(0, doc_.coin_count - 1); n > 0; --n) coin = coin->next;
    return coin;
  }

  CollectionDocument& doc_;
  std::mt19937 random_;
  FormatSettings format_ = FormatSettings::German();
  test::ScriptedMessages messages_;
  NoProgress progress_;
};

TEST(UndoPropertyTest, FiveHundredRandomCommandsWithUndoAndRedoEndAtTheStart) {
  CollectionDocument doc;
  bench::GenerateCollection(doc, 150, 5, 4711);
  doc.RecomputeHighestItem();
  SortCollection(doc, FormatSettings::German());
  UndoHistory history(doc);
  history.Reset(true);
  const std::string start = ContentDump(doc);

  // The dump of every state the history can return to, by its index.
  std::vector<std::string> states{start};
  int index = 0;
  RandomCommands commands(doc, 20261209);
  std::mt19937 choices(99);
  int made = 0;
  int undone = 0;
  int redone = 0;
  while (made < 500) {
    const int choice = std::uniform_int_distribution<int>(0, 9)(choices);
    if (choice < 3 && history.stack().canUndo()) {
      history.Undo();
      --index;
      ++undone;
      ASSERT_EQ(DumpDifference(states[index], ContentDump(doc)), "") << "undo to state " << index << " after " << made << " commands";
    } else if (choice < 6 && history.stack().canRedo()) {
      history.Redo();
      ++index;
      ++redone;
      ASSERT_EQ(DumpDifference(states[index], ContentDump(doc)), "") << "redo to state " << index << " after " << made << " commands";
    } else {
      std::unique_ptr<DocumentStep> step = commands.Run();
      ++made;
      if (!step) {
        ASSERT_EQ(DumpDifference(states[index], ContentDump(doc)), "") << "a command without a step changed the document";
        continue;
      }
      history.Add(std::move(step));
      states.resize(index + 1);
      states.push_back(ContentDump(doc));
      ++index;
      ASSERT_EQ(history.stack().index(), index);
    }
  }
  EXPECT_GT(undone, 150);
  EXPECT_GT(redone, 75);
  while (history.stack().canUndo()) history.Undo();
  EXPECT_EQ(DumpDifference(start, ContentDump(doc)), "");
}

}  // namespace
}  // namespace korvex
