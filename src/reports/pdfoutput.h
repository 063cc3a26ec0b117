#pragma once

#include <QPageSize>
#include <QPdfWriter>
#include <QString>
#include <memory>

namespace korvex {

// A PDF file to print into: the page size and orientation given, the whole sheet printable (the
// printouts keep their own margins), and `title` as the document title where a printer would
// show the job's name.
std::unique_ptr<QPdfWriter> NewPdfOutput(const QString& path, const QString& title,
                                         QPageSize::PageSizeId size = QPageSize::A4,
                                         bool landscape = false);

}  // namespace korvex
