#pragma once

#include <QPointer>
#include <QWidget>

#include "mainwindow/gui/waitwindow.h"
#include "platform/progress.h"

namespace korvex::gui {

// Shows a long operation of known length in the wait window "Arbeite. Bitte warten...": the bar
// counts the real steps instead of moving by itself. The window appears with ProgressBegin and
// closes with ProgressEnd.
class WaitWindowProgress final : public Progress {
 public:
  explicit WaitWindowProgress(QWidget* parent) : parent_(parent) {}
  ~WaitWindowProgress() override;
  WaitWindowProgress(const WaitWindowProgress&) = delete;
  WaitWindowProgress& operator=(const WaitWindowProgress&) = delete;

  void ProgressBegin(const std::string& text) override;
  void ProgressTotal(int total) override;
  void ProgressSet(int step) override;
  void ProgressStep() override;

 private:
  void Close();
  void Repaint();

  QWidget* parent_;
  QPointer<TWaitwindow> window_;  // goes with its parent should that close first
  int last_percent_ = -1;
};

}  // namespace korvex::gui
