// Each kind of undoable step: made, taken back and made again, compared with whole-document dumps.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "common/coinbuilder.h"
#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "dialogs/areaworklist.h"
#include "dialogs/currencyconversion.h"
#include "dialogs/numberranges.h"
#include "files/exchangefakes.h"
#include "files/textimport.h"
#include "mainwindow/coinclipboard.h"
#include "mainwindow/coinpaste.h"
#include "mainwindow/documentdump.h"
#include "mainwindow/documentstep.h"
#include "mainwindow/gridcolumns.h"
#include "mainwindow/quickprice.h"
#include "mainwindow/recordbookkeeping.h"
#include "mainwindow/sorting.h"
#include "mainwindow/stepcaptions.h"
#include "mainwindow/uniformlayout.h"
#include "model/fieldcatalogue.h"
#include "model/paths.h"

namespace korvex {
namespace {

using test::CollectionOrder;
using test::DocumentDump;
using test::DumpDifference;
using test::W;

class DocumentStepTest : public ::testing::Test {
 protected:
  DocumentStepTest() {
    for (const char* name : {"Deutschland", "Österreich", "Schweiz"}) builder_.AddArea(name);
    const char* motives[] = {"Olympia", "Adler", "Eiche", "Tell", "Edelweiß", "Kirche"};
    for (int i = 1; i <= 12; ++i) {
      builder_.AddCoin(1 + i % 3, [&](TDaten& c) {
        c.item = std::to_string(i * 3);
        c.numeral = std::to_string(1 + i % 5);
        c.currency = i % 2 ? "Mark" : W("Schilling");
        c.year = std::to_string(1900 + 7 * i);
        c.av_motive = W(motives[i % 6]);
        c.schoen = std::to_string(100 - i);
        c.jaeger = "J" + std::to_string(i);
        c.catalogue = 1.25 * i;
        c.purchaseprice = 0.5 * i;
        c.estimate = 2.0 * i;
        c.z_desc[0] = "Feld " + std::to_string(i);
        if (i % 4 == 0) c.description = std::make_unique<TText>(TText{W("Notiz für Münze ") + c.item});
      });
    }
    doc().current_view = 1;
    SortCollection(doc(), format_);
    doc().RecomputeHighestItem();
  }

  CollectionDocument& doc() { return builder_.document(); }
  TDaten* Coin(int index) { return CollectionOrder(doc())[index]; }

  // Records `change` as one step, then takes it back and makes it again twice, each time compared
  // with the dump of the document before and after the change. Returns the step.
  std::unique_ptr<DocumentStep> CheckStep(StepScope scope, const std::function<void(StepRecorder&)>& change) {
    const std::string before = DocumentDump(doc());
    StepRecorder recorder(doc(), std::move(scope), doc().first_shown);
    change(recorder);
    std::unique_ptr<DocumentStep> step = recorder.Finish(doc(), doc().first_shown);
    const std::string after = DocumentDump(doc());
    EXPECT_NE(before, after) << "the change changed nothing";
    if (!step) {
      ADD_FAILURE() << "no step recorded";
      return nullptr;
    }
    for (int round = 0; round < 2; ++round) {
      step->Undo(doc());
      EXPECT_EQ(DumpDifference(before, DocumentDump(doc())), "") << "undo, round " << round;
      step->Redo(doc());
      EXPECT_EQ(DumpDifference(after, DocumentDump(doc())), "") << "redo, round " << round;
    }
    return step;
  }

  StepScope OrderScope() {
    StepScope scope;
    scope.order = true;
    return scope;
  }

  test::DocumentBuilder builder_;
  FormatSettings format_ = FormatSettings::German();
  test::ScriptedMessages messages_;
  NoProgress progress_;
};

TEST_F(DocumentStepTest, NewCoinLeavesAgainAndComesBack) {
  TDaten* added = nullptr;
  const auto step = CheckStep(OrderScope(), [&](StepRecorder&) {
    auto record = NewRecordFor(doc());
    record->item = "500";
    record->schoen = "50";
    added = TakeOverNewCoin(doc(), std::move(record), 46000);
    SortCollection(doc(), format_);
  });
  ASSERT_TRUE(step);
  // Taken back, the new coin is outside the document and the highest number is the old one.
  step->Undo(doc());
  EXPECT_EQ(doc().highest_item, 36);
  EXPECT_EQ(doc().coin_count, 12);
  for (const TDaten* coin : CollectionOrder(doc())) EXPECT_NE(coin, added);
  step->Redo(doc());
  EXPECT_EQ(doc().highest_item, 500);
  EXPECT_EQ(CollectionOrder(doc()).size(), 13u);
}

TEST_F(DocumentStepTest, ChangedCoinGetsItsValuesNoteAndPlaceBack) {
  TDaten* coin = Coin(2);
  StepScope scope = OrderScope();
  scope.coins = {coin};
  const auto step = CheckStep(scope, [&](StepRecorder&) {
    coin->year = "2001";
    coin->item = "900";
    coin->schoen = "1";
    coin->z_desc[0] = "neu";
    coin->description = std::make_unique<TText>(TText{"neue Notiz"});
    TakeOverChangedCoin(doc(), coin, 46001);
    SortCollection(doc(), format_);
  });
  ASSERT_TRUE(step);
  // The same record object comes back, so later steps that name it still find it.
  step->Undo(doc());
  EXPECT_EQ(Coin(2), coin);
  EXPECT_EQ(coin->description, nullptr) << "a coin without a note gets none by the undo";
}

TEST_F(DocumentStepTest, DeletedCoinComesBackInItsPlace) {
  TDaten* highest = nullptr;
  for (TDaten* coin : CollectionOrder(doc())) {
    if (coin->item == "36") highest = coin;
  }
  ASSERT_NE(highest, nullptr);
  CheckStep(OrderScope(), [&](StepRecorder& recorder) {
    recorder.KeepRemoved(DeleteCoin(doc(), highest));
    EXPECT_EQ(doc().highest_item, 33);
  });
  EXPECT_EQ(doc().highest_item, 33);
}

TEST_F(DocumentStepTest, CoinThatLeavesWithoutBeingKeptIsAProgrammingError) {
  StepRecorder recorder(doc(), OrderScope(), nullptr);
  const std::unique_ptr<TDaten> lost = DeleteCoin(doc(), Coin(4));
  EXPECT_THROW(recorder.Finish(doc(), nullptr), std::logic_error);
}

TEST_F(DocumentStepTest, PasteIsOneStepForAllCoins) {
  const std::string clipboard = CoinClipboardText(*Coin(0), doc());
  CheckStep(OrderScope(), [&](StepRecorder&) {
    const PasteOutcome first = PasteCoins(doc(), clipboard, format_, PictureCopyOption::kNever, messages_);
    const PasteOutcome second = PasteCoins(doc(), clipboard, format_, PictureCopyOption::kNever, messages_);
    EXPECT_EQ(first.pasted + second.pasted, 2);
  });
}

TEST_F(DocumentStepTest, PicturesCopiedByAPasteStayOnDiskWhenItIsTakenBack) {
  test::TempDir dir;
  const std::filesystem::path elsewhere = dir.path() / "anderswo";
  std::filesystem::create_directories(elsewhere);
  test::WriteFileBytes(elsewhere / "vorn.jpg", "JPEG");
  doc().SetFileName(PathText(dir.path() / "sammlung.mvs"));
  doc().has_name = true;
  std::filesystem::create_directories(dir.path() / "sammlung");
  TDaten* source = Coin(0);
  source->av_picture = PathText(elsewhere / "vorn.jpg");
  const std::string clipboard = CoinClipboardText(*source, doc());
  const auto step = CheckStep(OrderScope(), [&](StepRecorder&) {
    PasteCoins(doc(), clipboard, format_, PictureCopyOption::kAlways, messages_);
  });
  ASSERT_TRUE(step);
  const std::filesystem::path copied = dir.path() / "sammlung" / "vorn.jpg";
  EXPECT_TRUE(std::filesystem::exists(copied));
  step->Undo(doc());
  EXPECT_TRUE(std::filesystem::exists(copied));
  EXPECT_TRUE(std::filesystem::exists(elsewhere / "vorn.jpg"));
}

TEST_F(DocumentStepTest, QuickPriceChangeOfOneCoin) {
  TDaten* coin = Coin(5);
  StepScope scope;
  scope.coins = {coin};
  CheckStep(scope, [&](StepRecorder&) { StoreQuickPrices(*coin, "99,95", "120"); });
}

TEST_F(DocumentStepTest, AreaDefinitionRestoresAreasTheirIdsAndTheCoinsAreas) {
  StepScope scope;
  scope.coin_areas = true;
  const auto step = CheckStep(scope, [&](StepRecorder&) {
    AreaWorkList list = AreaWorkList::FromDocument(doc(), progress_);
    list.MoveDown(0);
    list.Entry(2).area.name = "Helvetia";
    list.AddNewArea();
    ApplyAreaDefinition(doc(), std::move(list), std::string("$"), progress_);
    EXPECT_EQ(doc().AreaCount(), 4);
  });
  ASSERT_TRUE(step);
  // Only the coins of the two swapped areas changed their area id; the others are not held.
  EXPECT_LT(step->MemorySize(), 12 * sizeof(TDaten));
}

TEST_F(DocumentStepTest, NumberRangeReassignmentOverAllAreas) {
  StepScope scope;
  scope.catalogue_numbers = true;
  CheckStep(scope, [&](StepRecorder&) {
    NumberRangeChoice choice;
    choice.kinds = {2, 0, 1};
    choice.all_areas = true;
    ReassignNumberRanges(doc(), 1, choice);
  });
}

TEST_F(DocumentStepTest, CurrencyConversionHoldsThePricesNotTheCoins) {
  StepScope scope;
  scope.prices = true;
  const auto step = CheckStep(scope, [&](StepRecorder&) {
    ConvertCurrency(doc(), "$", ConversionAmounts{1.95583, 1.0}, progress_);
  });
  ASSERT_TRUE(step);
  // Three numbers per coin and the coin they belong to, not a copy of each coin.
  EXPECT_LT(step->MemorySize(), 2048 + 12 * 3 * 2 * (sizeof(double) + sizeof(TDaten*)));
}

TEST_F(DocumentStepTest, TextImportWithANewArea) {
  test::TempDir dir;
  const std::filesystem::path file = dir.path() / "import.txt";
  test::WriteFileBytes(file, "Kategorie;Motiv Vorderseite;Land\r\nSchweiz;Tell;CH\r\n"
                             "Neuland;Insel;XX\r\n;Ohne;YY\r\n");
  test::ScriptedColumnQuestion columns;
  test::ScriptedAreaQuestion areas;
  areas.Answer(UnknownAreaAnswer::Choice::kNew);
  areas.Answer(UnknownAreaAnswer::Choice::kEntry, 0);
  StepScope scope = OrderScope();
  scope.coin_areas = true;
  CheckStep(scope, [&](StepRecorder&) {
    const TextImportServices services{messages_, columns, areas};
    EXPECT_EQ(ImportTextFile(PathText(file), doc(), format_, services).new_coins, 3);
    FinishTextImport(doc(), [this](CollectionDocument& d) { SortCollection(d, format_); });
    EXPECT_EQ(doc().AreaCount(), 4);
  });
}

TEST_F(DocumentStepTest, SortDialogKeysAndTheNewOrder) {
  CheckStep(OrderScope(), [&](StepRecorder&) {
    doc().sort_keys = {-kYear, kItem, kNoSortKey, 0, 0};
    doc().standard_order = false;
    SortCollection(doc(), format_);
  });
}

TEST_F(DocumentStepTest, DisplayedFieldsWithUniformLayout) {
  CheckStep({}, [&](StepRecorder&) {
    std::vector<TZelle>& columns = ViewColumns(doc());
    columns.erase(columns.begin() + 1);
    columns.push_back(TZelle{kJaeger, 80, 1});
    CopyLayoutToAllViews(doc());
  });
}

TEST_F(DocumentStepTest, ColumnMoveAndWidthOfTheAllCoinsView) {
  doc().current_view = kAllCoinsView;
  CheckStep({}, [&](StepRecorder&) {
    MoveColumn(ViewColumns(doc()), 0, 3);
    ViewColumns(doc())[2].width = 222;
  });
}

TEST_F(DocumentStepTest, ViewAndSelectionOfBothSides) {
  TDaten* selected = Coin(3);
  StepRecorder recorder(doc(), OrderScope(), selected);
  TDaten* other = Coin(7);
  recorder.KeepRemoved(DeleteCoin(doc(), selected));
  doc().current_view = 2;
  const auto step = recorder.Finish(doc(), other);
  ASSERT_TRUE(step);
  EXPECT_EQ(step->before().view, 1);
  EXPECT_EQ(step->before().coin, selected);
  EXPECT_EQ(step->after().view, 2);
  EXPECT_EQ(step->after().coin, other);
  step->Undo(doc());
  EXPECT_EQ(doc().current_view, 1);
  step->Redo(doc());
  EXPECT_EQ(doc().current_view, 2);
}

TEST_F(DocumentStepTest, NothingChangedGivesNoStep) {
  StepScope scope = OrderScope();
  scope.coins = {Coin(1)};
  scope.prices = true;
  StepRecorder recorder(doc(), scope, nullptr);
  SortCollection(doc(), format_);
  scope.coins.clear();
  StepRecorder without_coins(doc(), OrderScope(), nullptr);
  EXPECT_EQ(without_coins.Finish(doc(), nullptr), nullptr);
  // A scope with coins copies them and counts as a change, because the entry dialog's OK always
  // stamps the change date.
  EXPECT_NE(recorder.Finish(doc(), nullptr), nullptr);
}

TEST(StepCaptionsTest, CoinsAreNamedByValueYearAndMotive) {
  TDaten coin;
  coin.numeral = "5";
  coin.currency = "Mark ";
  coin.year = "1936";
  coin.av_motive = "Olympia";
  EXPECT_EQ(CoinStepCaption(CoinStep::kDelete, coin), W("Löschen von 5 Mark (1936, Olympia)"));
  coin.av_motive.clear();
  coin.rv_motive = "Glocke";
  EXPECT_EQ(CoinStepCaption(CoinStep::kChange, coin), W("Änderung von 5 Mark (1936, Glocke)"));
  coin.year.clear();
  coin.rv_motive.clear();
  EXPECT_EQ(CoinStepName(coin), "5 Mark");
  TDaten bare;
  bare.item = "17";
  EXPECT_EQ(CoinStepCaption(CoinStep::kQuickPrice, bare), W("Preisänderung von Nr. 17"));
  bare.year = "1930";
  EXPECT_EQ(CoinStepCaption(CoinStep::kCut, bare), "Ausschneiden von Nr. 17 (1930)");
  EXPECT_EQ(PasteStepCaption(1), W("Einfügen von 1 Münze"));
  EXPECT_EQ(PasteStepCaption(3), W("Einfügen von 3 Münzen"));
}

TEST(StepCaptionsTest, MenuItemsNameTheStepAndKeepAmpersands) {
  EXPECT_EQ(UndoItemText(""), W("&Rückgängig"));
  EXPECT_EQ(UndoItemText("Sortierung"), W("&Rückgängig: Sortierung"));
  EXPECT_EQ(RedoItemText(W("Löschen von 1 Taler (Gold & Silber)")),
            W("&Wiederholen: Löschen von 1 Taler (Gold && Silber)"));
}

}  // namespace
}  // namespace korvex
