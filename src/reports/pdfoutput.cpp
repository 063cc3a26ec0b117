#include "reports/pdfoutput.h"

#include <QMarginsF>
#include <QPageLayout>

namespace korvex {

std::unique_ptr<QPdfWriter> NewPdfOutput(const QString& path, const QString& title,
                                         QPageSize::PageSizeId size, bool landscape) {
  auto writer = std::make_unique<QPdfWriter>(path);
  writer->setPageLayout(QPageLayout(QPageSize(size),
                                    landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                    QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
  writer->setTitle(title);
  writer->setCreator(QStringLiteral("Korvex"));
  return writer;
}

}  // namespace korvex
