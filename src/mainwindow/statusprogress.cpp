#include "mainwindow/statusprogress.h"

#include "model/rounding.h"

namespace korvex {

void StatusProgress::ProgressBegin(const std::string& text) {
  text_ = text;
  active_ = !text.empty();
  step_ = 0;
  last_percentage_ = 0;
  if (active_) {
    if (show_) show_(text_);
  } else if (end_) {
    end_();
  }
}

void StatusProgress::ProgressSet(int step) {
  step_ = step;
  if (step == 0) last_percentage_ = 0;
  if (total_ <= 0) return;
  const int percentage = static_cast<int>(RoundHalfEven(step * 100.0 / total_));
  if (percentage < last_percentage_ + 5 && percentage != 100) return;
  last_percentage_ = percentage;
  if (active_ && show_) show_(text_ + std::to_string(percentage) + "%");
}

void StatusProgress::ShowText(const std::string& text) {
  if (active_ && show_) show_(text);
}

}  // namespace korvex
