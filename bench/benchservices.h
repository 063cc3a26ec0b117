#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "files/textimportquestions.h"
#include "platform/messages.h"
#include "platform/passwordprompt.h"

// The user-facing services as a benchmark supplies them: every operation measured must run
// without asking anything, so any message or question means the measurement is wrong and stops it.
namespace korvex::bench {

class FailOnMessage final : public MessageService {
 public:
  MessageAnswer Show(MessageKind, const std::string& text, MessageButtons,
                     const std::string&) override {
    throw std::runtime_error("unexpected message: " + text);
  }
};

// Lets messages pass and counts them, for operations whose expected outcome includes one.
class CountMessages final : public MessageService {
 public:
  MessageAnswer Show(MessageKind, const std::string&, MessageButtons, const std::string&) override {
    ++count_;
    return MessageAnswer::kOk;
  }
  int count() const { return count_; }

 private:
  int count_ = 0;
};

// Answers every password question with the one password it knows.
class KnownPassword final : public PasswordPrompt {
 public:
  explicit KnownPassword(std::string password = {}) : password_(std::move(password)) {}
  std::optional<std::string> AskPassword(const std::string&) override {
    if (password_.empty()) throw std::runtime_error("unexpected password question");
    return password_;
  }

 private:
  std::string password_;
};

// An exported file names only known columns and areas, so its import must not ask.
class FailOnImportQuestion final : public UnknownColumnQuestion, public UnknownAreaQuestion {
 public:
  int ChooseElement(const UnknownColumnRequest& request) override {
    throw std::runtime_error("unexpected unknown column " + request.column_name);
  }
  UnknownAreaAnswer ChooseArea(const UnknownAreaRequest& request) override {
    throw std::runtime_error("unexpected unknown area " + request.area_name);
  }
};

}  // namespace korvex::bench
