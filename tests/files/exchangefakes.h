#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "files/legacynumberassignment.h"
#include "files/textimportquestions.h"
#include "platform/passwordprompt.h"
#include "platform/progress.h"

namespace korvex::test {

// Answers the password dialog from a script and records how it was asked.
class ScriptedPasswordPrompt : public PasswordPrompt {
 public:
  void Answer(PasswordAnswer::Button button, std::string text = {}) {
    answers_.push_back({button, std::move(text)});
  }
  std::optional<std::string> AskPassword(const std::string&) override {
    throw std::logic_error("the legacy reader must offer the write-protected choice");
  }
  PasswordAnswer AskPasswordOrWriteProtected(const std::string&, bool offer) override {
    offered_write_protected.push_back(offer);
    if (answers_.empty()) throw std::logic_error("unexpected password question");
    PasswordAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  std::vector<bool> offered_write_protected;

 private:
  std::deque<PasswordAnswer> answers_;
};

// Records the progress display.
class RecordingProgress : public Progress {
 public:
  void ProgressBegin(const std::string& text) override { texts.push_back(text); }
  void ProgressTotal(int value) override { total = value; }
  void ProgressSet(int step) override { position = step; }
  void ProgressStep() override { ++position; }
  std::vector<std::string> texts;
  int total = 0;
  int position = 0;
};

class CountingNumberAssignment : public LegacyNumberAssignment {
 public:
  void OfferForAllAreas(CollectionDocument&) override { ++offers; }
  int offers = 0;
};

// Answers the element dialog from a script of element names and records the requests.
class ScriptedColumnQuestion : public UnknownColumnQuestion {
 public:
  struct Asked {
    std::string column_name;
    int selected;
  };
  void Answer(int element) { answers_.push_back(element); }
  int ChooseElement(const UnknownColumnRequest& request) override {
    asked.push_back({request.column_name, request.selected});
    element_count = request.elements.size();
    if (answers_.empty()) {
      throw std::logic_error("unexpected column question: " + request.column_name);
    }
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  std::vector<Asked> asked;
  std::size_t element_count = 0;

 private:
  std::deque<int> answers_;
};

// Answers the area dialog from a script and records what it showed.
class ScriptedAreaQuestion : public UnknownAreaQuestion {
 public:
  struct Asked {
    std::string motive;
    std::string area_name;
    std::vector<std::string> entries;
    bool new_enabled;
  };
  void Answer(UnknownAreaAnswer::Choice choice, int entry = -1) {
    answers_.push_back({choice, entry});
  }
  UnknownAreaAnswer ChooseArea(const UnknownAreaRequest& request) override {
    asked.push_back({request.motive, request.area_name, request.entries, request.new_enabled});
    if (answers_.empty()) throw std::logic_error("unexpected area question: " + request.area_name);
    const UnknownAreaAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  bool AllAnswersUsed() const { return answers_.empty(); }
  std::vector<Asked> asked;

 private:
  std::deque<UnknownAreaAnswer> answers_;
};

}  // namespace korvex::test
