#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace korvex::test {

// Runs `action` on the next modal dialog of type T once the event loop shows it, so a test can
// drive a dialog that the code under test opens with exec(). `seen` tells whether the dialog
// came. A modal window of another type is closed, so that a wrong dialog ends the test's wait
// instead of blocking it.
template <typename T>
void WhenModalShown(std::function<void(T&)> action, bool* seen = nullptr, int tries_left = 100) {
  QTimer::singleShot(0, [action, seen, tries_left] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      if (tries_left > 0) WhenModalShown<T>(action, seen, tries_left - 1);
      return;
    }
    auto* dialog = qobject_cast<T*>(modal);
    if (seen != nullptr) *seen = dialog != nullptr;
    if (dialog == nullptr) {
      modal->close();
      return;
    }
    action(*dialog);
  });
}

}  // namespace korvex::test
