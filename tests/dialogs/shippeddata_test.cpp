// The lookup file and the currency rates that come with the program.
#include <gtest/gtest.h>

#include "common/tempdir.h"
#include "dialogs/currencyconversion.h"
#include "dialogs/lookuplists.h"
#include "platform/datafolders.h"

namespace korvex {
namespace {

// The data the build stages for its programs (ctest names it in KORVEX_PROGRAM_DIR).
std::filesystem::path ShippedFolder() { return ProgramFolder(); }

TEST(ShippedDataTest, LookupFileOffersTheCommonQualityGrades) {
  const LookupLists lists = LoadLookupLists(ShippedFolder() / "korvex.ini");
  const std::vector<std::string>& qualities = lists[LookupList::kQualitaet];
  EXPECT_EQ(QualityLongNameOf(qualities, "ss"), "sehr sch\xF6n");
  EXPECT_EQ(QualityLongNameOf(qualities, "vz"), "vorz\xFCglich");
  EXPECT_EQ(QualityLongNameOf(qualities, "st"), "Stempelglanz");
  EXPECT_EQ(QualityLongNameOf(qualities, "pp"), "Polierte Platte");
  for (LookupList list : {LookupList::kLegierungen, LookupList::kRaender,
                          LookupList::kPraegestaetten, LookupList::kWaehrungen}) {
    EXPECT_FALSE(lists[list].empty()) << LookupSectionName(list);
  }
  EXPECT_NE(std::find(lists[LookupList::kLaender].begin(), lists[LookupList::kLaender].end(),
                      "\xD6sterreich"),
            lists[LookupList::kLaender].end());
}

TEST(ShippedDataTest, InstalledLookupFileSurvivesASaveUnchanged) {
  test::TempDir data;
  const std::filesystem::path target = data / "korvex.ini";
  ASSERT_TRUE(InstallDefaultLookupFile(ShippedFolder(), target));
  const std::string shipped = test::ReadFileBytes(target);
  ASSERT_TRUE(SaveLookupLists(LoadLookupLists(target), target));
  EXPECT_EQ(test::ReadFileBytes(target), shipped);
}

TEST(ShippedDataTest, RatesConvertMarkToEuro) {
  const CurrencyRates rates = CurrencyRates::Load(ShippedFolder() / "waehrung.umr");
  const ConversionProposal proposal = ProposeConversion(rates, "DM", "EUR");
  EXPECT_EQ(proposal.old_amount, "195,583");
  EXPECT_EQ(proposal.new_amount, "100");
  EXPECT_EQ(rates.AmountOf("\x80"), "100");  // the euro sign, as the system's symbol
}

}  // namespace
}  // namespace korvex
