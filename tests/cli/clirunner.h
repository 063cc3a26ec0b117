#pragma once

#include <string>
#include <vector>

namespace korvex::test {

struct CliResult {
  int exit_code = -1;
  std::string out;  // standard output
  std::string err;  // standard error
};

// Runs the built korvex-cli with `arguments`, standard input from /dev/null (so no password
// prompt), and the environment of the test plus `environment` ("NAME=value" entries, which
// replace variables of the same name).
CliResult RunCli(const std::vector<std::string>& arguments,
                 const std::vector<std::string>& environment = {});

// The lines of a text without their line ends ("\n").
std::vector<std::string> Lines(const std::string& text);

}  // namespace korvex::test
