#include "cli/commandsupport.h"

#include <iostream>

#include "model/codepage.h"
#include "model/numbertext.h"

namespace korvex::cli {

std::optional<Arguments> ParseCommand(const Command& command, const std::vector<std::string>& words,
                                      const OptionSet& options, std::size_t positional) {
  Arguments arguments(words, options.with_value, options.flags);
  if (arguments.Help()) {
    std::cout << command.help;
    return std::nullopt;
  }
  arguments.ExpectPositional(positional);
  return arguments;
}

void PrintTabLine(const std::vector<std::string>& win1252_cells) {
  std::string line;
  for (std::size_t i = 0; i < win1252_cells.size(); ++i) {
    if (i > 0) line += '\t';
    line += Win1252ToUtf8(win1252_cells[i]);
  }
  std::cout << line << '\n';
}

int ParseWholeNumber(const std::string& text, const std::string& option) {
  int value = 0;
  if (!ParseInt32(text, value)) {
    throw UsageError("Option " + option + " erwartet eine ganze Zahl statt „" + text + "“.");
  }
  return value;
}

}  // namespace korvex::cli
