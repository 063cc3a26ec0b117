#include "common/scriptedmessages.h"

#include <stdexcept>

namespace korvex::test {

MessageAnswer ScriptedMessages::Show(MessageKind kind, const std::string& text,
                                     MessageButtons buttons, const std::string&) {
  shown_.push_back({kind, text, buttons});
  if (buttons == MessageButtons::kOk) return MessageAnswer::kOk;
  if (answers_.empty()) throw std::logic_error("unexpected question: " + text);
  const MessageAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::vector<std::string> ScriptedMessages::texts() const {
  std::vector<std::string> result;
  for (const auto& message : shown_) result.push_back(message.text);
  return result;
}

}  // namespace korvex::test
