#pragma once

#include <string>

#include "files/textimportquestions.h"

namespace korvex::cli {

// The import's column question answered from `--unknown-column`: every column whose name matches
// no element fills the same element. Each answer is noted on standard error.
class FixedColumnAnswer : public UnknownColumnQuestion {
 public:
  // `element` names an element (UTF-8, letter case of a to z ignored); UsageError otherwise.
  explicit FixedColumnAnswer(const std::string& element);
  int ChooseElement(const UnknownColumnRequest& request) override;

 private:
  int element_;
};

// The import's area question answered from `--unknown-area`.
class FixedAreaAnswer : public UnknownAreaQuestion {
 public:
  enum class Policy {
    kNewArea,     // "new": a new area named like the coin's area name
    kSingleArea,  // "single": everything unknown into "Münzen ohne Kategorie"
    kGivenArea,   // an id: everything unknown into that area
  };

  // "new", "single" or the id of one of `area_count` areas; UsageError for other words,
  // CommandError for an id that names no area.
  FixedAreaAnswer(const std::string& option, int area_count);
  UnknownAreaAnswer ChooseArea(const UnknownAreaRequest& request) override;

  Policy policy() const { return policy_; }

 private:
  Policy policy_ = Policy::kNewArea;
  int area_id_ = 0;
};

}  // namespace korvex::cli
