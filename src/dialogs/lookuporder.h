#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvex {

// The alphabetical order of the lookup lists, the tools list and the currency names: the order of
// a German dictionary for Windows-1252 text, without regard to case.
//
// Letters compare by their base letter first ("Ä" and "á" as "A", "ß" as "SS", "Æ" as "AE"), so
// "Müller" sorts among the M's; punctuation and blanks come before digits, digits before letters.
// Among texts equal so far, the unaccented letter comes first ("Muller" before "Müller"), then the
// lower-case letter ("gold" before "Gold"), and last the bytes, so that only identical texts
// compare equal and identical texts always end up side by side.
int CompareLookupText(std::string_view a, std::string_view b);

// A byte string whose plain byte order is the order of CompareLookupText; for sorting many texts.
std::string LookupSortKey(std::string_view text);

// Sorts texts in the order of CompareLookupText.
void SortLookupTexts(std::vector<std::string>& texts);

// True when two texts differ at most in upper and lower case (also of umlauts and accented
// letters: "ä" equals "Ä", but not "a"). This is how names are looked up in a list.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// The text with every Windows-1252 letter in upper case ("ä" to "Ä", "ÿ" to "Ÿ"); two texts are
// EqualIgnoringCase exactly when their FoldCase texts are equal.
std::string FoldCase(std::string_view text);

}  // namespace korvex
