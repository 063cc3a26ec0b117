// backup: the archive holds the collection as ".mvs" and the lookup file, under the password.
#include <gtest/gtest.h>

#include "cli/clirunner.h"
#include "cli/clitestfiles.h"
#include "common/tempdir.h"
#include "files/ziparchive.h"

namespace korvex::test {
namespace {

TEST(CliBackup, ArchiveHoldsCollectionAndLookupFile) {
  TempDir dir;
  std::filesystem::create_directory(dir / "daten");
  const std::string lookup = "[Haendler]\r\n0=M\xFCnzhaus\r\n";
  WriteFileBytes(dir / "daten" / "korvex.ini", lookup);
  const auto file = WriteToolCollection(dir / "Sammlung.mvc", "Sesam");
  const std::vector<std::string> environment = {"KORVEX_DATA_DIR=" + (dir / "daten").string()};

  const CliResult result = RunCli({"backup", file.string(), (dir / "sicherung.zip").string(),
                                   "--password", "Sesam"}, environment);
  ASSERT_EQ(result.exit_code, 0) << result.err;

  const ZipReader archive(dir / "sicherung.zip");
  EXPECT_TRUE(archive.IsEncrypted("Sammlung.mvs"));
  EXPECT_THROW(archive.Read("Sammlung.mvs", "falsch"), EZipError);
  WriteFileBytes(dir / "zurueck.mvs", archive.Read("Sammlung.mvs", "Sesam"));
  EXPECT_EQ(DumpJson(dir / "zurueck.mvs")["coins"], DumpJson(file, "Sesam")["coins"]);
  EXPECT_EQ(archive.Read("korvex.ini", "Sesam"), lookup);
}

TEST(CliBackup, RefusesTheCollectionAsArchiveAndFailsOnDamage) {
  TempDir dir;
  const auto file = WriteToolCollection(dir / "Sammlung.mvc");
  const std::string before = ReadFileBytes(file);
  EXPECT_EQ(RunCli({"backup", file.string(), file.string()}).exit_code, 1);
  EXPECT_EQ(ReadFileBytes(file), before);

  WriteFileBytes(dir / "kaputt.mvs", "<kein/>");
  const CliResult damaged = RunCli({"backup", (dir / "kaputt.mvs").string(), (dir / "b.zip").string()});
  EXPECT_EQ(damaged.exit_code, 1);
  EXPECT_NE(damaged.err.find("beschädigt"), std::string::npos) << damaged.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "b.zip"));
}

}  // namespace
}  // namespace korvex::test
