#include "reports/pdfwords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <regex>
#include <sstream>

#include "reports/printpage.h"

namespace korvex::test {
namespace {

std::string Unescape(std::string text) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, plain] : entities) {
    for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
      text.replace(at, std::string(entity).size(), plain);
    }
  }
  return text;
}

}  // namespace

std::vector<PdfWord> ReadPdfWords(const std::filesystem::path& pdf) {
  const std::string command = "pdftotext -bbox '" + pdf.string() + "' - 2>&1";
  std::FILE* pipe = popen(command.c_str(), "r");
  EXPECT_NE(pipe, nullptr);
  if (!pipe) return {};
  std::string html;
  char buffer[65536];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) html.append(buffer, got);
  EXPECT_EQ(pclose(pipe), 0) << html;

  static const std::regex word(
      R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
  std::vector<PdfWord> words;
  int page = 0;
  std::istringstream lines(html);
  for (std::string line; std::getline(lines, line);) {
    if (line.find("<page ") != std::string::npos) ++page;
    std::smatch match;
    if (!std::regex_search(line, match, word)) continue;
    words.push_back({page, std::stod(match[1]), std::stod(match[2]), std::stod(match[3]),
                     std::stod(match[4]), Unescape(match[5])});
  }
  return words;
}

int PdfPageCount(const std::vector<PdfWord>& words) {
  int pages = 0;
  for (const PdfWord& word : words) pages = std::max(pages, word.page);
  return pages;
}

std::vector<PdfWord> WordsOnLine(const std::vector<PdfWord>& words, int page, double y_min) {
  std::vector<PdfWord> line;
  for (const PdfWord& word : words) {
    if (word.page == page && std::abs(word.y_min - y_min) < 1.0) line.push_back(word);
  }
  std::sort(line.begin(), line.end(), [](const PdfWord& a, const PdfWord& b) { return a.x_min < b.x_min; });
  return line;
}

std::vector<PdfWord> FindWords(const std::vector<PdfWord>& words, const std::string& text, int page) {
  std::vector<PdfWord> found;
  for (const PdfWord& word : words) {
    if (word.text == text && (page == 0 || word.page == page)) found.push_back(word);
  }
  return found;
}

double PrintUnitsToPoints(int units) { return (units + kPrintMargin) * 72.0 / 254.0; }

}  // namespace korvex::test
