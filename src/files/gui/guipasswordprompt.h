#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/passwordprompt.h"

namespace korvex {
class MessageService;
}

namespace korvex::gui {

// The window's answer to a file reader that needs a password: the asking form of TPasswort.
//
//   GuiPasswordPrompt prompt(messages, mainWindow);
//   OpenCollectionFile(path, document, prompt, ...);
//
// "Abbruch" answers nothing, so the reader stops asking at once, even with a text typed; "OK"
// answers the typed text in Windows-1252.
class GuiPasswordPrompt final : public PasswordPrompt {
 public:
  GuiPasswordPrompt(MessageService& messages, QWidget* parent);

  std::optional<std::string> AskPassword(const std::string& file_name) override;
  // The legacy reader's question; "Schreib&geschützt" is shown when it is offered.
  PasswordAnswer AskPasswordOrWriteProtected(const std::string& file_name,
                                             bool offer_write_protected) override;

 private:
  MessageService& messages_;
  QPointer<QWidget> parent_;
};

}  // namespace korvex::gui
