#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace korvex {

// Lets the autosave timer's ticks through only between commands. A tick reaches the window
// through the event loop, and a command that waits in a modal dialog or question runs such a
// loop itself; saving there would write a half-done state over the good file. A tick that comes
// while a command runs or a modal dialog is open is held back and runs once both are over.
class AutosaveGate final : public QObject {
 public:
  // How often a held-back tick looks again whether the way is free.
  static constexpr int kRetryMilliseconds = 250;

  explicit AutosaveGate(std::function<void()> save, QObject* parent = nullptr);

  // Marks a command as running while the returned value lives.
  class CommandScope {
   public:
    explicit CommandScope(AutosaveGate* gate);
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;
    ~CommandScope();

   private:
    AutosaveGate* gate_;
  };
  [[nodiscard]] CommandScope CommandRuns() { return CommandScope(this); }

  // A tick of the autosave timer: saves now, or once the running command has finished.
  void Tick();
  bool Pending() const { return pending_; }

 private:
  bool Busy() const;
  void CommandFinished();

  std::function<void()> save_;
  QTimer retry_;
  int running_ = 0;
  bool pending_ = false;
};

}  // namespace korvex
