#pragma once

#include <QImage>
#include <filesystem>

namespace korvex::test {

// Page `page` (from 1) of a PDF file as poppler's pdftoppm renders it at `dpi`; fails the running
// test when pdftoppm cannot.
QImage RenderPdfPage(const std::filesystem::path& pdf, int page, int dpi);

// The pixel of `image` at a position given in points from the page's top-left corner.
QColor PixelAtPoints(const QImage& image, int dpi, double x_points, double y_points);

}  // namespace korvex::test
