#include "cli/terminal.h"

#include <termios.h>
#include <unistd.h>

#include <iostream>

#include "model/codepage.h"

namespace korvex::cli {

MessageAnswer TerminalMessages::Show(MessageKind kind, const std::string& text,
                                     MessageButtons buttons, const std::string&) {
  std::cerr << text << '\n';
  if (questions_answered_yes_ && (buttons == MessageButtons::kYesNo ||
                                  buttons == MessageButtons::kYesNoCancel)) {
    return MessageAnswer::kYes;
  }
  switch (buttons) {
    case MessageButtons::kOk: return MessageAnswer::kOk;
    case MessageButtons::kYesNo: return MessageAnswer::kNo;
    case MessageButtons::kAbortRetryIgnore: return MessageAnswer::kAbort;
    default: return MessageAnswer::kCancel;
  }
}

std::optional<std::string> TerminalPasswordPrompt::AskPassword(const std::string& file_name) {
  if (given_) {
    if (given_used_) return std::nullopt;
    given_used_ = true;
    return Utf8ToWin1252(*given_);
  }
  if (!isatty(STDIN_FILENO)) return std::nullopt;
  std::cerr << "Passwort für " << file_name << ": " << std::flush;
  termios saved{};
  tcgetattr(STDIN_FILENO, &saved);
  termios silent = saved;
  silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
  tcsetattr(STDIN_FILENO, TCSANOW, &silent);
  std::string answer;
  std::getline(std::cin, answer);
  tcsetattr(STDIN_FILENO, TCSANOW, &saved);
  std::cerr << '\n';
  if (answer.empty()) return std::nullopt;
  return Utf8ToWin1252(answer);
}

}  // namespace korvex::cli
