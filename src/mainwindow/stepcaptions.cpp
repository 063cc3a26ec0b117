#include "mainwindow/stepcaptions.h"

#include "model/numbertext.h"

namespace korvex {
namespace {

std::string Joined(std::initializer_list<std::string> parts, const char* separator) {
  std::string text;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    if (!text.empty()) text += separator;
    text += part;
  }
  return text;
}

std::string Trimmed(const std::string& text) { return std::string(TrimBlanks(text)); }

std::string ItemText(const char* item, const std::string& caption) {
  std::string escaped;
  for (const char c : caption) {
    escaped += c;
    if (c == '&') escaped += '&';
  }
  return escaped.empty() ? item : std::string(item) + ": " + escaped;
}

}  // namespace

std::string CoinStepName(const TDaten& coin) {
  std::string value = Joined({Trimmed(coin.numeral), Trimmed(coin.currency)}, " ");
  if (value.empty()) value = "Nr. " + Trimmed(coin.item);
  const std::string motive = Trimmed(coin.av_motive).empty() ? Trimmed(coin.rv_motive) : Trimmed(coin.av_motive);
  const std::string details = Joined({Trimmed(coin.year), motive}, ", ");
  return details.empty() ? value : value + " (" + details + ")";
}

std::string CoinStepCaption(CoinStep step, const TDaten& coin) {
  const char* action = "";
  switch (step) {
    case CoinStep::kNew: action = "Neuanlage von "; break;
    case CoinStep::kChange: action = "\xC4nderung von "; break;
    case CoinStep::kDelete: action = "L\xF6schen von "; break;
    case CoinStep::kCut: action = "Ausschneiden von "; break;
    case CoinStep::kQuickPrice: action = "Preis\xE4nderung von "; break;
  }
  return action + CoinStepName(coin);
}

std::string PasteStepCaption(int coins) {
  return "Einf\xFCgen von " + std::to_string(coins) + (coins == 1 ? " M\xFCnze" : " M\xFCnzen");
}

std::string UndoItemText(const std::string& step_caption) { return ItemText("&R\xFC" "ckg\xE4ngig", step_caption); }

std::string RedoItemText(const std::string& step_caption) { return ItemText("&Wiederholen", step_caption); }

}  // namespace korvex
