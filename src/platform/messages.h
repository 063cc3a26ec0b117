#pragma once

#include <string>

namespace korvex {

enum class MessageKind { kError, kWarning, kInformation, kQuestion };
enum class MessageButtons { kOk, kCancel, kOkCancel, kYesNo, kYesNoCancel, kAbortRetryIgnore, kRetryCancel };
enum class MessageAnswer { kOk, kCancel, kYes, kNo, kAbort, kRetry, kIgnore };

// Every modal message and question of the program goes through this interface: the window shows
// a message box, tests answer from a script, the command-line tool prints. Texts are UTF-8.
class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual MessageAnswer Show(MessageKind kind, const std::string& text,
                             MessageButtons buttons = MessageButtons::kOk,
                             const std::string& caption = {}) = 0;

  void Error(const std::string& text) { Show(MessageKind::kError, text); }
  void Warning(const std::string& text) { Show(MessageKind::kWarning, text); }
  void Information(const std::string& text) { Show(MessageKind::kInformation, text); }
  bool AskYesNo(const std::string& text, MessageKind kind = MessageKind::kQuestion) {
    return Show(kind, text, MessageButtons::kYesNo) == MessageAnswer::kYes;
  }
};

}  // namespace korvex
