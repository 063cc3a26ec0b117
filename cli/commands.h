#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvex::cli {

// One command of the tool: its name, the line it gets in the overview, the text of its --help
// and the function that runs it on the words after its name. A command returns the exit code;
// it throws UsageError (exit code 2) or CommandError (exit code 1) on failure.
struct Command {
  std::string_view name;
  std::string_view summary;
  std::string_view help;
  int (*run)(const std::vector<std::string>& words);
};

extern const Command kDumpCommand;
extern const Command kInfoCommand;
extern const Command kConvertCommand;
extern const Command kListCommand;
extern const Command kStatsCommand;
extern const Command kPrintCommand;
extern const Command kExportCommand;
extern const Command kImportCommand;
extern const Command kBackupCommand;
extern const Command kLookupCommand;

// Every command in the order of the overview.
const std::vector<const Command*>& AllCommands();

// Runs the command named by the first word and turns its failures into messages on standard
// error and the exit codes 1 and 2.
int RunCli(const std::vector<std::string>& words);

}  // namespace korvex::cli
