#pragma once

#include "mainwindow/gui/mainwindowdialogs.h"

class QWidget;

namespace korvex {

class MessageService;

// The real dialogs behind the main window's commands, shown modally over the window.
class QtMainWindowDialogs final : public MainWindowDialogs {
 public:
  QtMainWindowDialogs(MessageService& messages, QWidget* parent) : messages_(messages), parent_(parent) {}

  PasswordAnswer AskNewPassword() override;
  bool DefineAreas(CollectionDocument& document) override;

 private:
  MessageService& messages_;
  QWidget* parent_;
};

}  // namespace korvex
