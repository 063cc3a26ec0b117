#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/datetime.h"
#include "model/formatsettings.h"

// The rules that help while a coin is typed into the entry dialog. They work on the texts of the
// dialog's fields; the dialog calls them when a field is entered or left. Texts are Windows-1252.
namespace korvex {

// --- count ---

// The count when the field is entered: its whole-number value, 0 when it is none.
int CountOnEnter(std::string_view text);

struct CountChange {
  std::string text;       // what the field shows afterwards
  bool negative = false;  // the result was below 0: warn, the count on entering stays
};
// Leaving the count field outside the free filter: "+3" adds 3 to the count on entering, "-2"
// takes 2 away (a sign with no whole number after it adds 0). Nothing for any other text, which
// stays as typed.
std::optional<CountChange> ApplyCountOperator(int count_on_enter, std::string_view text);

// Leaving the count field in the free filter: ">=5" becomes "-6" and ">5" "-7", which the filter
// reads as "at least 5" and "at least 6". Nothing for any other text, and for a ">" without a
// number after it.
std::optional<std::string> FilterCountOperator(std::string_view text);

// --- prices ---

// Every "-" becomes "0", so "12,-" reads 12,0.
std::string CleanPriceText(std::string_view text);
// Whether the catalogue value is copied into a price field: when that field is hidden, or when it
// is empty and the coin is not being changed. A filled field is never overwritten.
bool TakesCatalogueValue(std::string_view field_text, bool field_visible, bool change_mode);

// --- weight from fineness ---

// The fineness as a ratio text: a text with "/" as it is, else with "/" and the power of ten that
// has as many digits as the whole part, at least 1000 ("900" gives "900/1000", "9999"
// "9999/10000", "0,9" "0,9/1000").
std::string FinenessRatioText(std::string_view fineness);

struct FinenessRatio {
  double numerator = 0;
  double denominator = 0;
};
// The two numbers of the ratio text; nothing when either is 0, as no weight follows from it.
std::optional<FinenessRatio> ReadFinenessRatio(std::string_view fineness);

enum class WeightField { kWeight, kFineness, kFine };

struct WeightTexts {
  std::string weight;
  std::string fine;
  bool operator==(const WeightTexts&) const = default;
};
// Leaving one of the three weight fields: with exactly one of weight and fine weight given and a
// fineness, the other weight is computed and written with three decimals and "." ("9.000").
// Nothing when nothing is to change: both or neither weight given, no fineness, a ratio with 0,
// or the field left is the one that would be written.
std::optional<WeightTexts> WeightsFromFineness(const WeightTexts& texts, std::string_view fineness,
                                               WeightField left);

// --- purchase date ---

struct DateNormalisation {
  std::string text;   // what the field shows: the date in the date format in use, or "?"
  bool warn = false;  // the text was no date: "Das Datum ist ungültig. ..."
};
// Leaving the purchase date: lone digits get a leading zero, the separators of the date format
// are put in, the date is read (two-digit years as 20yy, a missing year as the current one) and
// printed again; a year after the current one goes back a century. An unreadable text becomes
// "?", with a warning unless it held no digit.
DateNormalisation NormalizePurchaseDate(std::string_view text, const FormatSettings& format,
                                        const CalendarDate& today);

// The day the calendar opens on for a field: its date, or today when the text is no date or lies
// after today.
double CalendarStartDate(std::string_view text, const FormatSettings& format, double today);

// --- qualities ---

// The long name of the first entry whose code equals `code` without regard to case; nothing when
// no entry has that code.
std::optional<std::string> QualityLongNameForCode(const std::vector<std::string>& qualities,
                                                  std::string_view code);

struct QualityPair {
  std::string code;
  std::string long_name;
  bool operator==(const QualityPair&) const = default;
};
// The earliest entry whose long name equals `long_name` (letters A to Z in either case count as
// equal), with the long name as the list spells it.
std::optional<QualityPair> QualityForLongName(const std::vector<std::string>& qualities,
                                              std::string_view long_name);

// --- pictures ---

struct PictureDialogStart {
  std::string folder;     // where the open dialog starts
  std::string file_name;  // the name it proposes
  bool operator==(const PictureDialogStart&) const = default;
};
// A full path (with drive or from the root) starts in its own folder with its name proposed;
// anything else is proposed as a name in the collection's picture folder.
PictureDialogStart PictureDialogStartFor(std::string_view field_text,
                                         std::string_view picture_folder);

// The text a chosen picture is entered as: its bare name when it lies in the picture folder of a
// collection that has a file name, else the full path.
std::string PictureReferenceFor(std::string_view chosen_path, std::string_view picture_folder,
                                bool collection_has_name);

}  // namespace korvex
