#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"

namespace korvex::cli {

// The options of a command: those that take a value and the switches.
struct OptionSet {
  std::set<std::string> with_value;
  std::set<std::string> flags;
};

// Parses the words of `command`. With --help the help text goes to standard output and nothing
// is returned; otherwise exactly `positional` arguments are required.
std::optional<Arguments> ParseCommand(const Command& command, const std::vector<std::string>& words,
                                      const OptionSet& options, std::size_t positional);

// Writes Windows-1252 cells as one tab-separated UTF-8 line to standard output.
void PrintTabLine(const std::vector<std::string>& win1252_cells);

// A whole number from an option value; UsageError naming the option otherwise.
int ParseWholeNumber(const std::string& text, const std::string& option);

}  // namespace korvex::cli
