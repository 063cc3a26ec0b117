#include "mainwindow/gui/autosavegate.h"

#include <QApplication>

namespace korvex {

AutosaveGate::AutosaveGate(std::function<void()> save, QObject* parent) : QObject(parent), save_(std::move(save)) {
  retry_.setSingleShot(true);
  connect(&retry_, &QTimer::timeout, this, &AutosaveGate::Tick);
}

AutosaveGate::CommandScope::CommandScope(AutosaveGate* gate) : gate_(gate) { ++gate_->running_; }

AutosaveGate::CommandScope::~CommandScope() { gate_->CommandFinished(); }

bool AutosaveGate::Busy() const { return running_ > 0 || QApplication::activeModalWidget() != nullptr; }

void AutosaveGate::Tick() {
  if (Busy()) {
    pending_ = true;
    // Looks again while a modal dialog of no command of ours stays open.
    if (!retry_.isActive()) retry_.start(kRetryMilliseconds);
    return;
  }
  pending_ = false;
  // The save may ask questions itself; a tick during them waits as well.
  const CommandScope saving(this);
  save_();
}

void AutosaveGate::CommandFinished() {
  // The held-back tick runs from the event loop, after the command has returned.
  if (--running_ == 0 && pending_) retry_.start(0);
}

}  // namespace korvex
