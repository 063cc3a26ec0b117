#pragma once

#include <string>
#include <string_view>

#include "model/tdaten.h"
#include "model/tkategorie.h"

// How the coin entry dialog reads the texts of its fields back into a record, names its number
// slots and is captioned. Texts are Windows-1252.
namespace korvex {

// The value of the number a text begins with ("." as decimal point, optional sign, blanks before
// it allowed); 0 when it begins with none. "12abc" reads 12, "1.2.3" reads 1.2.
double LeadingNumber(std::string_view text);
long long LeadingInteger(std::string_view text);

// Decimal A (prices, weight, thickness): every "," becomes ".", only the last "." stays, every
// "'" becomes "."; then the leading number.
double ReadDecimalA(std::string_view text);
// Decimal B (fine weight, diameters): the same without the apostrophe rule.
double ReadDecimalB(std::string_view text);
// The circulation: points, commas and every other character but the digits are dropped, so that
// "1.000.000" and "1,000,000" read 1000000.
long long ReadCirculation(std::string_view text);
// The count: the leading whole number, brought into the range of a 32-bit number.
int ReadCount(std::string_view text);

// The record's number in catalogue kind 0 to 5; "#ERROR" for any other kind.
std::string CatalogueNumberText(const TDaten& record, int kind);
// Stores into the field of kind 0 to 5; any other kind changes nothing.
void StoreCatalogueNumber(TDaten& record, int kind, const std::string& text);
// The caption of number slot 1 to 3 of an area: the kind's name and ":", for kind 5 the area's
// name of its free catalogue and ":".
std::string CatalogueSlotCaption(const TKategorie& area, int slot);

// The size of the entry dialog for its content (fields and buttons, in pixels) on a screen: the
// content itself when it fits into the screen height less 40, else that height, with room for a
// vertical scroll bar. Never wider than the screen less 10.
struct DialogSize {
  int width = 0;
  int height = 0;
  bool scrolls = false;
  bool operator==(const DialogSize&) const = default;
};
DialogSize EntryDialogSize(int content_width, int content_height, int screen_width,
                           int screen_height, int scroll_bar_width);

// What the entry dialog is opened for; the commands caption it by EntryDialogTitle.
enum class EntryPurpose { kNew, kChange, kDelete, kCut, kSearch, kFilter };

// "Eingabe einer Münze - Deutschland", "Ändern einer Münze - ...", "Löschen einer Münze - ...",
// "Ausschneiden einer Münze - ...", "Suchen einer Münze" and "Filter definieren".
std::string EntryDialogTitle(EntryPurpose purpose, std::string_view area_name);

}  // namespace korvex
