#include "dialogs/inifile.h"

#include <gtest/gtest.h>

#include "common/tempdir.h"

namespace korvex {
namespace {

std::vector<std::string> Texts(const std::vector<IniFile::Entry>& entries) {
  std::vector<std::string> texts;
  for (const auto& e : entries) texts.push_back(e.is_pair ? e.key + "=" + e.value : e.key);
  return texts;
}

TEST(IniFileTest, SectionLinesInOrderWithoutCommentsAndBlanks) {
  const IniFile ini = IniFile::Parse(
      "; Kopf\n[Haendler]\r\n2=Zeller\r\n; Kommentar\r\n\r\n0 = Adler \r\nohne Gleich\r\n"
      "[haendler]\n1=Berger\n[Andere]\nx=y\n");
  EXPECT_EQ(Texts(ini.SectionEntries("HAENDLER")),
            (std::vector<std::string>{"2=Zeller", "0=Adler", "ohne Gleich", "1=Berger"}));
  EXPECT_FALSE(ini.SectionEntries("HAENDLER")[2].is_pair);
  EXPECT_TRUE(ini.SectionEntries("Fehlt").empty());
  EXPECT_TRUE(ini.HasSection("andere"));
}

TEST(IniFileTest, ValueKeepsEverythingAfterTheFirstEquals) {
  const IniFile ini = IniFile::Parse("[S]\n0=1 Mark = 100 Pfennig\n");
  ASSERT_EQ(ini.SectionEntries("S").size(), 1u);
  EXPECT_EQ(ini.SectionEntries("S")[0].key, "0");
  EXPECT_EQ(ini.SectionEntries("S")[0].value, "1 Mark = 100 Pfennig");
}

TEST(IniFileTest, WriteKeyReplacesTheValueOfAKeyInAnyCase) {
  IniFile ini = IniFile::Parse("[Qualitaet]\nvz=vorz\xFCglich\n");
  ini.WriteKey("QUALITAET", "VZ", "sehr vorz\xFCglich");
  ini.WriteKey("Qualitaet", "ss", "sehr sch\xF6n");
  ini.WriteKey("Neu", "0", "Gold");
  EXPECT_EQ(ini.Text(),
            "[Qualitaet]\r\nvz=sehr vorz\xFCglich\r\nss=sehr sch\xF6n\r\n[Neu]\r\n0=Gold\r\n");
}

TEST(IniFileTest, EraseSectionKeepsTheRest) {
  IniFile ini = IniFile::Parse("; Kopf\r\n[A]\r\n0=a\r\n[B]\r\n; bleibt\r\n0=b\r\n");
  ini.EraseSection("a");
  EXPECT_EQ(ini.Text(), "; Kopf\r\n[B]\r\n; bleibt\r\n0=b\r\n");
  ini.WriteKey("A", "0", "neu");
  EXPECT_EQ(ini.SectionEntries("A")[0].value, "neu");
}

TEST(IniFileTest, LineBreaksInsideAValueDoNotSplitTheLine) {
  IniFile ini;
  ini.WriteKey("S", "0", "zwei\r\nZeilen");
  const IniFile reread = IniFile::Parse(ini.Text());
  ASSERT_EQ(reread.SectionEntries("S").size(), 1u);
  EXPECT_EQ(reread.SectionEntries("S")[0].value, "zwei  Zeilen");
}

TEST(IniFileTest, KeyLookingLikeASectionStaysAnEntry) {
  IniFile ini;
  ini.WriteKey("Qualitaet", "[A]", "Auswahl");
  const IniFile reread = IniFile::Parse(ini.Text());
  ASSERT_EQ(reread.SectionEntries("Qualitaet").size(), 1u);
  EXPECT_EQ(reread.SectionEntries("Qualitaet")[0].key, "[A]");
}

TEST(IniFileTest, SavedFileIsWindows1252AndReadsBack) {
  test::TempDir dir;
  IniFile ini;
  ini.WriteKey("L\xE4nder", "0", "\xD6sterreich");
  ASSERT_TRUE(ini.Save(dir / "sub" / "korvex.ini"));
  EXPECT_EQ(test::ReadFileBytes(dir / "sub" / "korvex.ini"), "[L\xE4nder]\r\n0=\xD6sterreich\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "sub" / "korvex.ini.tmp"));
  EXPECT_EQ(IniFile::Load(dir / "sub" / "korvex.ini").SectionEntries("L\xE4nder")[0].value,
            "\xD6sterreich");
}

TEST(IniFileTest, Utf8WithByteOrderMarkIsConverted) {
  test::TempDir dir;
  test::WriteFileBytes(dir / "a.ini", "\xEF\xBB\xBF[Laender]\n0=Österreich\n");
  EXPECT_EQ(IniFile::Load(dir / "a.ini").SectionEntries("Laender")[0].value, "\xD6sterreich");
  // A mark followed by bytes that are no UTF-8: the bytes count as Windows-1252.
  test::WriteFileBytes(dir / "b.ini", "\xEF\xBB\xBF\n[Laender]\n0=\xD6sterreich\n");
  EXPECT_EQ(IniFile::Load(dir / "b.ini").SectionEntries("Laender")[0].value, "\xD6sterreich");
}

// A Windows-1252 file that begins with the bytes of the mark: once the one line that was no
// UTF-8 is replaced, its saved text must not turn into UTF-8 that reads back differently.
TEST(IniFileTest, Windows1252FileBeginningWithTheMarkKeepsItsTextThroughASave) {
  test::TempDir dir;
  test::WriteFileBytes(dir / "a.ini", "\xEF\xBB\xBF\n[Laender]\n0=\xC3\xA4gypten\n1=\xD6sterreich\n");
  IniFile ini = IniFile::Load(dir / "a.ini");
  ASSERT_EQ(ini.SectionEntries("Laender")[0].value, "\xC3\xA4gypten");
  ini.WriteKey("Laender", "1", "Polen");
  ASSERT_TRUE(ini.Save(dir / "a.ini"));
  const IniFile read_back = IniFile::Load(dir / "a.ini");
  EXPECT_EQ(read_back.Text(), ini.Text());
  EXPECT_EQ(Texts(read_back.SectionEntries("Laender")),
            (std::vector<std::string>{"0=\xC3\xA4gypten", "1=Polen"}));
}

TEST(IniFileTest, UnwritableTargetFailsAndKeepsNothingHalfWritten) {
  test::TempDir dir;
  test::WriteFileBytes(dir / "plain", "x");
  IniFile ini;
  ini.WriteKey("S", "0", "a");
  EXPECT_FALSE(ini.Save(dir / "plain" / "korvex.ini"));
  EXPECT_EQ(test::ReadFileBytes(dir / "plain"), "x");
}

}  // namespace
}  // namespace korvex
