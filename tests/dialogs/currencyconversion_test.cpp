#include "dialogs/currencyconversion.h"

#include <gtest/gtest.h>

#include "common/scriptedmessages.h"
#include "common/tempdir.h"

namespace korvex {
namespace {

constexpr const char* kRateFile = "USD=110,5\r\nEUR=100\r\nDM=195,583\r\n\r\nCHF=155.2\r\n";

TEST(CurrencyRatesTest, FileIsReadSortedWithItsNames) {
  test::TempDir dir;
  test::WriteFileBytes(dir / "waehrung.umr", kRateFile);
  const CurrencyRates rates = CurrencyRates::Load(dir / "waehrung.umr");
  EXPECT_EQ(rates.lines(), (std::vector<std::string>{"CHF=155.2", "DM=195,583", "EUR=100",
                                                     "USD=110,5"}));
  EXPECT_EQ(rates.Names(), (std::vector<std::string>{"CHF", "DM", "EUR", "USD"}));
  EXPECT_EQ(rates.AmountOf("DM"), "195,583");
  EXPECT_EQ(rates.AmountOf("dm"), "195,583");
  EXPECT_EQ(rates.AmountOf("ATS"), "");
}

TEST(CurrencyRatesTest, MissingFileOffersNoCurrencies) {
  test::TempDir dir;
  const CurrencyRates rates = CurrencyRates::Load(dir / "waehrung.umr");
  EXPECT_TRUE(rates.Names().empty());
  EXPECT_EQ(ProposeConversion(rates, "DM", "EUR").old_amount, "");
}

TEST(ConversionProposalTest, DifferentCurrenciesProposeTheFileAmounts) {
  const CurrencyRates rates = CurrencyRates::Parse(kRateFile);
  const ConversionProposal change = ProposeConversion(rates, "DM", "EUR");
  EXPECT_EQ(change.old_amount, "195,583");
  EXPECT_EQ(change.new_amount, "100");
  EXPECT_TRUE(change.enabled);

  const ConversionProposal same = ProposeConversion(rates, "EUR", "EUR");
  EXPECT_EQ(same.old_amount, "100");
  EXPECT_EQ(same.new_amount, "100");
  EXPECT_FALSE(same.enabled);

  const ConversionProposal unknown = ProposeConversion(rates, "DM", "Taler");
  EXPECT_EQ(unknown.old_amount, "195,583");
  EXPECT_EQ(unknown.new_amount, "");
}

TEST(ConversionAmountsTest, DecimalCommaAndPointAreRead) {
  test::ScriptedMessages messages;
  const auto amounts = ParseConversionAmounts("195,583", "1.000,5", messages);
  ASSERT_TRUE(amounts);
  EXPECT_DOUBLE_EQ(amounts->old_amount, 195.583);
  EXPECT_DOUBLE_EQ(amounts->new_amount, 1000.5);
  EXPECT_TRUE(messages.shown().empty());
}

TEST(ConversionAmountsTest, NonNumbersZeroAndNegativeAmountsAreRefused) {
  for (const auto& [old_text, new_text] :
       std::vector<std::pair<std::string, std::string>>{
           {"abc", "100"}, {"195,583", ""}, {"0", "100"}, {"195,583", "0,00"}, {"-2", "100"}}) {
    test::ScriptedMessages messages;
    EXPECT_FALSE(ParseConversionAmounts(old_text, new_text, messages)) << old_text << new_text;
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, MessageKind::kError);
    EXPECT_EQ(messages.shown()[0].text, kConversionAmountsError);
  }
}

TEST(ConfirmCurrencyChangeTest, AsksOnlyWhenTheCurrencyChanges) {
  test::ScriptedMessages messages;
  EXPECT_FALSE(ConfirmCurrencyChange("EUR", "EUR", "100", "100", messages));
  EXPECT_TRUE(messages.shown().empty());
}

TEST(ConfirmCurrencyChangeTest, NoLeavesEverythingAndYesGivesTheRequest) {
  test::ScriptedMessages messages;
  messages.Answer(MessageAnswer::kNo);
  EXPECT_FALSE(ConfirmCurrencyChange("DM", "EUR", "195,583", "100", messages));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, kCurrencyChangeWarning);
  EXPECT_EQ(messages.shown()[0].buttons, MessageButtons::kYesNo);

  messages.Answer(MessageAnswer::kYes);
  const auto request = ConfirmCurrencyChange("DM", "EUR", "195,583", "100", messages);
  ASSERT_TRUE(request);
  EXPECT_DOUBLE_EQ(request->old_amount, 195.583);
  EXPECT_DOUBLE_EQ(request->new_amount, 100);

  messages.Answer(MessageAnswer::kYes);
  EXPECT_FALSE(ConfirmCurrencyChange("DM", "EUR", "x", "100", messages));
  EXPECT_EQ(messages.shown().back().text, kConversionAmountsError);
  EXPECT_TRUE(messages.AllAnswersUsed());
}

TEST(ConvertAmountTest, RoundsToTheEvenCent) {
  const ConversionAmounts dm_to_euro{195.583, 100};
  EXPECT_DOUBLE_EQ(ConvertAmount(10, dm_to_euro), 5.11);
  EXPECT_DOUBLE_EQ(ConvertAmount(195.583, dm_to_euro), 100);
  const ConversionAmounts unchanged{1, 1};
  EXPECT_DOUBLE_EQ(ConvertAmount(0.005, unchanged), 0.00);
  EXPECT_DOUBLE_EQ(ConvertAmount(0.015, unchanged), 0.02);
  EXPECT_DOUBLE_EQ(ConvertAmount(0.025, unchanged), 0.02);
  EXPECT_DOUBLE_EQ(ConvertAmount(-0.015, unchanged), -0.02);
  const ConversionAmounts doubled{1, 2};
  EXPECT_DOUBLE_EQ(ConvertAmount(0.0125, doubled), 0.02);  // 0.025 → even cent
}

// Records what the progress display is told.
class RecordingProgress : public Progress {
 public:
  std::vector<std::string> calls;
  void ProgressBegin(const std::string& text) override { calls.push_back("begin:" + text); }
  void ProgressTotal(int total) override { calls.push_back("total:" + std::to_string(total)); }
  void ProgressSet(int step) override { calls.push_back("set:" + std::to_string(step)); }
  void ProgressStep() override { calls.push_back("step"); }
};

TEST(ConvertCurrencyTest, ConvertsAllThreeValuesOfEveryCoin) {
  CollectionDocument document("DM");
  document.currency_symbol = "DM";
  for (double value : {10.0, 1.0, 0.0}) {
    auto coin = std::make_unique<TDaten>();
    coin->catalogue = value;
    coin->purchaseprice = value * 2;
    coin->estimate = value * 3;
    document.Append(std::move(coin));
  }
  RecordingProgress progress;
  ConvertCurrency(document, "EUR", {195.583, 100}, progress);

  EXPECT_EQ(document.currency_symbol, "EUR");
  EXPECT_TRUE(document.modified());
  const TDaten* first = document.first_coin;
  EXPECT_DOUBLE_EQ(first->catalogue, 5.11);
  EXPECT_DOUBLE_EQ(first->purchaseprice, 10.23);  // 20 DM = 10.2258... EUR
  EXPECT_DOUBLE_EQ(first->estimate, 15.34);       // 30 DM = 15.3387... EUR
  EXPECT_DOUBLE_EQ(first->next->catalogue, 0.51);
  EXPECT_DOUBLE_EQ(first->next->next->estimate, 0.0);

  const std::string text = "Ändere die Währung, bitte warten! Fertig zu ";
  EXPECT_EQ(progress.calls,
            (std::vector<std::string>{"begin:" + text, "total:3", "set:0", "step", "step", "step",
                                      "begin:" + text + "100% - Bild wird neu aufgebaut..."}));
}

}  // namespace
}  // namespace korvex
