#include "files/testtools.h"

#include <sys/wait.h>

#include <cstdio>

namespace korvex::test {

int RunCommand(const std::string& command, std::string* output) {
  std::FILE* pipe = popen((command + (output ? "" : " >/dev/null") + " 2>/dev/null").c_str(), "r");
  if (!pipe) return -1;
  char block[4096];
  size_t count;
  while ((count = std::fread(block, 1, sizeof block, pipe)) > 0) {
    if (output) output->append(block, count);
  }
  const int status = pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') quoted += "'\\''";
    else quoted += c;
  }
  return quoted + "'";
}

}  // namespace korvex::test
