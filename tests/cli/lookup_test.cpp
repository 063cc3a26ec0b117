// lookup show and lookup merge on the lookup file of a data folder the test sets up.
#include <gtest/gtest.h>

#include "cli/clirunner.h"
#include "common/tempdir.h"

namespace korvex::test {
namespace {

class CliLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(dir_ / "daten");
    // No shipped lookup file: the program folder is empty.
    std::filesystem::create_directory(dir_ / "programm");
  }

  CliResult Lookup(const std::vector<std::string>& arguments) {
    return RunCli(arguments, {"KORVEX_DATA_DIR=" + (dir_ / "daten").string(),
                              "KORVEX_PROGRAM_DIR=" + (dir_ / "programm").string()});
  }

  TempDir dir_;
};

TEST_F(CliLookup, ShowsOneListInFileOrder) {
  WriteFileBytes(dir_ / "daten" / "korvex.ini",
                 "[Haendler]\r\n0=Zeta\r\n1=M\xFCnzhaus\r\n[Qualitaet]\r\nvz=vorz\xFCglich\r\nss=sehr sch\xF6n\r\n");
  const CliResult dealers = Lookup({"lookup", "show", "Haendler"});
  ASSERT_EQ(dealers.exit_code, 0) << dealers.err;
  EXPECT_EQ(dealers.out, "Zeta\nMünzhaus\n");
  EXPECT_EQ(Lookup({"lookup", "show", "Händler"}).out, dealers.out);
  EXPECT_EQ(Lookup({"lookup", "show", "haendler"}).out, dealers.out);
  EXPECT_EQ(Lookup({"lookup", "show", "Qualitaet"}).out, "vz\tvorzüglich\nss\tsehr schön\n");
  const CliResult empty = Lookup({"lookup", "show", "Themen"});
  EXPECT_EQ(empty.exit_code, 0);
  EXPECT_TRUE(empty.out.empty());
}

TEST_F(CliLookup, ShowWithoutLookupFileFails) {
  const CliResult result = Lookup({"lookup", "show", "Haendler"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.err.find("keine Hilfsdatenbank-Datei"), std::string::npos) << result.err;
  EXPECT_FALSE(std::filesystem::exists(dir_ / "daten" / "korvex.ini"));
}

TEST_F(CliLookup, MergeTakesOverTheUpdateFileOnce) {
  WriteFileBytes(dir_ / "daten" / "korvex.ini", "[Haendler]\r\n0=Zeta\r\n1=Alpha\r\n");
  WriteFileBytes(dir_ / "daten" / "update.ini", "[Haendler]\r\n0=Beta\r\n1=Alpha\r\n[Themen]\r\n0=Tiere\r\n");
  const CliResult merged = Lookup({"lookup", "merge"});
  ASSERT_EQ(merged.exit_code, 0) << merged.err;
  EXPECT_FALSE(std::filesystem::exists(dir_ / "daten" / "update.ini"));
  EXPECT_EQ(Lookup({"lookup", "show", "Haendler"}).out, "Alpha\nBeta\nZeta\n");
  EXPECT_EQ(Lookup({"lookup", "show", "Themen"}).out, "Tiere\n");

  const CliResult again = Lookup({"lookup", "merge"});
  EXPECT_EQ(again.exit_code, 1);
  EXPECT_NE(again.err.find("update.ini"), std::string::npos) << again.err;
  EXPECT_EQ(Lookup({"lookup", "show", "Haendler"}).out, "Alpha\nBeta\nZeta\n");
}

TEST_F(CliLookup, MergeIntoAMissingLookupFileStartsFromTheShippedOne) {
  WriteFileBytes(dir_ / "programm" / "korvex.ini", "[Laender]\r\n0=Schweiz\r\n");
  WriteFileBytes(dir_ / "daten" / "update.ini", "[Laender]\r\n0=Island\r\n");
  ASSERT_EQ(Lookup({"lookup", "merge"}).exit_code, 0);
  EXPECT_EQ(Lookup({"lookup", "show", "Laender"}).out, "Island\nSchweiz\n");
}

}  // namespace
}  // namespace korvex::test
