#include "reports/pdfpicture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace korvex::test {

QImage RenderPdfPage(const std::filesystem::path& pdf, int page, int dpi) {
  const std::filesystem::path prefix = pdf.parent_path() / ("seite" + std::to_string(page));
  const std::string command = "pdftoppm -png -singlefile -r " + std::to_string(dpi) + " -f " +
                              std::to_string(page) + " -l " + std::to_string(page) + " '" +
                              pdf.string() + "' '" + prefix.string() + "'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  QImage image(QString::fromStdString(prefix.string() + ".png"));
  EXPECT_FALSE(image.isNull());
  return image;
}

QColor PixelAtPoints(const QImage& image, int dpi, double x_points, double y_points) {
  return image.pixelColor(static_cast<int>(x_points * dpi / 72.0), static_cast<int>(y_points * dpi / 72.0));
}

}  // namespace korvex::test
