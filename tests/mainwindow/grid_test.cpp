#include "mainwindow/gridcolumns.h"
#include "mainwindow/gridview.h"

#include <gtest/gtest.h>

#include "common/coinbuilder.h"
#include "model/fieldcatalogue.h"

namespace korvex {
namespace {

using test::W;

TEST(ViewColumnsTest, AreaViewsUseTheAreaCellsAndEverythingElseTheAllCoinsCells) {
  test::DocumentBuilder builder;
  CollectionDocument& doc = builder.document();
  doc.all_cells = {{kCountry, 80, kAlignLeft}};
  EXPECT_EQ(&ViewColumns(doc), &doc.all_cells);  // no areas
  const int area = builder.AddArea("Deutschland");
  builder.Area(area).cells = {{kYear, 40, kAlignCenter}, {kCount, 20, kAlignRight}};
  doc.current_view = area;
  EXPECT_EQ(&ViewColumns(doc), &builder.Area(area).cells);
  const CollectionDocument& const_doc = doc;
  EXPECT_EQ(ViewColumns(const_doc).size(), 2u);
  doc.current_view = kAllCoinsView;
  EXPECT_EQ(&ViewColumns(doc), &doc.all_cells);
  doc.current_view = 0;
  EXPECT_EQ(&ViewColumns(doc), &doc.all_cells);
}

TEST(ColumnHeaderTest, FixedHeadersAndAreaCaptions) {
  test::DocumentBuilder builder;
  CollectionDocument& doc = builder.document();
  EXPECT_EQ(ColumnHeaderText(doc, kOther1), std::nullopt);  // no areas: header stays
  EXPECT_EQ(ColumnHeaderText(doc, kZ2), "Zusatz 2");
  const int first = builder.AddArea("Deutschland");
  const int second = builder.AddArea("Schweiz");
  builder.Area(first).other_name = "Jaeger alt";
  builder.Area(second).other_name = "KM";
  builder.Area(second).z_name = {"Prägung", "Serie", "", "", "Rand 2"};
  doc.current_view = kAllCoinsView;
  EXPECT_EQ(ColumnHeaderText(doc, kOther1), "Jaeger alt");
  EXPECT_EQ(ColumnHeaderText(doc, kZ5), "Zusatz 5");
  doc.current_view = second;
  EXPECT_EQ(ColumnHeaderText(doc, kOther1), "KM");
  EXPECT_EQ(ColumnHeaderText(doc, kZ1), "Prägung");
  EXPECT_EQ(ColumnHeaderText(doc, kZ3), "");
  EXPECT_EQ(ColumnHeaderText(doc, kSchoen), W("Schön"));
  EXPECT_EQ(ColumnHeaderText(doc, kCount), "St.");
  EXPECT_EQ(ColumnHeaderText(doc, kWidth), "Dicke");
  EXPECT_EQ(ColumnHeaderText(doc, kCertificate), "Zertifikat");
  EXPECT_EQ(ColumnHeaderText(doc, 0), std::nullopt);
  EXPECT_EQ(ColumnHeaderText(doc, 47), std::nullopt);
}

std::vector<int> Types(const std::vector<TZelle>& cells) {
  std::vector<int> types;
  for (const TZelle& cell : cells) types.push_back(cell.type);
  return types;
}

TEST(MoveColumnTest, MovesOneEntryAndShiftsTheOthers) {
  std::vector<TZelle> cells = {{1}, {2}, {3}, {4}, {5}};
  MoveColumn(cells, 1, 4);
  EXPECT_EQ(Types(cells), (std::vector<int>{1, 3, 4, 5, 2}));
  MoveColumn(cells, 4, 0);
  EXPECT_EQ(Types(cells), (std::vector<int>{2, 1, 3, 4, 5}));
  MoveColumn(cells, 2, 2);
  MoveColumn(cells, -1, 2);
  MoveColumn(cells, 0, 5);
  EXPECT_EQ(Types(cells), (std::vector<int>{2, 1, 3, 4, 5}));
}

class GridViewTest : public ::testing::Test {
 protected:
  GridViewTest() : view_(builder_.document()) {
    germany_ = builder_.AddArea("Deutschland");
    swiss_ = builder_.AddArea("Schweiz");
    doc().current_view = kAllCoinsView;
  }

  CollectionDocument& doc() { return builder_.document(); }
  TDaten* Add(int area, int32_t count, double catalogue) {
    return builder_.AddCoin(area, [&](TDaten& c) {
      c.count = count;
      c.catalogue = catalogue;
    });
  }
  void Rebuild() { view_.Rebuild(filter_); }

  test::DocumentBuilder builder_;
  int germany_ = 0, swiss_ = 0;
  CoinFilter filter_;
  GridView view_;
  FormatSettings german_ = FormatSettings::German();
};

TEST_F(GridViewTest, AnEmptyViewHasOneEmptyRowAndZeroTotals) {
  Add(swiss_, 1, 10);
  doc().current_view = germany_;
  Rebuild();
  EXPECT_EQ(view_.ShownCount(), 0);
  EXPECT_EQ(view_.RowCount(), 2);
  EXPECT_EQ(view_.CoinOfRow(1), nullptr);
  EXPECT_EQ(view_.CellText(1, 0, german_), "");
  EXPECT_EQ(view_.PiecesPanelText(german_), W("0 Stück"));
  EXPECT_EQ(view_.ValuePanelText(german_), "0,00 \x80");
  const RowCommandStates states = RowCommandsFor(view_.ShownCount(), true);
  EXPECT_FALSE(states.copy_and_open);
  EXPECT_FALSE(states.change);
}

TEST_F(GridViewTest, CountsPiecesOfTheShownCoins) {
  Add(germany_, 2, 1);
  Add(germany_, 0, 5);
  Add(germany_, 1, 2);
  Add(swiss_, 7, 100);
  doc().current_view = germany_;
  Rebuild();
  EXPECT_EQ(view_.ShownCount(), 3);
  EXPECT_EQ(view_.RowCount(), 4);
  EXPECT_EQ(view_.piece_total(), 3);
  EXPECT_DOUBLE_EQ(view_.value_total(), 4.0);
  EXPECT_EQ(view_.PiecesPanelText(german_), W("3 Stück"));
  EXPECT_EQ(view_.ValuePanelText(german_), "4,00 \x80");
  doc().current_view = kAllCoinsView;
  Rebuild();
  EXPECT_EQ(view_.ShownCount(), 4);
  EXPECT_EQ(view_.PiecesPanelText(german_), W("10 Stück"));
  EXPECT_EQ(view_.ValuePanelText(german_), "704,00 \x80");
}

TEST_F(GridViewTest, ThePanelTotalIsReducedBeforeRoundingButTheCellIsNot) {
  Add(germany_, 1, 0.125);
  Rebuild();
  EXPECT_EQ(view_.ValuePanelText(german_), "0,12 \x80");
  doc().all_cells = {{kCatalogue, 65, kAlignRight}};
  EXPECT_EQ(view_.CellText(1, 0, german_), "0,13");
}

TEST_F(GridViewTest, LargeTotalsAreGroupedAndTinyNegativeTotalsShowNoMinus) {
  Add(germany_, 1500, 1000);
  Rebuild();
  EXPECT_EQ(view_.PiecesPanelText(german_), W("1.500 Stück"));
  EXPECT_EQ(view_.ValuePanelText(german_), "1.500.000,00 \x80");
  doc().currency_symbol = "CHF";
  EXPECT_EQ(view_.ValuePanelText(FormatSettings::English()), "1,500,000.00 CHF");

  test::DocumentBuilder other;
  const int area = other.AddArea("A");
  other.AddCoin(area, [](TDaten& c) { c.count = 1; c.catalogue = -0.004; });
  GridView view(other.document());
  view.Rebuild(filter_);
  EXPECT_EQ(view.ValuePanelText(german_), "0,00 \x80");
}

TEST_F(GridViewTest, NoViewShowsNoCoin) {
  Add(germany_, 1, 1);
  doc().current_view = 0;
  Rebuild();
  EXPECT_EQ(view_.ShownCount(), 0);
}

TEST_F(GridViewTest, FilteredRowsMapToTheCoinsTheFilterAccepts) {
  Add(germany_, 0, 1);
  TDaten* first = Add(swiss_, 2, 1);
  Add(germany_, 1, 1);
  TDaten* second = Add(germany_, 3, 1);
  filter_.SetCountFilter(FilterKind::kDuplicates);
  Rebuild();
  EXPECT_EQ(view_.CoinOfRow(1), first);
  EXPECT_EQ(view_.CoinOfRow(2), second);
  EXPECT_EQ(view_.CoinOfRow(3), nullptr);
  EXPECT_EQ(view_.CoinOfRow(0), nullptr);
  EXPECT_EQ(view_.RowOfCoin(second), 2);
  EXPECT_EQ(view_.RowOfCoin(doc().first_coin), 0);  // hidden by the filter
  EXPECT_EQ(view_.RowOfCoin(nullptr), 0);
  EXPECT_EQ(view_.piece_total(), 5);
  const RowCommandStates states = RowCommandsFor(view_.ShownCount(), false);
  EXPECT_TRUE(states.copy_and_open);
  EXPECT_FALSE(states.change);
  EXPECT_TRUE(RowCommandsFor(1, true).change);
}

TEST_F(GridViewTest, RowsFollowTheDisplayOrder) {
  TDaten* a = Add(germany_, 1, 1);
  TDaten* b = Add(germany_, 1, 1);
  // A coin put at the head of the collection order appears only after the display order is
  // rebuilt from it.
  auto moved = doc().Remove(b);
  doc().InsertAtHead(std::move(moved));
  doc().RebuildDisplayOrder();
  Rebuild();
  EXPECT_EQ(view_.shown(), (std::vector<TDaten*>{b, a}));
}

TEST_F(GridViewTest, CellsFollowTheViewsColumnListAndTheCoinsArea) {
  builder_.Area(swiss_).year = false;
  Add(germany_, 1, 1)->year = "1990";
  Add(swiss_, 1, 1)->year = "1975";
  doc().all_cells = {{kYear, 50, kAlignLeft}, {kCount, 20, kAlignRight}};
  Rebuild();
  EXPECT_EQ(view_.CellText(1, 0, german_), "1990");
  EXPECT_EQ(view_.CellText(2, 0, german_), "");
  EXPECT_EQ(view_.CellText(2, 1, german_), "1");
  EXPECT_EQ(view_.CellText(2, 2, german_), "");
  EXPECT_EQ(view_.CellText(3, 0, german_), "");
  MoveColumn(ViewColumns(doc()), 1, 0);
  EXPECT_EQ(view_.CellText(1, 0, german_), "1");
}

TEST(IsCoinShownTest, AreaViewShowsOnlyItsOwnCoins) {
  test::DocumentBuilder builder;
  const int one = builder.AddArea("Eins");
  const int two = builder.AddArea("Zwei");
  TDaten* coin = builder.AddCoin(two);
  CoinFilter none;
  CollectionDocument& doc = builder.document();
  doc.current_view = one;
  EXPECT_FALSE(IsCoinShown(doc, *coin, none));
  doc.current_view = two;
  EXPECT_TRUE(IsCoinShown(doc, *coin, none));
  CoinFilter missing;
  missing.SetCountFilter(FilterKind::kMissing);
  EXPECT_FALSE(IsCoinShown(doc, *coin, missing));
}

}  // namespace
}  // namespace korvex
