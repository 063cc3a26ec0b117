#pragma once

#include <QString>
#include <string>

#include "reports/detailviewcontent.h"
#include "reports/printcontrol.h"
#include "reports/printpage.h"

class QPagedPaintDevice;

namespace korvex {

// The index card of the detail view's coin: one A6 page in landscape.
struct IndexCard {
  DetailViewContent content;
  std::string picture_folder;  // where bare picture names lie (Windows-1252)
  int font_size = kDefaultPrintFontSize;
};

// The job title of a card: "Karteikarte: Korvex - " and the view's caption.
QString IndexCardJobTitle(const DetailViewContent& content);

// The top of text row n of a card: (4F + 2) × n + 1.
inline constexpr int IndexCardRowTop(int font_size, int row) {
  return (HeadingFontHeight(font_size) + 2) * row + 1;
}
// The free text fills at most the rows 13 to 15.
inline constexpr int kIndexCardFirstTextRow = 13;
inline constexpr int kIndexCardLastTextRow = 15;

// Prints the card on `device`, which starts the job.
PrintOutcome PrintIndexCard(QPagedPaintDevice& device, const IndexCard& card);

}  // namespace korvex
