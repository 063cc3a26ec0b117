#pragma once

#include "reports/cardpapers.h"

namespace korvex::gui {

// The installed printers as Qt lists them (CUPS), their paper sizes by Windows paper number.
class QtCardPrinterCatalogue final : public CardPrinterCatalogue {
 public:
  std::vector<std::string> PrinterNames() const override;
  std::vector<int> PaperCodes(const std::string& printer) const override;
  std::vector<std::string> PaperNames(const std::string& printer) const override;
};

}  // namespace korvex::gui
