#include "reports/gui/printerchoice.h"

#include <QPrintDialog>
#include <QPrinterInfo>

#include "platform/messages.h"

namespace korvex {

SystemPrinterChoice::SystemPrinterChoice(MessageService& messages, PdfFileQuestion choose_pdf_file,
                                         QWidget* parent)
    : messages_(messages), choose_pdf_file_(std::move(choose_pdf_file)), parent_(parent) {}

QPrinter* SystemPrinterChoice::Choose(bool with_dialog, const QString& title) {
  printer_.setDocName(title);
  if (QPrinterInfo::availablePrinterNames().isEmpty()) {
    messages_.Information(kNoPrinterMessage);
    const std::optional<QString> file = choose_pdf_file_ ? choose_pdf_file_() : std::nullopt;
    if (!file) return nullptr;
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(*file);
    return &printer_;
  }
  if (printer_.outputFormat() == QPrinter::PdfFormat && printer_.outputFileName().isEmpty()) {
    // A printer was installed since the last printout went into a file.
    printer_.setOutputFormat(QPrinter::NativeFormat);
    printer_.setPrinterName(QPrinterInfo::defaultPrinterName());
  }
  if (with_dialog) {
    QPrintDialog dialog(&printer_, parent_);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
  }
  return &printer_;
}

}  // namespace korvex
