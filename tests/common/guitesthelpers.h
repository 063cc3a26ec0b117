#pragma once

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/arearules.h"
#include "dialogs/gui/iconfilechooser.h"

namespace korvex::test {

// Answers the free-catalogue question with a fixed name and remembers what it was shown.
class ScriptedNameAsker : public CatalogueNameAsker {
 public:
  explicit ScriptedNameAsker(std::string answer) : answer_(std::move(answer)) {}
  std::string AskCatalogueName(const std::string& current) override {
    asked.push_back(current);
    return answer_;
  }
  std::vector<std::string> asked;

 private:
  std::string answer_;
};

// Picks a fixed picture file (or cancels) and remembers the folder it was opened in.
class ScriptedIconChooser : public gui::IconFileChooser {
 public:
  std::optional<std::filesystem::path> ChooseIcon(const std::filesystem::path& folder) override {
    folders.push_back(folder);
    return answer;
  }
  std::optional<std::filesystem::path> answer;
  std::vector<std::filesystem::path> folders;
};

// Types `text` into a widget key by key, umlauts included.
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
  }
}

// The user leaves a field (tabs or clicks elsewhere).
inline void LeaveField(QWidget* widget) {
  QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(widget, &event);
}

// Runs `action` on the modal dialog of type Dialog once the caller's exec() has shown it. Should
// the action fail before closing the dialog, the dialog is closed anyway so the test goes on.
template <typename Dialog>
void WhenShown(std::function<void(Dialog*)> action) {
  QTimer::singleShot(0, [action] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<Dialog*>(widget); dialog && dialog->isVisible()) {
        action(dialog);
        if (dialog->isVisible()) dialog->done(QDialog::Rejected);
        return;
      }
    }
    qFatal("the expected dialog was not shown");
  });
}

}  // namespace korvex::test
