#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/collectiondocument.h"
#include "platform/messages.h"
#include "platform/progress.h"

namespace korvex {

// The currency rate file "waehrung.umr" of the program folder: one line per currency, name "="
// amount, where the amount (with "," or ".") is how much of that currency matches one common
// reference sum, so two lines give the rate between two currencies. Windows-1252 text.
class CurrencyRates {
 public:
  CurrencyRates() = default;

  // Reads the file and sorts its lines; a missing or unreadable file gives no currencies.
  static CurrencyRates Load(const std::filesystem::path& file);
  static CurrencyRates Parse(std::string_view text);

  // "waehrung.umr" in the program folder (ProgramFolder()).
  static std::filesystem::path DefaultFile();

  // The lines, sorted in the lookup order.
  const std::vector<std::string>& lines() const { return lines_; }

  // The currency names in line order, as the two currency boxes offer them.
  std::vector<std::string> Names() const;

  // The amount text of a currency as the file gives it (the name compared without regard to
  // case); empty when the file has no such currency.
  std::string AmountOf(std::string_view name) const;

 private:
  std::vector<std::string> lines_;
};

// What the page "Währung dieser Datei" proposes for a change from one currency to another: the
// two amounts as the file gives them, and whether the group "&Umrechnung" is enabled. Equal
// currencies propose "100" and "100" with the group disabled.
struct ConversionProposal {
  std::string old_amount;
  std::string new_amount;
  bool enabled = false;
};
ConversionProposal ProposeConversion(const CurrencyRates& rates, std::string_view old_currency,
                                     std::string_view new_currency);

// The two amounts of a confirmed conversion: a value becomes value × new_amount / old_amount.
struct ConversionAmounts {
  double old_amount = 0;
  double new_amount = 0;
};

// The warning asked before the currency is changed.
inline constexpr const char* kCurrencyChangeWarning =
    "ACHTUNG! Wenn Sie die Währung ändern, ist dieses eine nicht rückgängig machbare Aktion. Sie "
    "können zwar die alte Währung wieder auswählen, es können allerdings rundungsbedingte Fehler "
    "auftreten!\n\n\rWollen Sie die Währung jetzt wirklich ändern?";

// The error shown when the amounts cannot be used.
inline constexpr const char* kConversionAmountsError =
    "Die Währung konnte nicht geändert werden. Die eingegebenen Umrechnungswerte sind keine "
    "Dezimalzahlen!";

// Reads the two typed amounts (with DecimalPointText). Nothing, after the error message, when
// either is no number or not above 0 (a rate of 0 would divide by zero, a negative one turn every
// price negative).
std::optional<ConversionAmounts> ParseConversionAmounts(std::string_view old_text,
                                                        std::string_view new_text,
                                                        MessageService& messages);

// The "&OK" step of the currency page. When the two currencies differ, the warning asks whether
// to change; on Yes the amounts are read as above. Returns the conversion request: nothing when
// the currencies are equal, the user said No, or the amounts were refused.
std::optional<ConversionAmounts> ConfirmCurrencyChange(std::string_view old_currency,
                                                       std::string_view new_currency,
                                                       std::string_view old_text,
                                                       std::string_view new_text,
                                                       MessageService& messages);

// One money value after the conversion, rounded to whole cents with halves to the even cent.
double ConvertAmount(double value, const ConversionAmounts& amounts);

// Converts the collection to `new_currency`: the currency symbol changes, and the catalogue
// value, purchase price and estimate of every coin are converted, with the progress display
// "Ändere die Währung, bitte warten! Fertig zu " running over the coins. Ends with the text
// "... Fertig zu 100% - Bild wird neu aufgebaut..." shown and the document marked modified; the
// caller rebuilds the grid and then ends the progress display.
void ConvertCurrency(CollectionDocument& document, const std::string& new_currency,
                     const ConversionAmounts& amounts, Progress& progress);

}  // namespace korvex
