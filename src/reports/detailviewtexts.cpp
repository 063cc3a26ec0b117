#include "reports/detailviewtexts.h"

#include "model/datetime.h"

namespace korvex {

std::string DetailViewCaption(const TDaten& coin) {
  std::string caption = coin.numeral + " " + coin.currency;
  if (coin.year.empty() && coin.theme.empty()) return caption;
  caption += " (" + coin.year;
  if (!coin.year.empty() && !coin.theme.empty()) caption += ", ";
  return caption + coin.theme + ")";
}

std::string CirculationText(long long circulation) {
  if (circulation <= 0) return {};
  const std::string digits = std::to_string(circulation);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += '.';
    grouped += digits[i];
  }
  return grouped + " St\xFC" "ck";
}

double ValueIncrease(double catalogue, double purchaseprice) {
  if (purchaseprice <= 0) return 0;
  return (catalogue - purchaseprice) / purchaseprice * 100;
}

std::string HistoryLine(const TDaten& coin, const TKategorie& area, const FormatSettings& format) {
  auto when = [&format](double date) {
    return FormatDate(date, format.short_date_format) + " " +
           FormatTime(date, format.time_separator);
  };
  std::string line;
  if (area.item && !coin.item.empty()) line = "Inventarnr: " + coin.item + "   ";
  return line + "Angelegt am: " + when(coin.creation) + "   Letzte \xC4nderung: " +
         when(coin.last) + "   Anzahl \xC4nderungen: " + std::to_string(coin.change_count);
}

}  // namespace korvex
