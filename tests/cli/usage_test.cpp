// The command line itself: help texts, wrong usage (exit code 2) and what every command refuses.
#include <gtest/gtest.h>

#include "cli/clirunner.h"
#include "cli/clitestfiles.h"
#include "common/tempdir.h"

namespace korvex::test {
namespace {

TEST(CliUsage, EveryCommandExplainsItselfWithHelp) {
  for (const std::string command :
       {"dump", "info", "convert", "list", "stats", "export", "import", "backup", "lookup"}) {
    const CliResult result = RunCli({command, "--help"});
    EXPECT_EQ(result.exit_code, 0) << command;
    EXPECT_EQ(result.out.rfind("Aufruf: korvex-cli " + command, 0), 0u) << result.out;
    EXPECT_TRUE(result.err.empty()) << command << ": " << result.err;
  }
  const CliResult show = RunCli({"lookup", "show", "--help"});
  EXPECT_EQ(show.exit_code, 0);
  EXPECT_NE(show.out.find("lookup show ABSCHNITT"), std::string::npos);
}

TEST(CliUsage, OverviewListsTheCommands) {
  const CliResult help = RunCli({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  for (const char* command : {"dump", "convert", "import", "lookup"}) {
    EXPECT_NE(help.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
  }
  const CliResult nothing = RunCli({});
  EXPECT_EQ(nothing.exit_code, 2);
  EXPECT_TRUE(nothing.out.empty());
  EXPECT_NE(nothing.err.find("Befehle:"), std::string::npos);
}

TEST(CliUsage, WrongUsageEndsWithExitCodeTwoAndAGermanMessage) {
  TempDir dir;
  const std::string file = WriteToolCollection(dir / "s.mvs").string();
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"frobnicate"}, "Unbekannter Befehl „frobnicate“"},
      {{"dump"}, "Falsche Anzahl von Argumenten"},
      {{"dump", file, file}, "Falsche Anzahl von Argumenten"},
      {{"dump", file, "--verbose"}, "Unbekannte Option: --verbose"},
      {{"dump", file, "--password"}, "Option --password braucht einen Wert."},
      {{"list", file, "--locale", "fr"}, "Option --locale erwartet de oder en"},
      {{"list", file, "--date-format", "yyyy"}, "braucht Tag (d), Monat (m) und Jahr (y)"},
      {{"list", file, "--filter", "rare"}, "Option --filter erwartet"},
      {{"list", file, "--sort", "3,47"}, "Sortierschlüssel 47 ist kein Feldtyp"},
      {{"list", file, "--sort", "1,2,3,4,5,6"}, "höchstens fünf Schlüssel"},
      {{"list", file, "--area", "eins"}, "Option --area erwartet eine ganze Zahl"},
      {{"export", file, (dir / "o.txt").string(), "--separator", "pipe"}, "Option --separator"},
      {{"export", file, (dir / "o.txt").string(), "--scope", "coin:1"}, "Option --scope"},
      {{"import", file, file, (dir / "o.mvs").string(), "--unknown-column", "Farbe"},
       "Unbekanntes Element „Farbe“"},
      {{"import", file, file, (dir / "o.mvs").string(), "--unknown-area", "neu"},
       "Option --unknown-area erwartet new, single"},
      {{"convert", file, (dir / "o.xml").string()}, "muss auf .mvc oder .mvs enden"},
      {{"convert", file, (dir / "o.mvs").string(), "--new-password", "x"}, "Nur .mvc-Dateien"},
      {{"convert", file, (dir / "o.mvc").string(), "--new-password", "x", "--no-password"},
       "schließen einander aus"},
      {{"info", (dir / "liste.txt").string()}, "ist keine Sammlungsdatei"},
      {{"lookup"}, "lookup braucht merge oder show"},
      {{"lookup", "show", "Farben"}, "Unbekannte Hilfsdatenbank „Farben“"},
  };
  for (const Case& c : cases) {
    const CliResult result = RunCli(c.arguments);
    EXPECT_EQ(result.exit_code, 2) << c.arguments[0] << " " << c.message << "\n" << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_TRUE(result.out.empty()) << result.out;
  }
  // Nothing was written by any of them.
  for (const char* name : {"o.txt", "o.mvs", "o.mvc", "o.xml"}) {
    EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
  }
}

}  // namespace
}  // namespace korvex::test
