#include "reports/listprinttestdata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/fieldcatalogue.h"
#include "reports/pdfoutput.h"

namespace korvex::test {

ListDocument::ListDocument(int coins, std::vector<TZelle> columns) : view_(builder_.document()) {
  const int area = builder_.AddArea("Deutschland");
  builder_.Area(area).cells = std::move(columns);
  for (int i = 0; i < coins; ++i) {
    builder_.AddCoin(area, [i](TDaten& coin) {
      coin.item = std::to_string(1000 + i);
      coin.av_motive = W(i % 2 ? "Adler" : "Brandenburger Tor");
      coin.count = i % 4;
      coin.catalogue = 1.25 * (i % 7 + 1);
      coin.purchaseprice = 0.5 * (i % 5 + 1);
    });
  }
  document().RebuildDisplayOrder();
  document().current_view = area;
  document().SetFileName("/sammlungen/Deutschland.mvc");
}

std::vector<TZelle> ListDocument::DefaultListColumns() {
  return {{kItem, 90, kAlignLeft},        {kAvMotive, 200, kAlignLeft},
          {kCount, 40, kAlignRight},      {kCatalogue, 90, kAlignRight},
          {kCataloguesum, 110, kAlignRight}, {kPurchaseprice, 90, kAlignRight}};
}

GridView& ListDocument::View(FilterKind filter) {
  CoinFilter coin_filter;
  coin_filter.SetCountFilter(filter);
  view_.Rebuild(coin_filter);
  return view_;
}

std::vector<PdfWord> ListDocument::Print(const std::filesystem::path& pdf, const PrintControl& control,
                                         int font_size) {
  printout_ = MakeListPrintout(document(), view_, FormatSettings::German(), font_size);
  auto writer = NewPdfOutput(QString::fromStdString(pdf.string()), QStringLiteral("Liste"));
  EXPECT_EQ(PrintList(*writer, printout_, control), control.aborted ? PrintOutcome::kAborted
                                                                     : PrintOutcome::kPrinted);
  writer.reset();
  return ReadPdfWords(pdf);
}

std::vector<std::vector<PdfWord>> PageLines(const std::vector<PdfWord>& words, int page) {
  std::vector<PdfWord> on_page;
  for (const PdfWord& word : words) {
    if (word.page == page) on_page.push_back(word);
  }
  std::sort(on_page.begin(), on_page.end(), [](const PdfWord& a, const PdfWord& b) { return a.y_min < b.y_min; });
  std::vector<std::vector<PdfWord>> lines;
  for (const PdfWord& word : on_page) {
    if (lines.empty() || word.y_min - lines.back().front().y_min > 1.5) lines.emplace_back();
    lines.back().push_back(word);
  }
  for (auto& line : lines) {
    std::sort(line.begin(), line.end(), [](const PdfWord& a, const PdfWord& b) { return a.x_min < b.x_min; });
  }
  return lines;
}

std::string ColumnText(const std::vector<PdfWord>& line, const ColumnEdges& edges) {
  std::string text;
  for (const PdfWord& word : line) {
    if (word.x_min < PrintUnitsToPoints(edges.left) - 0.5 || word.x_min > PrintUnitsToPoints(edges.right)) continue;
    if (!text.empty()) text += ' ';
    text += word.text;
  }
  return text;
}

}  // namespace korvex::test
