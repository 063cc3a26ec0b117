#include "mainwindow/gui/qtmainwindowdialogs.h"

#include "dialogs/areadefinition/tdefkat.h"
#include "dialogs/gui/tpasswort.h"

namespace korvex {

MainWindowDialogs::PasswordAnswer QtMainWindowDialogs::AskNewPassword() {
  gui::TPasswort dialog(gui::TPasswort::Form::kSetting, messages_, parent_);
  switch (dialog.Run()) {
    case gui::TPasswort::Result::kOk: return {PasswordAction::kSet, dialog.PasswordText()};
    case gui::TPasswort::Result::kDelete: return {PasswordAction::kDelete, {}};
    default: return {PasswordAction::kCancel, {}};
  }
}

bool QtMainWindowDialogs::DefineAreas(CollectionDocument& document) {
  gui::TDefKat dialog(document, parent_);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace korvex
