#pragma once

#include <optional>
#include <string>

namespace korvex {

// What the asking form of the password dialog answered when it may also offer to open a
// write-protected file without the password ("Schreib&geschützt").
struct PasswordAnswer {
  enum class Button { kOk, kCancel, kWriteProtected };
  Button button = Button::kCancel;
  std::string text;  // the typed password, Windows-1252
};

// Asks the user for the password of a protected file (the asking form of the password dialog).
// `file_name` is the UTF-8 name shown to the user. Nothing means the user cancelled; the answer
// is Windows-1252 like every password held by the program.
class PasswordPrompt {
 public:
  virtual ~PasswordPrompt() = default;
  virtual std::optional<std::string> AskPassword(const std::string& file_name) = 0;

  // The legacy reader's question: with `offer_write_protected` the dialog also shows the button
  // for opening the file write-protected. Prompts that cannot show that button answer through
  // AskPassword, which never chooses it.
  virtual PasswordAnswer AskPasswordOrWriteProtected(const std::string& file_name,
                                                     bool offer_write_protected) {
    (void)offer_write_protected;
    std::optional<std::string> typed = AskPassword(file_name);
    if (!typed) return {};
    return {PasswordAnswer::Button::kOk, *typed};
  }
};

}  // namespace korvex
