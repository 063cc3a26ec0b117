#pragma once

#include <optional>
#include <string>

namespace korvex {

// Asks the user for the password of a protected file (the asking form of the password dialog).
// `file_name` is the UTF-8 name shown to the user. Nothing means the user cancelled; the answer
// is Windows-1252 like every password held by the program.
class PasswordPrompt {
 public:
  virtual ~PasswordPrompt() = default;
  virtual std::optional<std::string> AskPassword(const std::string& file_name) = 0;
};

}  // namespace korvex
