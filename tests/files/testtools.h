#pragma once

#include <deque>
#include <optional>
#include <string>

#include "platform/passwordprompt.h"

namespace korvex::test {

// Runs a shell command line; returns its exit status and, when asked, its standard output.
int RunCommand(const std::string& command, std::string* output = nullptr);

// Single quotes for a shell argument.
std::string ShellQuoted(const std::string& text);

// Answers password questions from a script; nothing left answers as a cancelled dialog.
class ScriptedPasswords : public PasswordPrompt {
 public:
  explicit ScriptedPasswords(std::deque<std::optional<std::string>> answers = {})
      : answers_(std::move(answers)) {}
  std::optional<std::string> AskPassword(const std::string& file_name) override {
    ++asked;
    last_file_name = file_name;
    if (answers_.empty()) return std::nullopt;
    auto answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  int asked = 0;
  std::string last_file_name;

 private:
  std::deque<std::optional<std::string>> answers_;
};

}  // namespace korvex::test
