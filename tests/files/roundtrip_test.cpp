#include <gtest/gtest.h>

#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "files/exchangefakes.h"
#include "files/exchangetestdata.h"
#include "files/textexport.h"
#include "files/textimport.h"
#include "model/datetime.h"
#include "model/paths.h"

namespace korvex {
namespace {

const std::string kDatesFailed =
    "Es konnten nicht alle Kaufdaten und Wartungsdaten übernommen werden. Die nicht übernommenen "
    "Datumsangaben haben ein Fragezeichen erhalten";

// Every member the export carries, except the two date-and-time columns.
void ExpectSameExportedFields(const TDaten& got, const TDaten& want) {
  EXPECT_EQ(got.item, want.item);
  EXPECT_EQ(got.category, want.category);
  for (const auto member : {&TDaten::quality, &TDaten::schoen, &TDaten::jaeger, &TDaten::yeoman,
                            &TDaten::cohen, &TDaten::ric, &TDaten::mintlocation, &TDaten::numeral,
                            &TDaten::currency, &TDaten::location, &TDaten::country, &TDaten::city,
                            &TDaten::master, &TDaten::theme, &TDaten::av_motive,
                            &TDaten::rv_motive, &TDaten::year, &TDaten::date, &TDaten::validtil,
                            &TDaten::standard, &TDaten::alloy, &TDaten::dealer, &TDaten::border,
                            &TDaten::z1, &TDaten::z2, &TDaten::z3, &TDaten::z4, &TDaten::z5}) {
    EXPECT_EQ(got.*member, want.*member);
  }
  EXPECT_EQ(got.count, want.count);
  EXPECT_DOUBLE_EQ(got.catalogue, want.catalogue);
  EXPECT_DOUBLE_EQ(got.estimate, want.estimate);
  EXPECT_DOUBLE_EQ(got.purchaseprice, want.purchaseprice);
  EXPECT_EQ(got.purchasedate, want.purchasedate);
  EXPECT_EQ(got.weight, want.weight);
  EXPECT_EQ(got.fine, want.fine);
  EXPECT_EQ(got.diameter_minimum, want.diameter_minimum);
  EXPECT_EQ(got.diameter_maximum, want.diameter_maximum);
  EXPECT_EQ(got.circulation, want.circulation);
  EXPECT_EQ(got.case_, want.case_);
  EXPECT_EQ(got.certificate, want.certificate);
  ASSERT_TRUE(got.description);
  EXPECT_EQ(got.description->text, want.description->text);
}

class TextRoundTripTest : public ::testing::TestWithParam<char> {};

TEST_P(TextRoundTripTest, ExportedCollectionImportsIntoTheSameCoins) {
  const char separator = GetParam();
  CollectionDocument source;
  test::AddExchangeAreas(source);
  for (int n = 1; n <= 6; ++n) source.Append(test::MakeExchangeCoin(n, n % 3 == 0 ? 2 : 1));
  source.first_coin->purchasedate = kNoDate;
  source.first_coin->next->description->text.clear();

  test::TempDir dir;
  const std::string path = PathText(dir / "runde.txt");
  test::ScriptedMessages messages;
  TextExportRequest request;
  request.separator = separator;
  ASSERT_EQ(ExportTextFile(path, source, request, FormatSettings::German(), messages),
            TextExportOutcome::kWritten);

  CollectionDocument target;
  test::AddExchangeAreas(target);
  test::ScriptedColumnQuestion columns;
  test::ScriptedAreaQuestion areas;
  const TextImportResult result =
      ImportTextFile(path, target, FormatSettings::German(), {messages, columns, areas});

  EXPECT_TRUE(columns.asked.empty());
  EXPECT_TRUE(areas.asked.empty());
  EXPECT_TRUE(result.dates_failed);
  EXPECT_EQ(messages.texts(), std::vector<std::string>{kDatesFailed});
  ASSERT_EQ(target.coin_count, 6);
  ASSERT_EQ(target.AreaCount(), 2);
  // The file's last line comes first.
  const TDaten* want = source.LastCoin();
  for (const TDaten* got = target.first_coin; got; got = got->next, want = want->prev) {
    ASSERT_NE(want, nullptr);
    ExpectSameExportedFields(*got, *want);
    EXPECT_EQ(got->creation, kNoDate);
    EXPECT_EQ(got->last, kNoDate);
  }
}

INSTANTIATE_TEST_SUITE_P(Separators, TextRoundTripTest, ::testing::Values('\t', ',', ';'));

}  // namespace
}  // namespace korvex
