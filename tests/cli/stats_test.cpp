// stats: the statistics table with its totals and positions lines.
#include <gtest/gtest.h>

#include "cli/clirunner.h"
#include "cli/clitestfiles.h"
#include "common/tempdir.h"

namespace korvex::test {
namespace {

TEST(CliStats, TableWithTotalsAndPositions) {
  TempDir dir;
  const auto file = WriteToolCollection(dir / "s.mvs");
  const CliResult german = RunCli({"stats", file.string(), "--locale", "de"});
  ASSERT_EQ(german.exit_code, 0) << german.err;
  const std::vector<std::string> expected = {
      "\tStück\tKatalogwert\tKaufpreis\tSchätzwert\tWertst. ",
      "Deutschland\t2 Stck\t2.469,00 €\t2.000,00 €\t2.600,00 €\t23,45 %",
      "Österreich\t4 Stck\t16,75 €\t0,00 €\t0,00 €\t---",
      "Gesamte Sammlung:\t6 Stck\t2.485,75 €\t2.000,00 €\t2.600,00 €\t24,29 %",
      "Die Datei enthält 4 Positionen.",
  };
  EXPECT_EQ(Lines(german.out), expected);

  const CliResult english = RunCli({"stats", file.string(), "--locale", "en"});
  ASSERT_EQ(english.exit_code, 0) << english.err;
  EXPECT_EQ(Lines(english.out)[3], "Gesamte Sammlung:\t6 Stck\t2,485.75 €\t2,000.00 €\t2,600.00 €\t24.29 %");
}

TEST(CliStats, LegacyFileInItsOwnCurrency) {
  TempDir dir;
  const CliResult result =
      RunCli({"stats", WriteLegacyCollection(dir / "a.kvl", 200).string(), "--locale", "de"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1], "Deutschland\t2 Stck\t7,00 EUR\t0,00 EUR\t0,00 EUR\t---");
  EXPECT_EQ(lines[4], "Die Datei enthält 3 Positionen.");
}

}  // namespace
}  // namespace korvex::test
