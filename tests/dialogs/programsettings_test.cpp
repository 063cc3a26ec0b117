#include "dialogs/programsettings.h"

#include <gtest/gtest.h>

#include "common/tempdir.h"

namespace korvex {
namespace {

class ProgramSettingsTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  SettingsStore store{dir / "Korvex.conf"};
  SettingsKey key{store};

  // Settings far from the defaults, so that a value that is not read shows.
  static ProgramSettings Changed() {
    ProgramSettings s;
    s.Online_Update_Check = false;
    s.Online_Update_Check_Beta = true;
    s.Online_Proxy = "proxy.example";
    s.Online_Proxy_Port = "8080";
    s.Online_Proxy_Username = "m\xFCller";
    s.Online_Proxy_Password = "geheim";
    s.Printer_Font_Size = 14;
    s.KatGl = false;
    s.KatGlFrage = false;
    s.AutoSaveEnd = true;
    s.AutoSaveTime = "25";
    s.AutoSave = true;
    s.Anfrage = true;
    s.AutoDatei = true;
    s.AutoDatei_Name = "/home/m/Sammlung.mvc";
    s.DatumFormat = "yyyy-mm-dd";
    s.DatumAuto = false;
    s.Graphik_Autoformat = true;
    s.Graphik_Focus = true;
    s.Graphik_Auto = PictureDisplay::kAlways;
    s.Graphik_Pos = PicturePlace::kBelow;
    s.Graphik_Copy = PictureCopy::kNever;
    return s;
  }
};

TEST_F(ProgramSettingsTest, FirstStartWithAnEmptyStoreGivesTheDefaults) {
  ProgramSettings read;
  ASSERT_TRUE(ReadSettings(store, read));
  EXPECT_TRUE(read.Online_Update_Check);
  EXPECT_FALSE(read.Online_Update_Check_Beta);
  EXPECT_EQ(read.Printer_Font_Size, 9);
  EXPECT_EQ(read.Graphik_Auto, PictureDisplay::kOnRequest);
  EXPECT_EQ(read.Graphik_Pos, PicturePlace::kTopLeft);
  EXPECT_EQ(read.Graphik_Copy, PictureCopy::kAsk);
  EXPECT_TRUE(read.DatumAuto);
  EXPECT_TRUE(read.KatGl);
  EXPECT_TRUE(read.KatGlFrage);
  EXPECT_EQ(read.AutoSaveTime, "10");
  EXPECT_EQ(read.URL, kDefaultServiceUrl);
  EXPECT_TRUE(read.tools.empty());
  EXPECT_EQ(read, ProgramSettings());
}

TEST_F(ProgramSettingsTest, WrittenSettingsReadBackInANewStore) {
  const ProgramSettings written = Changed();
  ASSERT_TRUE(WriteSettings(store, written));
  SettingsStore reopened(store.file());
  ProgramSettings read;
  ASSERT_TRUE(ReadSettings(reopened, read));
  EXPECT_EQ(read, written);
}

TEST_F(ProgramSettingsTest, WriteLeavesOutIndexCardPrinterAndUrl) {
  ProgramSettings s = Changed();
  s.Printer_Kartei_Drucker = "Laser";
  s.Printer_Kartei_Papiertyp = 9;
  s.URL = "https://elsewhere.example/";
  WriteSettings(store, s);
  EXPECT_EQ(key.TypeOf("Printer_Kartei_Drucker"), SettingsValueType::kMissing);
  EXPECT_EQ(key.TypeOf("Printer_Kartei_Papiertyp"), SettingsValueType::kMissing);
  EXPECT_EQ(key.TypeOf("URL"), SettingsValueType::kMissing);
  EXPECT_EQ(key.ReadString("Graphik_Autoformat"), "001");
  EXPECT_EQ(key.ReadString("Graphik_Auto"), "002");
  EXPECT_EQ(key.ReadInteger("Graphik_Pos"), 32);
  EXPECT_EQ(key.ReadInteger("Graphik_Copy"), 2);
  EXPECT_EQ(key.ReadInteger("AutoSave"), 1);
  EXPECT_EQ(key.ReadString("AutoSaveTime"), "25");
}

TEST_F(ProgramSettingsTest, ValueOfWrongTypeEndsItsStepOnly) {
  WriteSettings(store, Changed());
  key.WriteString("KatGlFrage", "1");          // a text where a Boolean belongs
  key.WriteInteger("Online_Update_Check_Beta", 1);
  key.DeleteValue("Online_Update_Check");      // ends the online step at once

  ProgramSettings read;  // defaults
  read.Online_Proxy = "stale";
  read.AutoSaveEnd = false;
  read.AutoSaveTime = "99";
  ReadSettings(store, read);

  // Online step: reset to the defaults, then ended by the missing first value.
  EXPECT_TRUE(read.Online_Update_Check);
  EXPECT_FALSE(read.Online_Update_Check_Beta);
  EXPECT_EQ(read.Online_Proxy, "");
  // Font size step is separate and still read.
  EXPECT_EQ(read.Printer_Font_Size, 14);
  // Page step: KatGl is read, KatGlFrage ends the step, the rest keeps its present state.
  EXPECT_FALSE(read.KatGl);
  EXPECT_TRUE(read.KatGlFrage);
  EXPECT_FALSE(read.AutoSaveEnd);
  EXPECT_EQ(read.AutoSaveTime, "99");
  EXPECT_EQ(read.Graphik_Pos, PicturePlace::kTopLeft);
}

TEST_F(ProgramSettingsTest, MissingStringsTakeTheirDefaults) {
  WriteSettings(store, Changed());
  key.DeleteValue("AutoSaveTime");
  key.DeleteValue("Online_Proxy");
  key.DeleteValue("Graphik_Auto");
  key.DeleteValue("Graphik_Autoformat");
  ProgramSettings read = Changed();
  ReadSettings(store, read);
  EXPECT_EQ(read.AutoSaveTime, "10");
  EXPECT_EQ(read.Online_Proxy, "");
  EXPECT_EQ(read.Graphik_Auto, PictureDisplay::kOnRequest);
  EXPECT_FALSE(read.Graphik_Autoformat);
  // A missing String does not end its step.
  EXPECT_EQ(read.Graphik_Copy, PictureCopy::kNever);
  EXPECT_TRUE(read.AutoSave);
}

TEST_F(ProgramSettingsTest, CodedValuesFollowTheirLists) {
  WriteSettings(store, Changed());
  key.WriteString("Graphik_Auto", "007");
  key.WriteString("Graphik_Autoformat", "");
  key.WriteInteger("Graphik_Pos", 3);
  key.WriteInteger("Graphik_Copy", 8);
  ProgramSettings read;
  read.Graphik_Pos = PicturePlace::kAbove;
  ReadSettings(store, read);
  EXPECT_EQ(read.Graphik_Auto, PictureDisplay::kListMode);  // any other text
  EXPECT_TRUE(read.Graphik_Autoformat);                     // anything but "000" ticks it
  EXPECT_EQ(read.Graphik_Pos, PicturePlace::kAbove);        // outside the list: left alone
  EXPECT_EQ(read.Graphik_Copy, PictureCopy::kAsk);
}

TEST_F(ProgramSettingsTest, FontSizeAndUrlFallBack) {
  key.WriteString("Printer_Font_Size", "zwölf");
  key.WriteString("URL", "");
  ProgramSettings read;
  read.Printer_Font_Size = 20;
  read.URL = "stale";
  ReadSettings(store, read);
  EXPECT_EQ(read.Printer_Font_Size, 9);
  EXPECT_EQ(read.URL, kDefaultServiceUrl);

  key.WriteInteger("Printer_Font_Size", 0);
  key.WriteString("URL", "https://mirror.example/");
  ReadSettings(store, read);
  EXPECT_EQ(read.Printer_Font_Size, kMinPrintFontSize);
  EXPECT_EQ(read.URL, "https://mirror.example/");
}

TEST_F(ProgramSettingsTest, IndexCardPrinterIsRead) {
  key.WriteString("Printer_Kartei_Drucker", "Laser");
  key.WriteInteger("Printer_Kartei_Papiertyp", 11);
  ProgramSettings read;
  ReadSettings(store, read);
  EXPECT_EQ(read.Printer_Kartei_Drucker, "Laser");
  EXPECT_EQ(read.Printer_Kartei_Papiertyp, 11);
}

TEST_F(ProgramSettingsTest, ToolsAreReadSortedAndNeverWritten) {
  SettingsKey tools(store, "Tools");
  tools.WriteString("Zeichnen", "gimp");
  tools.WriteString("\xC4nderungen", "meld");  // Änderungen sorts among the A's
  tools.WriteString("bilder", "eog");
  tools.WriteInteger("Kaputt", 1);             // not a command line
  ProgramSettings read;
  ReadSettings(store, read);
  EXPECT_EQ(read.tools, (std::vector<ToolEntry>{{"\xC4nderungen", "meld"},
                                                {"bilder", "eog"},
                                                {"Zeichnen", "gimp"}}));
  read.tools.push_back({"Neu", "x"});
  WriteSettings(store, read);
  EXPECT_EQ(tools.ValueNames().size(), 4u);
  EXPECT_EQ(tools.TypeOf("Neu"), SettingsValueType::kMissing);
}

TEST_F(ProgramSettingsTest, InaccessibleStoreReadsAndWritesNothing) {
  test::WriteFileBytes(dir / "plain", "x");
  SettingsStore broken(dir / "plain" / "Korvex.conf");
  ProgramSettings read = Changed();
  EXPECT_FALSE(ReadSettings(broken, read));
  EXPECT_EQ(read, Changed());
  EXPECT_FALSE(WriteSettings(broken, read));
}

TEST(AutoSaveIntervalTest, NeedsTheTickAndAWholeNumberOfMinutes) {
  ProgramSettings s;
  s.AutoSaveTime = "5";
  EXPECT_EQ(AutoSaveInterval(s), std::nullopt);
  s.AutoSave = true;
  EXPECT_EQ(AutoSaveInterval(s), 300000);
  s.AutoSaveTime = "abc";
  EXPECT_EQ(AutoSaveInterval(s), std::nullopt);
  s.AutoSaveTime = "0";
  EXPECT_EQ(AutoSaveInterval(s), std::nullopt);
  s.AutoSaveTime = "99999999";
  EXPECT_EQ(AutoSaveInterval(s), std::nullopt);
}

TEST(PrintFontSizeFromTextTest, TakesWholeNumbersWithinTheUpDownRange) {
  EXPECT_EQ(PrintFontSizeFromText("12", 9), 12);
  EXPECT_EQ(PrintFontSizeFromText("zwölf", 9), 9);
  EXPECT_EQ(PrintFontSizeFromText("500", 9), kMaxPrintFontSize);
  EXPECT_EQ(PrintFontSizeFromText("1", 9), kMinPrintFontSize);
}

}  // namespace
}  // namespace korvex
