#include "dialogs/entryrules.h"

#include <cstdio>

#include "dialogs/entryfields.h"
#include "dialogs/lookuplists.h"
#include "dialogs/lookuporder.h"
#include "model/numberformat.h"
#include "model/numbertext.h"
#include "model/paths.h"
#include "model/textcompare.h"

namespace korvex {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool HoldsText(std::string_view text) { return !TrimBlanks(text).empty(); }

std::string WeightText(double grams) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.3f", grams);
  return buffer;
}

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// A digit standing alone before a separator gets a leading zero, unless the format has a year
// there (a year is completed when it is read).
std::string PadLoneDigits(std::string text, std::string_view format) {
  int digits = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      ++digits;
      continue;
    }
    if (i >= 1 && digits == 1 && i - 1 < format.size() && format[i - 1] != 'y' &&
        format[i - 1] != 'j') {
      text.insert(i - 1, 1, '0');
      ++i;
    }
    digits = 0;
  }
  return text;
}

std::string OnlyDigits(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (IsDigit(c)) digits += c;
  }
  return digits;
}

// Puts the format's separators between the digits; stops where the format ends.
std::string InsertSeparators(std::string text, std::string_view format) {
  for (std::size_t l = 0; l < text.size() && l < format.size(); ++l) {
    const char f = format[l];
    if (f == 'd' || f == 'm' || f == 'y' || f == 'j' || f == text[l]) continue;
    if (IsDigit(text[l])) text.insert(l, 1, f);
    else text[l] = f;
  }
  return text;
}

std::string FileNameOf(std::string_view path) {
  return std::string(path.substr(DirectoryOf(path).size()));
}

}  // namespace

int CountOnEnter(std::string_view text) {
  int value = 0;
  return ParseInt32(text, value) ? value : 0;
}

std::optional<CountChange> ApplyCountOperator(int count_on_enter, std::string_view text) {
  if (text.empty() || (text.front() != '+' && text.front() != '-')) return std::nullopt;
  int n = 0;
  if (!ParseInt32(text, n)) n = 0;
  const long long count = static_cast<long long>(count_on_enter) + n;
  if (count < 0) return CountChange{FormatD(count_on_enter), true};
  return CountChange{FormatD(count > INT32_MAX ? INT32_MAX : count), false};
}

std::optional<std::string> FilterCountOperator(std::string_view text) {
  if (text.empty() || text.front() != '>') return std::nullopt;
  const std::string number = KeepNumberChars(text);
  if (number.empty() || !IsDigit(number.front())) return std::nullopt;
  const long long n = LeadingInteger(number);
  const bool or_equal = text.size() > 1 && text[1] == '=';
  return "-" + FormatD(n + (or_equal ? 1 : 2));
}

std::string CleanPriceText(std::string_view text) { return ReplaceChar(text, '-', '0'); }

bool TakesCatalogueValue(std::string_view field_text, bool field_visible, bool change_mode) {
  return !field_visible || (field_text.empty() && !change_mode);
}

std::string FinenessRatioText(std::string_view fineness) {
  const std::string_view text = TrimBlanks(fineness);
  if (text.find('/') != std::string_view::npos) return std::string(text);
  const std::string pointed = DecimalPointText(text);
  const std::size_t point = pointed.find('.');
  std::size_t n = point != std::string::npos ? point : text.size();
  if (n < 3) n = 3;
  return std::string(text) + "/1" + std::string(n, '0');
}

std::optional<FinenessRatio> ReadFinenessRatio(std::string_view fineness) {
  const std::string ratio = DecimalPointText(FinenessRatioText(fineness));
  const std::size_t slash = ratio.find('/');
  const FinenessRatio result{LeadingNumber(std::string_view(ratio).substr(0, slash)),
                             LeadingNumber(std::string_view(ratio).substr(slash + 1))};
  if (result.numerator == 0 || result.denominator == 0) return std::nullopt;
  return result;
}

std::optional<WeightTexts> WeightsFromFineness(const WeightTexts& texts, std::string_view fineness,
                                               WeightField left) {
  const bool has_weight = HoldsText(texts.weight);
  const bool has_fine = HoldsText(texts.fine);
  if ((has_weight && has_fine) || !HoldsText(fineness)) return std::nullopt;
  const std::optional<FinenessRatio> ratio = ReadFinenessRatio(fineness);
  if (!ratio) return std::nullopt;
  WeightTexts result = texts;
  if (has_fine && left != WeightField::kWeight) {
    result.weight = WeightText(ReadDecimalB(texts.fine) * ratio->denominator / ratio->numerator);
  } else if (has_weight && left != WeightField::kFine) {
    result.fine = WeightText(ReadDecimalA(texts.weight) * ratio->numerator / ratio->denominator);
  } else {
    return std::nullopt;
  }
  return result;
}

DateNormalisation NormalizePurchaseDate(std::string_view text, const FormatSettings& format,
                                        const CalendarDate& today) {
  const std::string lower_format = AsciiLower(format.short_date_format);
  const std::string digits = OnlyDigits(PadLoneDigits(std::string(text), lower_format));
  const std::string shaped =
      digits.size() <= lower_format.size() ? InsertSeparators(digits, lower_format) : digits;

  if (const std::optional<double> day =
          ParseDate(shaped, format, today.year, ShortYear::kTwentyFirstCentury)) {
    CalendarDate date = CalendarDateOf(*day);
    if (date.year > today.year) date.year = 1900 + date.year % 100;
    if (const std::optional<double> moved = DayNumber(date.year, date.month, date.day)) {
      return {FormatDate(*moved, format.short_date_format), false};
    }
  }
  return {"?", !digits.empty()};
}

double CalendarStartDate(std::string_view text, const FormatSettings& format, double today) {
  const std::optional<double> day =
      ParseDate(text, format, CalendarDateOf(today).year, ShortYear::kNearNow);
  return day && *day <= today ? *day : today;
}

std::optional<std::string> QualityLongNameForCode(const std::vector<std::string>& qualities,
                                                  std::string_view code) {
  for (const std::string& entry : qualities) {
    if (EqualIgnoringCase(QualityCode(entry), code)) return QualityLongName(entry);
  }
  return std::nullopt;
}

std::optional<QualityPair> QualityForLongName(const std::vector<std::string>& qualities,
                                              std::string_view long_name) {
  for (const std::string& entry : qualities) {
    const std::string name = QualityLongName(entry);
    if (EqualAsciiUpper(name, long_name)) return QualityPair{QualityCode(entry), name};
  }
  return std::nullopt;
}

PictureDialogStart PictureDialogStartFor(std::string_view field_text,
                                         std::string_view picture_folder) {
  const bool full_path = field_text.size() >= 2 &&
                         (field_text[1] == ':' || field_text[0] == '/' || field_text[0] == '\\');
  if (full_path) return {DirectoryOf(field_text), FileNameOf(field_text)};
  return {std::string(picture_folder), std::string(field_text)};
}

std::string PictureReferenceFor(std::string_view chosen_path, std::string_view picture_folder,
                                bool collection_has_name) {
  if (collection_has_name && !picture_folder.empty() &&
      SamePathIgnoringCase(DirectoryOf(chosen_path), picture_folder)) {
    return FileNameOf(chosen_path);
  }
  return std::string(chosen_path);
}

}  // namespace korvex
