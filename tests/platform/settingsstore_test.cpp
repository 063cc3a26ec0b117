#include "platform/settingsstore.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/tempdir.h"

namespace korvex {
namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::filesystem::path file = dir / "Varlow" / "Korvex.conf";
};

TEST_F(SettingsStoreTest, ValuesKeepTheirTypeAndTextAcrossStores) {
  {
    SettingsStore store(file);
    ASSERT_TRUE(store.IsAccessible());
    SettingsKey key(store);
    key.WriteInteger("Printer_Font_Size", 12);
    key.WriteInteger("Negative", -5);
    key.WriteBool("KatGl", false);
    key.WriteBool("AutoSave", true);
    key.WriteString("AutoSaveTime", "15");
    key.WriteString("AutoDatei_Name", "C:\\M\xFCnzen\\Sammlung, alt.mvc");  // ü, comma
    key.WriteString("LooksLikeInteger", "dword:00000001");
    key.WriteString("StringMarker", "sz:text");
    key.WriteString("Empty", "");
    ASSERT_TRUE(store.Flush());
  }
  SettingsStore store(file);
  const SettingsKey key(store);
  EXPECT_EQ(key.ReadInteger("Printer_Font_Size"), 12);
  EXPECT_EQ(key.ReadInteger("Negative"), -5);
  EXPECT_EQ(key.ReadBool("KatGl"), false);
  EXPECT_EQ(key.ReadBool("AutoSave"), true);
  EXPECT_EQ(key.ReadString("AutoSaveTime"), "15");
  EXPECT_EQ(key.ReadString("AutoDatei_Name"), "C:\\M\xFCnzen\\Sammlung, alt.mvc");
  EXPECT_EQ(key.ReadString("LooksLikeInteger"), "dword:00000001");
  EXPECT_EQ(key.TypeOf("LooksLikeInteger"), SettingsValueType::kString);
  EXPECT_EQ(key.ReadString("StringMarker"), "sz:text");
  EXPECT_EQ(key.ReadString("Empty"), "");
  EXPECT_EQ(key.TypeOf("Empty"), SettingsValueType::kString);
}

TEST_F(SettingsStoreTest, WrongTypeAndMissingValuesReadAsNothing) {
  SettingsStore store(file);
  SettingsKey key(store);
  key.WriteString("Text", "15");
  key.WriteInteger("Number", 15);
  EXPECT_EQ(key.ReadInteger("Text"), std::nullopt);
  EXPECT_EQ(key.ReadBool("Text"), std::nullopt);
  EXPECT_EQ(key.ReadString("Number"), std::nullopt);
  EXPECT_EQ(key.ReadInteger("Missing"), std::nullopt);
  EXPECT_EQ(key.ReadString("Missing"), std::nullopt);
  EXPECT_EQ(key.TypeOf("Missing"), SettingsValueType::kMissing);
  EXPECT_EQ(key.TypeOf("Number"), SettingsValueType::kInteger);
}

TEST_F(SettingsStoreTest, AnyIntegerButZeroReadsAsTrue) {
  SettingsStore store(file);
  SettingsKey key(store);
  key.WriteInteger("Five", 5);
  key.WriteInteger("Zero", 0);
  EXPECT_EQ(key.ReadBool("Five"), true);
  EXPECT_EQ(key.ReadBool("Zero"), false);
}

TEST_F(SettingsStoreTest, SubkeysAreSeparateFromTheirParent) {
  SettingsStore store(file);
  SettingsKey root(store);
  SettingsKey datei(store, "Bars\\Datei");
  SettingsKey tools(store, "Tools");
  root.WriteInteger("Visible", 0);
  datei.WriteBool("Visible", true);
  tools.WriteString("Rechner", "gnome-calculator");
  tools.WriteString("Notizen/Liste", "gedit liste.txt");
  tools.WriteString("100% sicher", "true");

  EXPECT_EQ(root.ReadBool("Visible"), false);
  EXPECT_EQ(datei.ReadBool("Visible"), true);
  EXPECT_EQ(SettingsKey(store, "Bars/Datei").ReadBool("Visible"), true);
  EXPECT_EQ(tools.ValueNames(),
            (std::vector<std::string>{"100% sicher", "Notizen/Liste", "Rechner"}));
  EXPECT_EQ(tools.ReadString("Notizen/Liste"), "gedit liste.txt");
  EXPECT_TRUE(SettingsKey(store, "Bars").Exists());
  EXPECT_FALSE(SettingsKey(store, "Bars\\Filter").Exists());
  EXPECT_EQ(root.ValueNames(), std::vector<std::string>{"Visible"});
}

TEST_F(SettingsStoreTest, DeletedValueIsMissing) {
  SettingsStore store(file);
  SettingsKey key(store);
  key.WriteString("Online_Proxy", "proxy");
  key.DeleteValue("Online_Proxy");
  EXPECT_EQ(key.TypeOf("Online_Proxy"), SettingsValueType::kMissing);
  EXPECT_TRUE(key.ValueNames().empty());
}

TEST_F(SettingsStoreTest, FileIsReadableIniWithRegistryStyleIntegers) {
  {
    SettingsStore store(file);
    SettingsKey key(store);
    key.WriteInteger("Printer_Font_Size", 10);
    key.WriteString("URL", "https://example.org/");
  }
  const std::string text = test::ReadFileBytes(file);
  EXPECT_NE(text.find("[3]"), std::string::npos) << text;
  EXPECT_NE(text.find("Printer_Font_Size=dword:0000000a"), std::string::npos) << text;
  EXPECT_NE(text.find("URL=https://example.org/"), std::string::npos) << text;
}

TEST_F(SettingsStoreTest, HandEditedFileIsRead) {
  std::filesystem::create_directories(file.parent_path());
  test::WriteFileBytes(file,
                       "[3]\nKatGl=dword:00000000\nAutoSaveTime=7\nDatumFormat=yyyy-mm-dd\n"
                       "Graphik_Pos=dword:zz\n");
  SettingsStore store(file);
  const SettingsKey key(store);
  EXPECT_EQ(key.ReadBool("KatGl"), false);
  EXPECT_EQ(key.ReadString("AutoSaveTime"), "7");
  EXPECT_EQ(key.ReadString("DatumFormat"), "yyyy-mm-dd");
  // Not a well-formed Integer: a text, so reading it as an Integer fails.
  EXPECT_EQ(key.ReadInteger("Graphik_Pos"), std::nullopt);
  EXPECT_EQ(key.ReadString("Graphik_Pos"), "dword:zz");
}

TEST_F(SettingsStoreTest, StoreBelowAFileIsNotAccessibleAndIgnoresWrites) {
  test::WriteFileBytes(dir / "plain", "x");
  SettingsStore store(dir / "plain" / "Korvex.conf");
  EXPECT_FALSE(store.IsAccessible());
  SettingsKey key(store);
  key.WriteInteger("WdLinks", 5);
  EXPECT_EQ(key.ReadInteger("WdLinks"), std::nullopt);
  EXPECT_FALSE(store.Flush());
}

TEST_F(SettingsStoreTest, EnvironmentVariableRedirectsTheDefaultStore) {
  const std::filesystem::path redirected = dir / "elsewhere.conf";
  ASSERT_EQ(setenv("KORVEX_SETTINGS_FILE", redirected.c_str(), 1), 0);
  {
    SettingsStore store;
    EXPECT_EQ(store.file(), redirected);
    SettingsKey(store).WriteInteger("WdOben", 3);
  }
  unsetenv("KORVEX_SETTINGS_FILE");
  SettingsStore reopened(redirected);
  EXPECT_EQ(SettingsKey(reopened).ReadInteger("WdOben"), 3);
  EXPECT_NE(SettingsStore::DefaultFile(), redirected);
}

}  // namespace
}  // namespace korvex
