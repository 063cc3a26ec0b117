#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace korvex::test {

// Runs `action` on the next modal dialog of type T once the event loop shows it, so a test can
// drive a dialog that the code under test opens with exec(). Returns nothing; the action's own
// QVERIFY/QCOMPARE calls record failures, and a dialog that never appears leaves `seen` false.
template <typename T>
void WhenModalShown(std::function<void(T&)> action, bool* seen = nullptr) {
  QTimer::singleShot(0, [action, seen] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (seen != nullptr) *seen = dialog != nullptr;
    if (dialog == nullptr) {
      if (QWidget* other = QApplication::activeModalWidget()) other->close();
      return;
    }
    action(*dialog);
  });
}

}  // namespace korvex::test
