#include "reports/cardpapers.h"

#include <algorithm>

namespace korvex {

CardPaperList ListCardPapers(const CardPrinterCatalogue& catalogue, const std::string& printer) {
  CardPaperList list;
  const std::vector<int> codes = catalogue.PaperCodes(printer);
  const int count = static_cast<int>(codes.size());
  std::vector<std::string> names;
  if (count > kMaxCardPapers) {
    list.message = "Zu viele Papiergrößen: " + std::to_string(count) + " ";
  } else if (count > 0) {
    names = catalogue.PaperNames(printer);
    if (names.size() != codes.size()) list.message = "Fehler bei Papiergrößen und Papieranzahl!";
  }
  const int shown = std::min(count, kMaxCardPapers);
  for (int i = 0; i < shown; ++i) {
    list.names.push_back(i < static_cast<int>(names.size()) ? names[i] : kEmptyPaperName);
    list.codes.push_back(codes[i]);
  }
  return list;
}

int DefaultCardPaper(const CardPaperList& list) {
  for (std::size_t i = 0; i < list.names.size(); ++i) {
    if (list.names[i].find("A6") != std::string::npos) return static_cast<int>(i);
  }
  return list.names.empty() ? -1 : 0;
}

int CardPaperOfCode(const CardPaperList& list, int code) {
  const auto found = std::find(list.codes.begin(), list.codes.end(), code);
  return found == list.codes.end() ? -1 : static_cast<int>(found - list.codes.begin());
}

}  // namespace korvex
