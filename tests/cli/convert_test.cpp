// convert: the dump of a converted copy equals the original's, passwords, and input files that
// are never written over.
#include <gtest/gtest.h>

#include "cli/clirunner.h"
#include "cli/clitestfiles.h"
#include "common/tempdir.h"

namespace korvex::test {
namespace {

using nlohmann::json;

json WithoutVersion(json dump) {
  dump.erase("file_version");
  return dump;
}

std::vector<std::string> FileNames(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(CliConvert, ConvertedCopyDumpsLikeTheOriginal) {
  TempDir dir;
  struct Case {
    std::filesystem::path input;
    std::string output;
    std::vector<std::string> options;
    std::string password_in, password_out;
  };
  const std::vector<Case> cases = {
      {WriteToolCollection(dir / "plain.mvs"), "a.mvc", {}, "", ""},
      {WriteToolCollection(dir / "plain.mvc"), "b.mvs", {}, "", ""},
      {WriteToolCollection(dir / "locked.mvc", "Sesam"), "c.mvc", {"--password", "Sesam"}, "Sesam",
       "Sesam"},
      {dir / "locked.mvc", "d.mvs", {"--password", "Sesam", "--no-password"}, "Sesam", ""},
      {dir / "plain.mvs", "e.mvc", {"--new-password", "Neu"}, "", "Neu"},
      {WriteLegacyCollection(dir / "v100.kvl", 100), "f.mvc", {}, "", ""},
      {WriteLegacyCollection(dir / "v120.kvl", 120), "g.mvs", {}, "", ""},
      {WriteLegacyCollection(dir / "v200.kvl", 200), "h.mvc", {}, "", ""},
      {WriteLegacyCollection(dir / "v250.kvl", 250, "Alt"), "i.mvc", {"--password", "Alt"}, "Alt",
       "Alt"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments{"convert", c.input.string(), (dir / c.output).string()};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    const CliResult result = RunCli(arguments);
    ASSERT_EQ(result.exit_code, 0) << c.output << ": " << result.err;
    EXPECT_TRUE(result.err.empty()) << result.err;

    const json original = DumpJson(c.input, c.password_in);
    const json copy = DumpJson(dir / c.output, c.password_out);
    EXPECT_EQ(copy["file_version"], 1.0) << c.output;
    EXPECT_EQ(WithoutVersion(copy), WithoutVersion(original)) << c.output;
  }
  // The legacy files were converted to the names asked for and nothing else appeared beside them.
  EXPECT_EQ(FileNames(dir.path()), (std::vector<std::string>{"a.mvc", "b.mvs", "c.mvc", "d.mvs", "e.mvc",
                                                       "f.mvc", "g.mvs", "h.mvc", "i.mvc",
                                                       "locked.mvc", "plain.mvc", "plain.mvs",
                                                       "v100.kvl", "v120.kvl", "v200.kvl",
                                                       "v250.kvl"}));
}

TEST(CliConvert, PasswordsFollowTheOptions) {
  TempDir dir;
  const auto locked = WriteToolCollection(dir / "locked.mvc", "Sesam");
  const auto plain = WriteToolCollection(dir / "plain.mvs");

  // A protected collection is not written as plain XML unless the password is dropped.
  const CliResult refused = RunCli({"convert", locked.string(), (dir / "x.mvs").string(),
                                    "--password", "Sesam"});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_NE(refused.err.find("--no-password"), std::string::npos) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "x.mvs"));

  const CliResult legacy = RunCli({"convert", WriteLegacyCollection(dir / "p.kvl", 200, "Alt").string(),
                                   (dir / "p.mvs").string(), "--password", "Alt"});
  EXPECT_EQ(legacy.exit_code, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "p.mvs"));

  // Dropped: the copy opens without a password.
  ASSERT_EQ(RunCli({"convert", locked.string(), (dir / "open.mvc").string(), "--password", "Sesam",
                    "--no-password"}).exit_code, 0);
  const CliResult info = RunCli({"info", (dir / "open.mvc").string()});
  EXPECT_EQ(info.exit_code, 0) << info.err;
  EXPECT_NE(info.out.find("Passwort: nein\n"), std::string::npos) << info.out;

  // Added: the new file needs the new password.
  ASSERT_EQ(RunCli({"convert", plain.string(), (dir / "new.mvc").string(), "--new-password",
                    "Tür"}).exit_code, 0);
  EXPECT_EQ(RunCli({"dump", (dir / "new.mvc").string()}).exit_code, 1);
  EXPECT_EQ(RunCli({"dump", (dir / "new.mvc").string(), "--password", "Tür"}).exit_code, 0);
}

TEST(CliConvert, NeverWritesOverAnInputFile) {
  TempDir dir;
  const auto input = WriteToolCollection(dir / "s.mvc");
  const std::string before = ReadFileBytes(input);

  const CliResult same = RunCli({"convert", input.string(), input.string()});
  EXPECT_EQ(same.exit_code, 1);
  EXPECT_NE(same.err.find("zugleich eine Eingabedatei"), std::string::npos) << same.err;
  const CliResult other_spelling =
      RunCli({"convert", input.string(), (dir / "." / "s.mvc").string()});
  EXPECT_EQ(other_spelling.exit_code, 1);

  // Saving s.mvc over an existing s.mvc would move it to s.alteversion.mvc, deleting the input
  // of that name first.
  const auto older = WriteToolCollection(dir / "s.alteversion.mvc");
  const std::string older_before = ReadFileBytes(older);
  const CliResult previous = RunCli({"convert", older.string(), input.string()});
  EXPECT_EQ(previous.exit_code, 1);
  EXPECT_NE(previous.err.find("Vorversion"), std::string::npos) << previous.err;

  EXPECT_EQ(ReadFileBytes(input), before);
  EXPECT_EQ(ReadFileBytes(older), older_before);
  EXPECT_EQ(FileNames(dir.path()), (std::vector<std::string>{"s.alteversion.mvc", "s.mvc"}));
}

TEST(CliConvert, KeepsAnExistingOutputAsPreviousVersion) {
  TempDir dir;
  const auto first = WriteToolCollection(dir / "a.mvs");
  const auto second = WriteLegacyCollection(dir / "b.kvl", 250);
  ASSERT_EQ(RunCli({"convert", first.string(), (dir / "out.mvc").string()}).exit_code, 0);
  const std::string first_output = ReadFileBytes(dir / "out.mvc");
  ASSERT_EQ(RunCli({"convert", second.string(), (dir / "out.mvc").string()}).exit_code, 0);
  EXPECT_EQ(ReadFileBytes(dir / "out.alteversion.mvc"), first_output);
  EXPECT_EQ(DumpJson(dir / "out.mvc")["coins"].size(), 3u);
}

TEST(CliConvert, DamagedInputWritesNothing) {
  TempDir dir;
  WriteFileBytes(dir / "kaputt.mvc", std::string("PK\x05\x06", 4) + std::string(18, '\0'));
  WriteFileBytes(dir / "kaputt.kvl", "Korvexia_250\x01");
  for (const char* input : {"kaputt.mvc", "kaputt.kvl", "fehlt.mvs"}) {
    const CliResult result = RunCli({"convert", (dir / input).string(), (dir / "out.mvc").string()});
    EXPECT_EQ(result.exit_code, 1) << input;
    EXPECT_FALSE(result.err.empty()) << input;
    EXPECT_FALSE(std::filesystem::exists(dir / "out.mvc")) << input;
  }
}

}  // namespace
}  // namespace korvex::test
