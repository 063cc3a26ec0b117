#include "mainwindow/gui/waitwindowprogress.h"

#include <QProgressBar>

#include <algorithm>

namespace korvex::gui {

WaitWindowProgress::~WaitWindowProgress() { Close(); }

void WaitWindowProgress::ProgressBegin(const std::string& text) {
  if (text.empty()) {
    Close();
    return;
  }
  if (!window_) window_ = new TWaitwindow(parent_);
  window_->Fortschritt->setRange(0, 1);
  window_->Fortschritt->setValue(0);
  last_percent_ = -1;
  window_->show();
}

void WaitWindowProgress::ProgressTotal(int total) {
  if (window_) window_->Fortschritt->setRange(0, total > 0 ? total : 1);
}

void WaitWindowProgress::ProgressSet(int step) {
  if (!window_) return;
  window_->Fortschritt->setValue(std::min(step, window_->Fortschritt->maximum()));
  Repaint();
}

void WaitWindowProgress::ProgressStep() {
  if (window_) ProgressSet(window_->Fortschritt->value() + 1);
}

void WaitWindowProgress::Close() {
  delete window_.data();
}

void WaitWindowProgress::Repaint() {
  // The work runs on the user-interface thread; painting once per percent keeps the bar moving
  // without slowing a large collection down.
  const QProgressBar* bar = window_->Fortschritt;
  const int percent = static_cast<int>(100LL * bar->value() / std::max(1, bar->maximum()));
  if (percent == last_percent_) return;
  last_percent_ = percent;
  window_->Fortschritt->repaint();
}

}  // namespace korvex::gui
