#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace korvex {

// Opens the help on the topic of a help context number. Windows and dialogs get one from the
// main window; an empty handler means the program has no help to show there.
using HelpHandler = std::function<void(int context)>;

// Help context numbers that are not controls of the entry dialog.
inline constexpr int kHelpContents = 1;         // "&Hilfethemen", F1 in the main window
inline constexpr int kHelpEntryDialog = 1000;   // the entry dialog as a whole
inline constexpr int kHelpNumberRanges = 9999;  // "Nummernkreise"

// The start page of the help; every other page is reached from it.
inline constexpr std::string_view kHelpStartPage = "index.html";

// Where a help context number leads: a page of the help folder and an anchor on it (empty for
// the top of the page).
struct HelpTopic {
  std::string_view page;
  std::string_view anchor;
};

// The topic of `context`; nothing for a number the help does not know.
std::optional<HelpTopic> HelpTopicOf(int context);

// Every help context number the table knows, in ascending order.
std::vector<int> KnownHelpContexts();

// One page of the help as the contents list shows it, in reading order (start page first).
struct HelpPageEntry {
  std::string_view page;
  std::string_view title;  // UTF-8
};
const std::vector<HelpPageEntry>& HelpContentsPages();

}  // namespace korvex
