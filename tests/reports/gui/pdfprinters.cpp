#include "reports/gui/pdfprinters.h"

#include <QMarginsF>
#include <QPageLayout>

namespace korvex::test {

PdfPrinterChoice::PdfPrinterChoice(const std::filesystem::path& file) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(file.string()));
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

QPrinter* PdfPrinterChoice::Choose(bool with_dialog, const QString& title) {
  requests.push_back({with_dialog, title});
  if (cancel) {
    cancel = false;
    return nullptr;
  }
  printer.setDocName(title);
  return &printer;
}

}  // namespace korvex::test
