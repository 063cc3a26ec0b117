// export and import: separated text files, a round trip through both, and the import's answers
// to unknown columns and areas.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "cli/clirunner.h"
#include "cli/clitestfiles.h"
#include "common/tempdir.h"
#include "common/legacywriter.h"
#include "model/datetime.h"

namespace korvex::test {
namespace {

using nlohmann::json;

std::vector<std::string> CrLfSplit(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(start, bytes.size()) << "every line ends in CR LF";
  return lines;
}

std::filesystem::path WriteEmptyCollection(const std::filesystem::path& path) {
  CollectionDocument document;
  SaveCollection(document, path);
  return path;
}

std::map<std::string, json> CoinsByItem(const json& dump) {
  std::map<std::string, json> coins;
  for (const json& coin : dump["coins"]) coins[coin["item"]] = coin;
  return coins;
}

std::string AreaNameOf(const json& dump, const json& coin) {
  return dump["areas"][coin["category"].get<int>() - 1]["name"];
}

TEST(CliExport, WritesTheChosenCoinsWithTheChosenSeparator) {
  TempDir dir;
  const auto file = WriteToolCollection(dir / "s.mvc");
  ASSERT_EQ(RunCli({"export", file.string(), (dir / "alle.txt").string(), "--locale", "de"}).exit_code, 0);
  const std::vector<std::string> all = CrLfSplit(ReadFileBytes(dir / "alle.txt"));
  ASSERT_EQ(all.size(), 5u);
  EXPECT_EQ(all[0].rfind("Inventarnr.\tKategorie\t", 0), 0u) << all[0];
  EXPECT_EQ(std::count(all[0].begin(), all[0].end(), '\t'), 46);
  EXPECT_EQ(all[3].rfind("3\t\xD6sterreich\t2\t", 0), 0u) << "Windows-1252 text";
  EXPECT_NE(all[1].find("\t1.234,50\t"), std::string::npos);

  const CliResult area = RunCli({"export", file.string(), (dir / "at.csv").string(), "--scope",
                                 "area:2", "--separator", "semicolon", "--locale", "en"});
  ASSERT_EQ(area.exit_code, 0) << area.err;
  const std::vector<std::string> austria = CrLfSplit(ReadFileBytes(dir / "at.csv"));
  ASSERT_EQ(austria.size(), 3u);
  EXPECT_EQ(std::count(austria[1].begin(), austria[1].end(), ';'), 46);
  EXPECT_EQ(austria[1].rfind("3;", 0), 0u);
  EXPECT_EQ(austria[2].rfind("4;", 0), 0u);
  EXPECT_NE(austria[2].find(";10.00;"), std::string::npos);

  const CliResult no_area = RunCli({"export", file.string(), (dir / "x.txt").string(), "--scope", "area:5"});
  EXPECT_EQ(no_area.exit_code, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "x.txt"));
}

TEST(CliExport, DatesThatNameNoDayAreWrittenAsNoDate) {
  TempDir dir;
  // A legacy file whose dates a damaged file could hold.
  const double odd[] = {std::nan(""), 1e300, -HUGE_VAL};
  std::vector<std::unique_ptr<TDaten>> coins;
  LegacyFileLayout layout;
  for (int i = 0; i < 3; ++i) {
    auto coin = std::make_unique<TDaten>();
    coin->category = 1;
    coin->item = coin->schoen = std::to_string(i + 1);
    coin->purchasedate = odd[i];
    coin->creation = odd[(i + 1) % 3];
    coin->last = odd[(i + 2) % 3];
    layout.coins.push_back(coin.get());
    coins.push_back(std::move(coin));
  }
  auto dated = std::make_unique<TDaten>();
  dated->category = 1;
  dated->item = dated->schoen = "4";
  dated->purchasedate = *DayNumber(2001, 2, 3);
  layout.coins.push_back(dated.get());
  const auto file = dir / "alt.kvl";
  WriteFileBytes(file, BuildLegacyFile(layout).bytes);

  const CliResult result =
      RunCli({"export", file.string(), (dir / "alle.txt").string(), "--locale", "de"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const std::vector<std::string> lines = CrLfSplit(ReadFileBytes(dir / "alle.txt"));
  ASSERT_EQ(lines.size(), 5u);
  for (int i = 1; i <= 3; ++i) {
    std::vector<std::string> cells;
    for (std::size_t start = 0;;) {
      const std::size_t tab = lines[i].find('\t', start);
      cells.push_back(lines[i].substr(start, tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    ASSERT_EQ(cells.size(), 47u) << lines[i];
    EXPECT_EQ(cells[27], "00.00.0000") << lines[i];
    EXPECT_EQ(cells[37], "00.00.0000 00:00:00") << lines[i];
    EXPECT_EQ(cells[38], "00.00.0000 00:00:00") << lines[i];
  }

  // Sorted by purchase date they come after the coin with a date, in their order, as coins
  // without a date do. The first column shows the Schön number.
  const CliResult list = RunCli({"list", file.string(), "--sort", "24"});
  ASSERT_EQ(list.exit_code, 0) << list.err;
  std::vector<std::string> order;
  for (const std::string& line : Lines(list.out)) order.push_back(line.substr(0, line.find('\t')));
  EXPECT_EQ(order, (std::vector<std::string>{"Schön", "4", "1", "2", "3", "Summe"}));
  const CliResult dump = RunCli({"dump", file.string()});
  EXPECT_EQ(dump.exit_code, 0) << dump.err;
}

TEST(CliExport, ProtectedCollectionOnlyWhenPlainTextIsAllowed) {
  TempDir dir;
  const auto file = WriteToolCollection(dir / "s.mvc", "Sesam");
  const CliResult refused = RunCli({"export", file.string(), (dir / "a.txt").string(), "--password", "Sesam"});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_NE(refused.err.find("--unencrypted"), std::string::npos) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "a.txt"));

  const CliResult allowed = RunCli({"export", file.string(), (dir / "a.txt").string(), "--password",
                                    "Sesam", "--unencrypted"});
  EXPECT_EQ(allowed.exit_code, 0) << allowed.err;
  EXPECT_EQ(CrLfSplit(ReadFileBytes(dir / "a.txt")).size(), 5u);

  const CliResult over_input = RunCli({"export", file.string(), file.string(), "--password", "Sesam"});
  EXPECT_EQ(over_input.exit_code, 1);
  EXPECT_TRUE(DumpJson(file, "Sesam").is_object());
}

TEST(CliImport, ExportedCoinsComeBackIntoAnEmptyCollection) {
  TempDir dir;
  const auto source = WriteToolCollection(dir / "s.mvc");
  ASSERT_EQ(RunCli({"export", source.string(), (dir / "a.txt").string(), "--locale", "de"}).exit_code, 0);
  const auto empty = WriteEmptyCollection(dir / "leer.mvs");
  const std::string empty_before = ReadFileBytes(empty);

  const CliResult result = RunCli({"import", empty.string(), (dir / "a.txt").string(),
                                   (dir / "neu.mvc").string(), "--locale", "de"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "4 Münzen importiert.\n");
  // The creation and change dates carry a time and do not convert; that is reported.
  EXPECT_NE(result.err.find("Es konnten nicht alle Kaufdaten"), std::string::npos) << result.err;
  EXPECT_EQ(ReadFileBytes(empty), empty_before);

  const json dump = DumpJson(dir / "neu.mvc");
  ASSERT_TRUE(dump.is_object());
  EXPECT_EQ(dump["areas"].size(), 2u);
  std::map<std::string, json> coins = CoinsByItem(dump);
  ASSERT_EQ(coins.size(), 4u);
  EXPECT_EQ(AreaNameOf(dump, coins["1"]), "Deutschland");
  EXPECT_EQ(AreaNameOf(dump, coins["3"]), "Österreich");
  EXPECT_EQ(coins["1"]["catalogue"], 1234.5);
  EXPECT_EQ(coins["1"]["purchasedate"], DumpJson(source)["coins"][0]["purchasedate"]);
  EXPECT_EQ(coins["1"]["description"], "Notiz für Münze 1");
  EXPECT_EQ(coins["3"]["count"], 3);
  EXPECT_EQ(coins["3"]["av_motive"], "Edelweiß");
  EXPECT_EQ(dump["highest_item"], 4);
  // Sorted afterwards by the collection's keys: the standard order, Schön numbers ascending.
  std::vector<std::string> order;
  for (const json& coin : dump["coins"]) order.push_back(coin["item"]);
  EXPECT_EQ(order, (std::vector<std::string>{"4", "2", "1", "3"}));
}

class CliImportAnswers : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileBytes(dir_ / "neu.txt",
                   "Inventarnr.;Kategorie;Bemerkung;St.\r\n"
                   "10;Schweiz;rot;1\r\n"
                   "11;deutschland;blau;2\r\n"
                   "12;Schweiz;gelb;3\r\n");
  }

  json Import(const std::vector<std::string>& options) {
    std::vector<std::string> arguments{"import", collection_.string(), (dir_ / "neu.txt").string(),
                                       (dir_ / "out.mvs").string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const CliResult result = RunCli(arguments);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "3 Münzen importiert.\n");
    return DumpJson(dir_ / "out.mvs");
  }

  TempDir dir_;
  std::filesystem::path collection_ = WriteToolCollection(dir_ / "s.mvs");
};

TEST_F(CliImportAnswers, UnknownAreaNamesBecomeNewAreasByDefault) {
  const json dump = Import({});
  ASSERT_EQ(dump["areas"].size(), 3u);
  EXPECT_EQ(dump["areas"][2]["name"], "Schweiz");
  EXPECT_EQ(dump["areas"][2]["short"], "Sch");
  std::map<std::string, json> coins = CoinsByItem(dump);
  EXPECT_EQ(coins["10"]["category"], 3);
  EXPECT_EQ(coins["12"]["category"], 3);
  EXPECT_EQ(coins["11"]["category"], 1);
  // The unknown column goes into the note.
  EXPECT_EQ(coins["10"]["description"], "rot");
  EXPECT_EQ(coins["11"]["count"], 2);
  EXPECT_EQ(dump["coin_count"], 7);
}

TEST_F(CliImportAnswers, SingleAreaOrAGivenArea) {
  const json single = Import({"--unknown-area", "single"});
  ASSERT_EQ(single["areas"].size(), 3u);
  EXPECT_EQ(single["areas"][2]["name"], "Münzen ohne Kategorie");
  EXPECT_EQ(single["areas"][2]["short"], "??");
  EXPECT_EQ(CoinsByItem(single)["12"]["category"], 3);

  const json given = Import({"--unknown-area", "2"});
  ASSERT_EQ(given["areas"].size(), 2u);
  std::map<std::string, json> coins = CoinsByItem(given);
  EXPECT_EQ(coins["10"]["category"], 2);
  EXPECT_EQ(coins["12"]["category"], 2);
  EXPECT_EQ(coins["11"]["category"], 1);

  const CliResult no_area = RunCli({"import", collection_.string(), (dir_ / "neu.txt").string(),
                                    (dir_ / "x.mvs").string(), "--unknown-area", "3"});
  EXPECT_EQ(no_area.exit_code, 1);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "x.mvs"));
}

TEST_F(CliImportAnswers, UnknownColumnFillsTheNamedElement) {
  const json dump = Import({"--unknown-column", "land"});
  std::map<std::string, json> coins = CoinsByItem(dump);
  EXPECT_EQ(coins["10"]["country"], "rot");
  EXPECT_EQ(coins["11"]["country"], "blau");
  EXPECT_EQ(coins["10"]["description"], "");
}

TEST_F(CliImportAnswers, RefusesToWriteOverItsInputsAndUnreadableFiles) {
  const std::string before = ReadFileBytes(collection_);
  const std::string text_before = ReadFileBytes(dir_ / "neu.txt");
  for (const std::filesystem::path& output : {collection_, dir_ / "neu.txt"}) {
    const CliResult result = RunCli({"import", collection_.string(), (dir_ / "neu.txt").string(),
                                     output.string()});
    EXPECT_NE(result.exit_code, 0) << output;
  }
  EXPECT_EQ(ReadFileBytes(collection_), before);
  EXPECT_EQ(ReadFileBytes(dir_ / "neu.txt"), text_before);

  const CliResult missing = RunCli({"import", collection_.string(), (dir_ / "fehlt.txt").string(),
                                    (dir_ / "out.mvs").string()});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_NE(missing.err.find("kann nicht gelesen werden"), std::string::npos) << missing.err;
  EXPECT_FALSE(std::filesystem::exists(dir_ / "out.mvs"));

  const auto locked = WriteToolCollection(dir_ / "locked.mvc", "Sesam");
  const CliResult plain = RunCli({"import", locked.string(), (dir_ / "neu.txt").string(),
                                  (dir_ / "out.mvs").string(), "--password", "Sesam"});
  EXPECT_EQ(plain.exit_code, 1);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "out.mvs"));
  const CliResult compressed = RunCli({"import", locked.string(), (dir_ / "neu.txt").string(),
                                       (dir_ / "out.mvc").string(), "--password", "Sesam"});
  EXPECT_EQ(compressed.exit_code, 0) << compressed.err;
  EXPECT_EQ(RunCli({"dump", (dir_ / "out.mvc").string()}).exit_code, 1) << "still protected";
  EXPECT_EQ(DumpJson(dir_ / "out.mvc", "Sesam")["coin_count"], 7);
}

}  // namespace
}  // namespace korvex::test
