#include "dialogs/currencyconversion.h"

#include <cmath>

#include "dialogs/inifile.h"
#include "dialogs/lookuporder.h"
#include "model/numbertext.h"
#include "model/rounding.h"
#include "platform/datafolders.h"

namespace korvex {
namespace {

std::string_view NameOfLine(std::string_view line) {
  return TrimBlanks(line.substr(0, line.find('=')));
}

bool ReadAmount(std::string_view text, double& value) {
  return ParseDouble(DecimalPointText(TrimBlanks(text)), value) && std::isfinite(value) &&
         value > 0;
}

}  // namespace

CurrencyRates CurrencyRates::Load(const std::filesystem::path& file) {
  const std::optional<std::string> text = ReadWin1252TextFile(file);
  return text ? Parse(*text) : CurrencyRates();
}

CurrencyRates CurrencyRates::Parse(std::string_view text) {
  CurrencyRates rates;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    if (!TrimBlanks(line).empty()) rates.lines_.emplace_back(line);
    start = end + 1;
  }
  SortLookupTexts(rates.lines_);
  return rates;
}

std::filesystem::path CurrencyRates::DefaultFile() { return ProgramFolder() / "waehrung.umr"; }

std::vector<std::string> CurrencyRates::Names() const {
  std::vector<std::string> names;
  for (const std::string& line : lines_) {
    if (line.find('=') != std::string::npos) names.emplace_back(NameOfLine(line));
  }
  return names;
}

std::string CurrencyRates::AmountOf(std::string_view name) const {
  const std::string_view wanted = TrimBlanks(name);
  for (const std::string& line : lines_) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos || !EqualIgnoringCase(NameOfLine(line), wanted)) continue;
    return std::string(TrimBlanks(std::string_view(line).substr(equals + 1)));
  }
  return {};
}

ConversionProposal ProposeConversion(const CurrencyRates& rates, std::string_view old_currency,
                                     std::string_view new_currency) {
  if (old_currency == new_currency) return ConversionProposal{"100", "100", false};
  return ConversionProposal{rates.AmountOf(old_currency), rates.AmountOf(new_currency), true};
}

std::optional<ConversionAmounts> ParseConversionAmounts(std::string_view old_text,
                                                        std::string_view new_text,
                                                        MessageService& messages) {
  ConversionAmounts amounts;
  if (!ReadAmount(new_text, amounts.new_amount) || !ReadAmount(old_text, amounts.old_amount)) {
    messages.Error(kConversionAmountsError);
    return std::nullopt;
  }
  return amounts;
}

std::optional<ConversionAmounts> ConfirmCurrencyChange(std::string_view old_currency,
                                                       std::string_view new_currency,
                                                       std::string_view old_text,
                                                       std::string_view new_text,
                                                       MessageService& messages) {
  if (old_currency == new_currency) return std::nullopt;
  if (!messages.AskYesNo(kCurrencyChangeWarning, MessageKind::kWarning)) return std::nullopt;
  return ParseConversionAmounts(old_text, new_text, messages);
}

double ConvertAmount(double value, const ConversionAmounts& amounts) {
  return RoundToCentsHalfEven(value * amounts.new_amount / amounts.old_amount);
}

void ConvertCurrency(CollectionDocument& document, const std::string& new_currency,
                     const ConversionAmounts& amounts, Progress& progress) {
  static constexpr const char* kProgressText = "Ändere die Währung, bitte warten! Fertig zu ";
  document.currency_symbol = new_currency;
  progress.ProgressBegin(kProgressText);
  progress.ProgressTotal(document.coin_count);
  progress.ProgressSet(0);
  for (TDaten* coin = document.first_coin; coin != nullptr; coin = coin->next) {
    progress.ProgressStep();
    coin->catalogue = ConvertAmount(coin->catalogue, amounts);
    coin->purchaseprice = ConvertAmount(coin->purchaseprice, amounts);
    coin->estimate = ConvertAmount(coin->estimate, amounts);
  }
  progress.ProgressBegin(std::string(kProgressText) + "100% - Bild wird neu aufgebaut...");
  document.SetModified(true);
}

}  // namespace korvex
