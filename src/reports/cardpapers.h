#pragma once

#include <string>
#include <vector>

namespace korvex {

// The printers of the machine and the paper sizes each reports, for the card set-up. The window
// asks Qt's printer list; tests script printers. Paper codes are the Windows paper numbers
// (`QPageSize::windowsId()`), so that a stored `Printer_Kartei_Papiertyp` keeps its meaning.
class CardPrinterCatalogue {
 public:
  virtual ~CardPrinterCatalogue() = default;
  virtual std::vector<std::string> PrinterNames() const = 0;
  virtual std::vector<int> PaperCodes(const std::string& printer) const = 0;
  virtual std::vector<std::string> PaperNames(const std::string& printer) const = 0;
};

// The paper list of the card set-up holds no more than this many entries.
inline constexpr int kMaxCardPapers = 40;
inline constexpr const char* kEmptyPaperName = "leer";

// The entries of the paper list for one printer, and what to tell the user about them.
struct CardPaperList {
  std::vector<std::string> names;  // at most 40; "leer" where the printer named none
  std::vector<int> codes;          // the code of each entry; 0 where the printer gave none
  std::string message;             // empty, or the German message to show (UTF-8)
};

// Asks the catalogue for the papers of `printer`: more than 40 codes give the message
// "Zu viele Papiergrößen: %d " and 40 entries; names and codes that differ in number give
// "Fehler bei Papiergrößen und Papieranzahl!".
CardPaperList ListCardPapers(const CardPrinterCatalogue& catalogue, const std::string& printer);

// The entry to preselect when the list is filled: the first whose name contains "A6", else the
// first; -1 for an empty list.
int DefaultCardPaper(const CardPaperList& list);
// The first entry with the stored code, or -1.
int CardPaperOfCode(const CardPaperList& list, int code);

}  // namespace korvex
