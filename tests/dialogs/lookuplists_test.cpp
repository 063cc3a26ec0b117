#include "dialogs/lookuplists.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/tempdir.h"

namespace korvex {
namespace {

class LookupListsTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::filesystem::path lookup = dir / "korvex.ini";
  std::filesystem::path update = dir / "update.ini";
};

TEST_F(LookupListsTest, PlainSectionKeepsItsOrderThroughLoadAndSave) {
  test::WriteFileBytes(lookup, "[Legierungen]\r\n0=Gold\r\n1=Silber\r\n");
  const LookupLists lists = LoadLookupLists(lookup);
  EXPECT_EQ(lists[LookupList::kLegierungen], (std::vector<std::string>{"Gold", "Silber"}));
  ASSERT_TRUE(SaveLookupLists(lists, lookup));
  EXPECT_NE(test::ReadFileBytes(lookup).find("[Legierungen]\r\n0=Gold\r\n1=Silber\r\n"),
            std::string::npos);
  EXPECT_EQ(LoadLookupLists(lookup), lists);
}

TEST_F(LookupListsTest, FileOrderIsKeptAfterLoadingEvenWhenUnsorted) {
  test::WriteFileBytes(lookup, "[Haendler]\n5=Zeller\n1=Adler\n");
  EXPECT_EQ(LoadLookupLists(lookup)[LookupList::kHaendler],
            (std::vector<std::string>{"Zeller", "Adler"}));
}

TEST_F(LookupListsTest, EntryHoldingEqualsKeepsItsTextAfterTheFirstEquals) {
  LookupLists lists;
  lists[LookupList::kThemen] = {"1 Mark = 100 Pfennig", "Olympia"};
  SaveLookupLists(lists, lookup);
  EXPECT_EQ(LoadLookupLists(lookup)[LookupList::kThemen], lists[LookupList::kThemen]);
}

TEST_F(LookupListsTest, QualityListKeepsPairsAndTheLastLongNameOfACode) {
  LookupLists lists;
  lists[LookupList::kQualitaet] = {"ss=sehr sch\xF6n", "VZ=vorz\xFCglich", "vz=fast vorz\xFCglich"};
  SaveLookupLists(lists, lookup);
  const LookupLists reread = LoadLookupLists(lookup);
  EXPECT_EQ(reread[LookupList::kQualitaet],
            (std::vector<std::string>{"ss=sehr sch\xF6n", "VZ=fast vorz\xFCglich"}));
}

TEST_F(LookupListsTest, SectionsAreWrittenInTheirFixedOrderAndOthersKept) {
  test::WriteFileBytes(lookup, "[Eigene]\r\nbleibt=ja\r\n[Themen]\r\n0=alt\r\n");
  LookupLists lists;
  for (int i = 0; i < kLookupListCount; ++i) {
    lists.lists[i] = {i == static_cast<int>(LookupList::kQualitaet) ? "X=x" : "x"};
  }
  SaveLookupLists(lists, lookup);
  const std::string text = test::ReadFileBytes(lookup);
  EXPECT_NE(text.find("[Eigene]\r\nbleibt=ja\r\n"), std::string::npos);
  EXPECT_EQ(text.find("alt"), std::string::npos);
  const std::vector<std::string> order = {
      "[Qualitaet]", "[Praegestaetten]", "[Waehrungen]", "[Legierungen]", "[Haendler]",
      "[Aufbewahrung]", "[Vorderseiten]", "[Rueckseiten]", "[Laender]", "[Raender]",
      "[Staedte]", "[Muenzmeister]", "[Themen]"};
  std::size_t last = 0;
  for (const std::string& section : order) {
    const std::size_t at = text.find(section);
    ASSERT_NE(at, std::string::npos) << section;
    EXPECT_GT(at, last) << section;
    last = at;
  }
}

TEST_F(LookupListsTest, MissingFileGivesEmptyLists) {
  EXPECT_EQ(LoadLookupLists(lookup), LookupLists());
}

TEST_F(LookupListsTest, UpdateMergesSortsRemovesExactDuplicatesAndIsDeleted) {
  LookupLists present;
  present[LookupList::kHaendler] = {"Zeller", "M\xFCnzhandel Adler", "Berger"};
  present[LookupList::kQualitaet] = {"vz=vorz\xFCglich"};
  present[LookupList::kThemen] = {"1 Mark = 100 Pfennig"};
  test::WriteFileBytes(update,
                       "[Haendler]\r\n0=Berger\r\n1=BERGER\r\n2=Adler\r\n"
                       "[Qualitaet]\r\npp=Polierte Platte\r\nvz=vorz\xFCglich\r\n"
                       "[Laender]\r\n0=Schweiz\r\n");
  ASSERT_TRUE(MergeLookupUpdate(present, lookup, update));
  EXPECT_FALSE(std::filesystem::exists(update));
  const LookupLists merged = LoadLookupLists(lookup);
  EXPECT_EQ(merged[LookupList::kHaendler],
            (std::vector<std::string>{"Adler", "Berger", "BERGER", "M\xFCnzhandel Adler", "Zeller"}));
  EXPECT_EQ(merged[LookupList::kQualitaet],
            (std::vector<std::string>{"pp=Polierte Platte", "vz=vorz\xFCglich"}));
  EXPECT_EQ(merged[LookupList::kLaender], std::vector<std::string>{"Schweiz"});
  // An entry of the present list that holds "=" keeps its whole text.
  EXPECT_EQ(merged[LookupList::kThemen], std::vector<std::string>{"1 Mark = 100 Pfennig"});
}

TEST_F(LookupListsTest, NoUpdateFileMergesNothing) {
  LookupLists present;
  present[LookupList::kHaendler] = {"Zeller"};
  EXPECT_FALSE(MergeLookupUpdate(present, lookup, update));
  EXPECT_FALSE(std::filesystem::exists(lookup));
}

TEST_F(LookupListsTest, UpdateStaysWhenTheLookupFileCannotBeWritten) {
  test::WriteFileBytes(dir / "plain", "x");
  test::WriteFileBytes(update, "[Haendler]\r\n0=Adler\r\n");
  EXPECT_FALSE(MergeLookupUpdate(LookupLists(), dir / "plain" / "korvex.ini", update));
  EXPECT_TRUE(std::filesystem::exists(update));
}

TEST_F(LookupListsTest, DefaultFileIsInstalledOnlyWhenNoneIsThere) {
  test::TempDir program;
  test::WriteFileBytes(program / "korvex.ini", "[Legierungen]\r\n0=Gold\r\n");
  const std::filesystem::path target = dir / "proMarbel" / "Korvex" / "korvex.ini";
  EXPECT_TRUE(InstallDefaultLookupFile(program.path(), target));
  EXPECT_EQ(LoadLookupLists(target)[LookupList::kLegierungen], std::vector<std::string>{"Gold"});

  test::WriteFileBytes(target, "[Legierungen]\r\n0=Platin\r\n");
  EXPECT_FALSE(InstallDefaultLookupFile(program.path(), target));
  EXPECT_EQ(LoadLookupLists(target)[LookupList::kLegierungen], std::vector<std::string>{"Platin"});

  test::TempDir empty_program;
  EXPECT_FALSE(InstallDefaultLookupFile(empty_program.path(), dir / "other.ini"));
}

TEST_F(LookupListsTest, DefaultPathsLieInTheDataFolder) {
  ASSERT_EQ(setenv("KORVEX_DATA_DIR", dir.path().c_str(), 1), 0);
  EXPECT_EQ(LookupFilePath(), dir / "korvex.ini");
  EXPECT_EQ(LookupUpdatePath(), dir / "update.ini");
  unsetenv("KORVEX_DATA_DIR");
}

TEST(AddToLookupListTest, AddsSortedUnlessPresentInAnyAsciiCase) {
  std::vector<std::string> dealers = {"Adler", "Zeller"};
  EXPECT_TRUE(AddToLookupList(dealers, "M\xFCller"));
  EXPECT_EQ(dealers, (std::vector<std::string>{"Adler", "M\xFCller", "Zeller"}));
  EXPECT_FALSE(AddToLookupList(dealers, "ADLER"));
  EXPECT_FALSE(AddToLookupList(dealers, ""));
  // Umlauts are no ASCII letters: MÜLLER differs from Müller.
  EXPECT_TRUE(AddToLookupList(dealers, "M\xDCLLER"));
  EXPECT_EQ(dealers.size(), 4u);
}

TEST(AddQualityPairTest, NeedsANewCodeAndANewLongName) {
  std::vector<std::string> qualities;
  EXPECT_TRUE(AddQualityPair(qualities, "VZ", "vorz\xFCglich"));
  EXPECT_FALSE(AddQualityPair(qualities, "vz", "anders"));
  EXPECT_FALSE(AddQualityPair(qualities, "XX", "VORZ\xFCGLICH"));
  EXPECT_FALSE(AddQualityPair(qualities, "VZ", ""));
  EXPECT_FALSE(AddQualityPair(qualities, "", "neu"));
  EXPECT_TRUE(AddQualityPair(qualities, "ss", "sehr sch\xF6n"));
  EXPECT_EQ(qualities, (std::vector<std::string>{"ss=sehr sch\xF6n", "VZ=vorz\xFCglich"}));
  EXPECT_EQ(QualityLongNameOf(qualities, "SS"), "sehr sch\xF6n");
  EXPECT_EQ(QualityLongNameOf(qualities, "pp"), "");
}

TEST(QualityEntryTest, SplitsAtTheFirstEquals) {
  EXPECT_EQ(QualityCode("PP=Polierte Platte"), "PP");
  EXPECT_EQ(QualityLongName("PP=Polierte Platte"), "Polierte Platte");
  EXPECT_EQ(QualityLongName("X=a=b"), "a=b");
  EXPECT_EQ(QualityCode("ohne"), "ohne");
  EXPECT_EQ(QualityLongName("ohne"), "");
  EXPECT_EQ(QualityEntry("st", "Stempelglanz"), "st=Stempelglanz");
}

}  // namespace
}  // namespace korvex
