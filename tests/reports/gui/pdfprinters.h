#pragma once

#include <QPrinter>
#include <QString>
#include <filesystem>
#include <vector>

#include "reports/gui/printerchoice.h"

namespace korvex::test {

// A printer that prints into a PDF file whose whole sheet is printable (A4 portrait until a
// printout turns it), standing in for the system's printers. Records every request.
class PdfPrinterChoice final : public PrinterChoice {
 public:
  explicit PdfPrinterChoice(const std::filesystem::path& file);

  QPrinter* Choose(bool with_dialog, const QString& title) override;

  struct Request {
    bool with_dialog = false;
    QString title;
  };
  std::vector<Request> requests;
  // The next request is answered as if the user cancelled the print dialog.
  bool cancel = false;
  QPrinter printer{QPrinter::HighResolution};
};

}  // namespace korvex::test
