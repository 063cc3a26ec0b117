#include "dialogs/gui/guipasswordprompt.h"

#include "dialogs/gui/tpasswort.h"

namespace korvex::gui {

GuiPasswordPrompt::GuiPasswordPrompt(MessageService& messages, QWidget* parent)
    : messages_(messages), parent_(parent) {}

std::optional<std::string> GuiPasswordPrompt::AskPassword(const std::string& file_name) {
  TPasswort dialog(TPasswort::Form::kAsking, messages_, parent_);
  if (!file_name.empty()) dialog.setToolTip(QString::fromUtf8(file_name.c_str()));
  if (dialog.Run() != TPasswort::Result::kOk) return std::nullopt;
  return dialog.PasswordText();
}

}  // namespace korvex::gui
