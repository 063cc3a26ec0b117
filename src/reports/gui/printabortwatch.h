#pragma once

#include <QElapsedTimer>
#include <QObject>

namespace korvex {

// Watches a long printout: the windows keep repainting its progress, Escape aborts the job, and
// every other key, click or attempt to close the window waits until the printout is done, so
// that nothing changes the collection while it is printed.
class PrintAbortWatch final : public QObject {
  Q_OBJECT

 public:
  PrintAbortWatch();
  ~PrintAbortWatch() override;

  // Lets the pending events through, a few times a second; true once Escape was pressed.
  bool Aborted();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QElapsedTimer since_events_;
  bool aborted_ = false;
};

}  // namespace korvex
