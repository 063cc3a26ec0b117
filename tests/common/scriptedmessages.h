#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/messages.h"

namespace korvex::test {

// A message service for tests: records every message and answers questions from a script.
// A question without a scripted answer fails the test.
class ScriptedMessages : public MessageService {
 public:
  struct Shown {
    MessageKind kind;
    std::string text;
    MessageButtons buttons;
  };

  void Answer(MessageAnswer answer) { answers_.push_back(answer); }

  MessageAnswer Show(MessageKind kind, const std::string& text, MessageButtons buttons,
                     const std::string& caption) override;

  const std::vector<Shown>& shown() const { return shown_; }
  std::vector<std::string> texts() const;
  bool AllAnswersUsed() const { return answers_.empty(); }

 private:
  std::deque<MessageAnswer> answers_;
  std::vector<Shown> shown_;
};

}  // namespace korvex::test
