#pragma once

#include <string_view>

#include "model/tdaten.h"

namespace korvex {

// How a filter or a search reads its template.
struct MatchSwitches {
  bool all_criteria = true;  // every given criterion must match (else: at least one)
  bool exact_text = false;   // a text criterion must match the whole text
  bool match_case = false;   // letter case counts in text criteria
  bool case_ignored = true;  // `case_` ("Etui") sets no condition
  bool certificate_ignored = true;
};

// Filter and search templates mark a numeric criterion that sets no condition differently: a filter
// with -1 (so that 0 can be asked for), a search with 0.
enum class TemplateMarkers { kFilter, kSearch };

// Whether the coin text `coin` meets the text criterion `criterion`. Only the ASCII letters a to z
// change case; without `exact_text` a criterion found anywhere in the text matches. An empty
// criterion is not given and does not match here; callers test that first.
bool TextCriterionMatches(std::string_view criterion, std::string_view coin, bool exact_text,
                          bool match_case);

// Whether a coin matches a template: in all-criteria mode every given criterion must match (no
// given criterion matches every coin), otherwise at least one given criterion must match (no given
// criterion matches no coin).
bool MatchesTemplate(const TDaten& coin, const TDaten& template_, const MatchSwitches& switches,
                     TemplateMarkers markers);

}  // namespace korvex
