#pragma once

#include <optional>
#include <string>

#include "platform/messages.h"
#include "platform/passwordprompt.h"

namespace korvex::cli {

// Messages go to standard error. Questions cannot be asked: they take the safe answer (No,
// Cancel, Abort), so that nothing is ever written without being asked for on the command line;
// only a command whose option already gave the answer lets them take Yes.
class TerminalMessages : public MessageService {
 public:
  explicit TerminalMessages(bool questions_answered_yes = false)
      : questions_answered_yes_(questions_answered_yes) {}

  MessageAnswer Show(MessageKind kind, const std::string& text, MessageButtons buttons,
                     const std::string& caption) override;

 private:
  bool questions_answered_yes_;
};

// The password of `--password`, offered once; without it a prompt on a terminal (echo off) for
// each attempt. Without both, opening a protected file fails.
class TerminalPasswordPrompt : public PasswordPrompt {
 public:
  explicit TerminalPasswordPrompt(std::optional<std::string> given) : given_(std::move(given)) {}
  std::optional<std::string> AskPassword(const std::string& file_name) override;

 private:
  std::optional<std::string> given_;
  bool given_used_ = false;
};

}  // namespace korvex::cli
