#include "dialogs/entryfields.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

#include "model/fieldcatalogue.h"
#include "model/numbertext.h"

namespace korvex {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The part of `text` that forms a number: blanks, a sign, digits, at most one point with digits.
std::string_view NumberPrefix(std::string_view text, bool allow_point) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (allow_point && i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
  }
  return text.substr(start, i - start);
}

}  // namespace

double LeadingNumber(std::string_view text) {
  std::string_view number = NumberPrefix(text, true);
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  return error == std::errc() && std::isfinite(value) ? value : 0;
}

long long LeadingInteger(std::string_view text) {
  std::string_view number = NumberPrefix(text, false);
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  long long value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) {
    return !number.empty() && number.front() == '-' ? LLONG_MIN : LLONG_MAX;
  }
  return error == std::errc() ? value : 0;
}

double ReadDecimalA(std::string_view text) {
  return LeadingNumber(ReplaceChar(DecimalPointText(text), '\'', '.'));
}

double ReadDecimalB(std::string_view text) { return LeadingNumber(DecimalPointText(text)); }

long long ReadCirculation(std::string_view text) {
  const std::string digits =
      KeepNumberChars(ReplaceChar(ReplaceChar(text, '.', ' '), ',', ' '));
  return LeadingInteger(digits);
}

int ReadCount(std::string_view text) {
  const long long value = LeadingInteger(text);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

std::string CatalogueNumberText(const TDaten& record, int kind) {
  if (kind < 0 || kind >= kCatalogueKindCount) return "#ERROR";
  return record.CatalogueNumber(kind);
}

void StoreCatalogueNumber(TDaten& record, int kind, const std::string& text) {
  if (kind < 0 || kind >= kCatalogueKindCount) return;
  record.CatalogueNumber(kind) = text;
}

std::string CatalogueSlotCaption(const TKategorie& area, int slot) {
  const int kind = area.number_kind[slot - 1];
  if (kind == 5) return area.other_name + ":";
  return CatalogueKindPickerName(kind) + ":";
}

DialogSize EntryDialogSize(int content_width, int content_height, int screen_width,
                           int screen_height, int scroll_bar_width) {
  const int widest = screen_width - 10;
  if (screen_height - 40 < content_height) {
    return {std::min(content_width + scroll_bar_width, widest), screen_height - 40, true};
  }
  return {std::min(content_width, widest), content_height, false};
}

std::string EntryDialogTitle(EntryPurpose purpose, std::string_view area_name) {
  const std::string area = " - " + std::string(area_name);
  switch (purpose) {
    case EntryPurpose::kNew: return "Eingabe einer M\xFCnze" + area;
    case EntryPurpose::kChange: return "\xC4ndern einer M\xFCnze" + area;
    case EntryPurpose::kDelete: return "L\xF6schen einer M\xFCnze" + area;
    case EntryPurpose::kCut: return "Ausschneiden einer M\xFCnze" + area;
    case EntryPurpose::kSearch: return "Suchen einer M\xFCnze";
    case EntryPurpose::kFilter: return "Filter definieren";
  }
  return {};
}

}  // namespace korvex
