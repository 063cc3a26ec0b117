// list: the grid of a view with filters, sorting and the number and date conventions.
#include <gtest/gtest.h>

#include "cli/clirunner.h"
#include "cli/clitestfiles.h"
#include "common/tempdir.h"

namespace korvex::test {
namespace {

class CliList : public ::testing::Test {
 protected:
  std::vector<std::string> List(std::vector<std::string> options,
                                const std::vector<std::string>& environment = {}) {
    options.insert(options.begin(), {"list", file_.string()});
    const CliResult result = RunCli(options, environment);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    return Lines(result.out);
  }

  // The first cell of every coin line: the inventory numbers in the order shown.
  static std::vector<std::string> Items(const std::vector<std::string>& lines) {
    std::vector<std::string> items;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) items.push_back(lines[i].substr(0, lines[i].find('\t')));
    return items;
  }

  TempDir dir_;
  std::filesystem::path file_ = WriteToolCollection(dir_ / "s.mvc");
};

TEST_F(CliList, AllCoinsInGermanConventions) {
  const std::vector<std::string> expected = {
      "Inventarnr.\tSt.\tKatalogwert\tKaufdatum",
      "1\t2\t1.234,50\t03.02.2001",
      "2\t0\t5,00\t03.02.2001",
      "3\t3\t2,25\t03.02.2001",
      "4\t1\t10,00\t?",
      "Summe\t6 Stück\t2.485,75 €",
  };
  EXPECT_EQ(List({"--locale", "de"}), expected);
}

TEST_F(CliList, EnglishConventionsAndOwnDateFormat) {
  const std::vector<std::string> english = List({"--locale", "en"});
  ASSERT_EQ(english.size(), 6u);
  EXPECT_EQ(english[1], "1\t2\t1,234.50\t2001-02-03");
  EXPECT_EQ(english[5], "Summe\t6 Stück\t2,485.75 €");
  EXPECT_EQ(List({"--locale", "en", "--date-format", "dd/mm/yyyy"})[1], "1\t2\t1,234.50\t03/02/2001");
  EXPECT_EQ(List({"--locale", "de", "--date-format", "yyyy-mm-dd"})[1], "1\t2\t1.234,50\t2001-02-03");
}

TEST_F(CliList, WithoutLocaleTheSystemLocaleDecides) {
  const std::vector<std::string> german = List({}, {"LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8"});
  const std::vector<std::string> american = List({}, {"LC_ALL=en_US.UTF-8", "LANG=en_US.UTF-8"});
  ASSERT_EQ(german.size(), 6u);
  ASSERT_EQ(american.size(), 6u);
  EXPECT_EQ(german[1].substr(0, 12), "1\t2\t1.234,50");
  EXPECT_EQ(american[1].substr(0, 12), "1\t2\t1,234.50");
}

TEST_F(CliList, AreaViewUsesTheAreaColumns) {
  const std::vector<std::string> expected = {
      "Inventarnr.\tPrägezeichen\tSt.",
      "3\tA\t3",
      "4\tB\t1",
      "Summe\t4 Stück\t16,75 €",
  };
  EXPECT_EQ(List({"--area", "2", "--locale", "de"}), expected);
  // Area 1 keeps the default columns, Schön number first.
  EXPECT_EQ(Items(List({"--area", "1"})), (std::vector<std::string>{"10", "9"}));
  EXPECT_EQ(Items(List({"--area", "all"})), (std::vector<std::string>{"1", "2", "3", "4"}));

  const CliResult missing = RunCli({"list", file_.string(), "--area", "3"});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_NE(missing.err.find("kein Sammelgebiet mit der Nummer 3"), std::string::npos);
}

TEST_F(CliList, CountFilters) {
  EXPECT_EQ(Items(List({"--filter", "missing"})), (std::vector<std::string>{"2"}));
  EXPECT_EQ(Items(List({"--filter", "stock"})), (std::vector<std::string>{"1", "3", "4"}));
  EXPECT_EQ(Items(List({"--filter", "duplicates"})), (std::vector<std::string>{"1", "3"}));
  const std::vector<std::string> duplicates = List({"--filter", "duplicates", "--locale", "de"});
  EXPECT_EQ(duplicates.back(), "Summe\t5 Stück\t2.475,75 €");
}

TEST_F(CliList, SortsOnlyWhenAsked) {
  EXPECT_EQ(Items(List({})), (std::vector<std::string>{"1", "2", "3", "4"}));
  // The file's keys: inventory number descending.
  EXPECT_EQ(Items(List({"--sort", "file"})), (std::vector<std::string>{"4", "3", "2", "1"}));
  // Schön numbers compare shorter first: "", "9", "10", "100".
  EXPECT_EQ(Items(List({"--sort", "3"})), (std::vector<std::string>{"4", "2", "1", "3"}));
  EXPECT_EQ(Items(List({"--sort", "-3"})), (std::vector<std::string>{"3", "1", "2", "4"}));
  EXPECT_EQ(Items(List({"--sort", "-20"})), (std::vector<std::string>{"1", "4", "2", "3"}));
  // No coin has a certificate, so the second key decides.
  EXPECT_EQ(Items(List({"--sort", "41,-3"})), (std::vector<std::string>{"3", "1", "2", "4"}));
  // Sorting a listing does not change the file.
  EXPECT_EQ(Items(List({})), (std::vector<std::string>{"1", "2", "3", "4"}));
}

TEST_F(CliList, NoKeyValuesAreAcceptedInEveryPosition) {
  const std::vector<std::string> by_schoen = {"4", "2", "1", "3"};
  const std::vector<std::string> unsorted = {"1", "2", "3", "4"};
  // A first key of 65535 is the standard order (Schön number ascending), whatever follows.
  EXPECT_EQ(Items(List({"--sort", "65535"})), by_schoen);
  EXPECT_EQ(Items(List({"--sort", "65535,-20"})), by_schoen);
  // A first key of 0 names no field and leaves the order as it is.
  EXPECT_EQ(Items(List({"--sort", "0"})), unsorted);
  EXPECT_EQ(Items(List({"--sort", "0,-3"})), unsorted);
  // Later no-key values are skipped.
  EXPECT_EQ(Items(List({"--sort", "-3,65535"})), (std::vector<std::string>{"3", "1", "2", "4"}));
  EXPECT_EQ(Items(List({"--sort", "41,0,65535,0,-3"})), (std::vector<std::string>{"3", "1", "2", "4"}));

  for (const char* wrong : {"65536", "-65535", "47", "-47", "1,2,3,4,5,6"}) {
    const CliResult result = RunCli({"list", file_.string(), "--sort", wrong});
    EXPECT_EQ(result.exit_code, 2) << wrong;
  }
}

}  // namespace
}  // namespace korvex::test
