#include "reports/gui/qtcardprinters.h"

#include <QPageSize>
#include <QPrinterInfo>

namespace korvex::gui {

std::vector<std::string> QtCardPrinterCatalogue::PrinterNames() const {
  std::vector<std::string> names;
  for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(name.toStdString());
  return names;
}

std::vector<int> QtCardPrinterCatalogue::PaperCodes(const std::string& printer) const {
  std::vector<int> codes;
  for (const QPageSize& size : QPrinterInfo::printerInfo(QString::fromStdString(printer)).supportedPageSizes()) {
    codes.push_back(size.windowsId());
  }
  return codes;
}

std::vector<std::string> QtCardPrinterCatalogue::PaperNames(const std::string& printer) const {
  std::vector<std::string> names;
  for (const QPageSize& size : QPrinterInfo::printerInfo(QString::fromStdString(printer)).supportedPageSizes()) {
    names.push_back(size.name().toStdString());
  }
  return names;
}

}  // namespace korvex::gui
