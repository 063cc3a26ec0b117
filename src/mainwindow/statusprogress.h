#pragma once

#include <functional>
#include <string>

#include "platform/progress.h"

namespace korvex {

// The progress display of the status bar: the remembered text followed by a percentage, e.g.
// "Lade Daten. Fertig:45%". Only steps that move the percentage by five points or more are shown
// (and the step that reaches 100), so a long loop repaints the status bar about twenty times.
// The status bar itself is reached through two callbacks: `show` receives the text to show alone
// (UTF-8), `end` switches back to the five panels.
class StatusProgress final : public Progress {
 public:
  using TextCallback = std::function<void(const std::string&)>;
  using EndCallback = std::function<void()>;

  StatusProgress(TextCallback show, EndCallback end) : show_(std::move(show)), end_(std::move(end)) {}

  // A non-empty text switches to the progress display and shows the text; an empty one ends it.
  void ProgressBegin(const std::string& text) override;
  void ProgressTotal(int total) override { total_ = total; }
  void ProgressSet(int step) override;
  // Shows the step after the last one set.
  void ProgressStep() override { ProgressSet(step_ + 1); }

  // Shows a text alone while the display is on, e.g. the closing "... 100% - Bild wird neu
  // aufgebaut..." of the currency conversion.
  void ShowText(const std::string& text);

  bool active() const { return active_; }
  int last_percentage() const { return last_percentage_; }

 private:
  TextCallback show_;
  EndCallback end_;
  std::string text_;
  bool active_ = false;
  int total_ = 0;
  int step_ = 0;
  int last_percentage_ = 0;
};

}  // namespace korvex
