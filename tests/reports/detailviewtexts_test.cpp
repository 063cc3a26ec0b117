#include <gtest/gtest.h>

#include "model/datetime.h"
#include "reports/detailviewtexts.h"

namespace korvex {
namespace {

TEST(DetailViewTextsTest, CaptionWithYearAndThemeWhenGiven) {
  TDaten coin;
  coin.numeral = "5";
  coin.currency = "Mark";
  EXPECT_EQ(DetailViewCaption(coin), "5 Mark");
  coin.theme = "Olympia";
  EXPECT_EQ(DetailViewCaption(coin), "5 Mark (Olympia)");
  coin.year = "1936";
  EXPECT_EQ(DetailViewCaption(coin), "5 Mark (1936, Olympia)");
  coin.theme.clear();
  EXPECT_EQ(DetailViewCaption(coin), "5 Mark (1936)");
}

TEST(DetailViewTextsTest, CirculationGroupsDigitsByThree) {
  EXPECT_EQ(CirculationText(999), "999 St\xFC" "ck");
  EXPECT_EQ(CirculationText(1000), "1.000 St\xFC" "ck");
  EXPECT_EQ(CirculationText(1000000), "1.000.000 St\xFC" "ck");
  EXPECT_EQ(CirculationText(12345678901LL), "12.345.678.901 St\xFC" "ck");
  EXPECT_EQ(CirculationText(0), "");
  EXPECT_EQ(CirculationText(-5), "");
}

TEST(DetailViewTextsTest, ValueIncreaseNeedsAPurchasePrice) {
  EXPECT_DOUBLE_EQ(ValueIncrease(15, 10), 50);
  EXPECT_DOUBLE_EQ(ValueIncrease(5, 10), -50);
  EXPECT_DOUBLE_EQ(ValueIncrease(15, 0), 0);
}

TEST(DetailViewTextsTest, HistoryLineNamesTheInventoryNumberWhenUsed) {
  TDaten coin;
  coin.item = "17";
  coin.creation = *DayNumber(2004, 5, 1) + 0.5;
  coin.last = *DayNumber(2024, 6, 15);
  coin.change_count = 3;
  TKategorie area;
  const FormatSettings format = FormatSettings::German();
  EXPECT_EQ(HistoryLine(coin, area, format),
            "Inventarnr: 17   Angelegt am: 01.05.2004 12:00:00   Letzte \xC4nderung: 15.06.2024 "
            "00:00:00   Anzahl \xC4nderungen: 3");
  area.item = false;
  EXPECT_EQ(HistoryLine(coin, area, format).rfind("Angelegt am: 01.05.2004", 0), 0u);
  area.item = true;
  coin.item.clear();
  EXPECT_EQ(HistoryLine(coin, area, format).rfind("Angelegt am:", 0), 0u);
}

}  // namespace
}  // namespace korvex
