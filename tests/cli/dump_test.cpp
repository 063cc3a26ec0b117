// dump and info on every kind of file, protected, damaged and missing ones included.
#include <gtest/gtest.h>

#include "cli/clirunner.h"
#include "cli/clitestfiles.h"
#include "common/tempdir.h"
#include "model/datetime.h"

namespace korvex::test {
namespace {

using nlohmann::json;

const char* const kNotACollection = "Diese Datei ist keine Korvex-Datei oder die Datei ist beschädigt.";
const char* const kWrongPassword = "Die gewünschte Datei ist mit einem Passwort geschützt.";

TEST(CliDump, GivesEveryMemberOfTheDocument) {
  TempDir dir;
  const json dump = DumpJson(WriteToolCollection(dir / "s.mvs"));
  ASSERT_TRUE(dump.is_object());
  EXPECT_EQ(dump["file_version"], 1.0);
  EXPECT_EQ(dump["currency"], "€");
  EXPECT_EQ(dump["current_view"], 2147483647);
  EXPECT_EQ(dump["standard_order"], false);
  // The file stores the keys in use; those not stored read back as 0, no key.
  EXPECT_EQ(dump["sort_keys"], json::array({-2, 0, 0, 0, 0}));
  EXPECT_EQ(dump["highest_item"], 4);
  EXPECT_EQ(dump["coin_count"], 4);
  EXPECT_EQ(dump["all_cells"][2], (json{{"type", 20}, {"width", 70}, {"align", 1}}));
  EXPECT_EQ(dump["alignment"].size(), 47u);

  const json& areas = dump["areas"];
  ASSERT_EQ(areas.size(), 2u);
  EXPECT_EQ(areas[0]["name"], "Deutschland");
  EXPECT_EQ(areas[1]["name"], "Österreich");
  EXPECT_EQ(areas[1]["short"], "AUT");
  EXPECT_EQ(areas[1]["category"], 2);
  EXPECT_EQ(areas[1]["z_active"], json::array({1, 0, 0, 0, 0}));
  EXPECT_EQ(areas[1]["z_name"][0], "Prägezeichen");
  EXPECT_EQ(areas[1]["cells"].size(), 3u);
  EXPECT_EQ(areas[1]["number_kind"].size(), 3u);
  EXPECT_EQ(areas[1]["kind_in_use"].size(), 6u);
  EXPECT_EQ(areas[0]["city"], 0);
  EXPECT_EQ(areas[0]["quality"], 1);

  const json& coins = dump["coins"];
  ASSERT_EQ(coins.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(coins[i]["item"], std::to_string(i + 1));
  EXPECT_EQ(coins[0]["catalogue"], 1234.5);
  EXPECT_EQ(coins[0]["count"], 2);
  EXPECT_EQ(coins[0]["purchasedate"], *DayNumber(2001, 2, 3));
  EXPECT_EQ(coins[0]["description"], "Notiz für Münze 1");
  EXPECT_EQ(coins[0]["case"], 0);
  EXPECT_EQ(coins[0]["z_desc"].size(), 5u);
  EXPECT_EQ(coins[2]["av_motive"], "Edelweiß");
  EXPECT_EQ(coins[2]["category"], 2);
  EXPECT_EQ(coins[3]["purchasedate"], kNoDate);
}

TEST(CliDump, ReportsTheVersionInTheFile) {
  TempDir dir;
  const std::filesystem::path current = WriteToolCollection(dir / "s.mvs");
  std::string xml = ReadFileBytes(current);
  const std::string written = "<version>1.0</version>";
  ASSERT_NE(xml.find(written), std::string::npos);
  xml.replace(xml.find(written), written.size(), "<version>0.2</version>");
  WriteFileBytes(dir / "alt.xml", xml);
  EXPECT_EQ(DumpJson(dir / "alt.xml")["file_version"], 0.2);
}

TEST(CliDump, ReadsLegacyFilesOfEveryVersion) {
  TempDir dir;
  for (int version : {100, 120, 200, 250}) {
    const auto file = WriteLegacyCollection(dir / ("alt" + std::to_string(version) + ".kvl"), version);
    const json dump = DumpJson(file);
    ASSERT_TRUE(dump.is_object()) << version;
    EXPECT_EQ(dump["file_version"], version);
    EXPECT_TRUE(dump["file_version"].is_number_integer());
    ASSERT_EQ(dump["areas"].size(), 2u);
    EXPECT_EQ(dump["areas"][1]["name"], "Österreich");
    ASSERT_EQ(dump["coins"].size(), 3u);
    EXPECT_EQ(dump["coins"][0]["av_motive"], "Bär");
    EXPECT_EQ(dump["coins"][0]["description"], "Erste Münze");
    EXPECT_EQ(dump["coins"][2]["circulation"], version == 250 ? 5000000000LL : 705032704LL)
        << "files before 250 hold the mintage in 32 bits";
    // Inventory numbers are stored from version 200 on; older coins are numbered when read.
    EXPECT_EQ(dump["coins"][1]["item"], version >= 200 ? "8" : "2");
    EXPECT_EQ(dump["coins"][0]["z_desc"][4], "Z-Fuenf") << "the area's caption";
  }
}

TEST(CliDump, ProtectedFilesNeedTheirPassword) {
  TempDir dir;
  const auto mvc = WriteToolCollection(dir / "geheim.mvc", "Sesam");
  const auto kvl = WriteLegacyCollection(dir / "geheim.kvl", 250, "Sesam");
  for (const auto& file : {mvc, kvl}) {
    const CliResult without = RunCli({"dump", file.string()});
    EXPECT_EQ(without.exit_code, 1) << file;
    EXPECT_TRUE(without.out.empty());
    EXPECT_NE(without.err.find("Passwort"), std::string::npos) << without.err;

    const CliResult wrong = RunCli({"dump", file.string(), "--password", "sesam"});
    EXPECT_EQ(wrong.exit_code, 1) << file;
    EXPECT_TRUE(wrong.out.empty());

    const json dump = DumpJson(file, "Sesam");
    ASSERT_TRUE(dump.is_object()) << file;
    EXPECT_EQ(dump["coins"].size(), file == mvc ? 4u : 3u);
  }
  EXPECT_NE(RunCli({"dump", mvc.string()}).err.find(kWrongPassword), std::string::npos);
}

TEST(CliDump, DamagedAndMissingFilesFailWithAClearMessage) {
  TempDir dir;
  WriteFileBytes(dir / "kaputt.mvc", "PK\x03\x04 this is no archive");
  WriteFileBytes(dir / "kaputt.mvs", "<deduvidarov><fileinfo>");
  std::string legacy = ReadFileBytes(WriteLegacyCollection(dir / "ganz.kvl", 250));
  WriteFileBytes(dir / "kaputt.kvl", legacy.substr(0, 30));  // cut inside the document part
  WriteFileBytes(dir / "fremd.kvl", "Kein Korvex");

  struct Case {
    std::string file;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"kaputt.mvc", kNotACollection},
      {"kaputt.mvs", kNotACollection},
      {"kaputt.kvl", "Datei konnte nicht geöffnet werden."},
      {"fremd.kvl", kNotACollection},
      {"fehlt.mvc", "Datei konnte nicht geladen werden."},
      {"fehlt.mvs", "Datei konnte nicht geladen werden."},
      {"fehlt.kvl", "Datei konnte nicht geöffnet werden."},
  };
  for (const Case& c : cases) {
    for (const char* command : {"dump", "info", "stats"}) {
      const CliResult result = RunCli({command, (dir / c.file).string()});
      EXPECT_EQ(result.exit_code, 1) << command << " " << c.file;
      EXPECT_TRUE(result.out.empty()) << c.file << ": " << result.out;
      EXPECT_NE(result.err.find(c.message), std::string::npos) << c.file << ": " << result.err;
    }
  }
}

TEST(CliDump, LegacyFileCutInItsNotesGivesEveryCoin) {
  TempDir dir;
  const std::string legacy = ReadFileBytes(WriteLegacyCollection(dir / "ganz.kvl", 250));
  WriteFileBytes(dir / "halb.kvl", legacy.substr(0, legacy.size() - 3));  // inside the last note
  const CliResult result = RunCli({"dump", (dir / "halb.kvl").string()});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_NE(result.err.find("Die Datei ist beschädigt."), std::string::npos) << result.err;
  const json dump = json::parse(result.out);
  ASSERT_EQ(dump["coins"].size(), 3u);
  EXPECT_EQ(dump["coins"][0]["description"], "Erste Münze");
  EXPECT_EQ(dump["coins"][2]["description"], "");
}

TEST(CliInfo, SummarisesFileKindVersionAndAreas) {
  TempDir dir;
  const auto mvc = WriteToolCollection(dir / "s.mvc", "Sesam");
  const CliResult result = RunCli({"info", mvc.string(), "--password", "Sesam"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const std::vector<std::string> lines = Lines(result.out);
  const std::vector<std::string> expected = {
      "Datei: " + mvc.string(),     "Dateiart: Korvex 3 (komprimiert)",
      "Version: 1.0",               "Währung: €",
      "Passwort: ja",               "Sammelgebiete: 2",
      "Münzen: 4",                  "Sammelgebiet 1: Deutschland (2 Stück)",
      "Sammelgebiet 2: Österreich (4 Stück)",
  };
  EXPECT_EQ(lines, expected);

  const CliResult legacy = RunCli({"info", WriteLegacyCollection(dir / "a.kvl", 120).string()});
  ASSERT_EQ(legacy.exit_code, 0) << legacy.err;
  EXPECT_NE(legacy.out.find("Dateiart: Korvex 2.x/1.x\nVersion: 120\n"), std::string::npos);
  EXPECT_NE(legacy.out.find("Passwort: nein\n"), std::string::npos);
}

}  // namespace
}  // namespace korvex::test
