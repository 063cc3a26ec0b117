#include "files/gui/guipasswordprompt.h"

#include "files/gui/tpasswort.h"

namespace korvex::gui {

GuiPasswordPrompt::GuiPasswordPrompt(MessageService& messages, QWidget* parent)
    : messages_(messages), parent_(parent) {}

std::optional<std::string> GuiPasswordPrompt::AskPassword(const std::string& file_name) {
  const PasswordAnswer answer = AskPasswordOrWriteProtected(file_name, false);
  if (answer.button != PasswordAnswer::Button::kOk) return std::nullopt;
  return answer.text;
}

PasswordAnswer GuiPasswordPrompt::AskPasswordOrWriteProtected(const std::string& file_name,
                                                              bool offer_write_protected) {
  TPasswort dialog(
      offer_write_protected ? TPasswort::Form::kAskingWriteProtected : TPasswort::Form::kAsking,
      messages_, parent_);
  // The caption stays "Passwort"; the file in question is named where the pointer rests.
  if (!file_name.empty()) dialog.setToolTip(QString::fromUtf8(file_name.c_str()));
  PasswordAnswer answer;
  switch (dialog.Run()) {
    case TPasswort::Result::kOk: answer.button = PasswordAnswer::Button::kOk; break;
    case TPasswort::Result::kReadOnly:
      answer.button = PasswordAnswer::Button::kWriteProtected;
      break;
    default: answer.button = PasswordAnswer::Button::kCancel; break;
  }
  answer.text = dialog.PasswordText();
  return answer;
}

}  // namespace korvex::gui
