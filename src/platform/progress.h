#pragma once

#include <string>

namespace korvex {

// The status line's progress display as long operations drive it. `ProgressBegin` takes the text
// shown before the percentage (UTF-8); an empty text ends the display.
class Progress {
 public:
  virtual ~Progress() = default;
  virtual void ProgressBegin(const std::string& text) = 0;
  virtual void ProgressTotal(int total) = 0;
  virtual void ProgressSet(int step) = 0;
  virtual void ProgressStep() = 0;
  void ProgressEnd() { ProgressBegin({}); }
};

// For callers that show no progress.
class NoProgress final : public Progress {
 public:
  void ProgressBegin(const std::string&) override {}
  void ProgressTotal(int) override {}
  void ProgressSet(int) override {}
  void ProgressStep() override {}
};

}  // namespace korvex
