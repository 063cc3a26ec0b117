#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace korvex::test {

// One word of a PDF page as poppler's pdftotext -bbox reports it, in points from the page's
// top-left corner.
struct PdfWord {
  int page = 0;  // from 1
  double x_min = 0, y_min = 0, x_max = 0, y_max = 0;
  std::string text;  // UTF-8
};

// Every word of the PDF file, page by page in reading order. Fails the running test when
// pdftotext cannot read the file.
std::vector<PdfWord> ReadPdfWords(const std::filesystem::path& pdf);

int PdfPageCount(const std::vector<PdfWord>& words);

// The words of one text line: those whose tops lie within 1 pt of `y_min`, left to right.
std::vector<PdfWord> WordsOnLine(const std::vector<PdfWord>& words, int page, double y_min);

// The words of `page` equal to `text`.
std::vector<PdfWord> FindWords(const std::vector<PdfWord>& words, const std::string& text, int page = 0);

// A position of the printouts (0.1 mm from the margin) in points from the sheet's edge, for a
// PDF whose whole sheet is printable.
double PrintUnitsToPoints(int units);

}  // namespace korvex::test
