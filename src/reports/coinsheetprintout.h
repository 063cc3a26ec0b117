#pragma once

#include <QString>
#include <string>

#include "reports/detailviewcontent.h"
#include "reports/printcontrol.h"
#include "reports/printpage.h"

class QPagedPaintDevice;

namespace korvex {

// The coin sheet of the detail view: one coin with every field its area uses and its free text,
// optionally with its two pictures, over as many pages as the text needs.
struct CoinSheet {
  DetailViewContent content;
  std::string picture_folder;  // where bare picture names lie (Windows-1252)
  std::string date_text;       // today in the date format in use
  bool with_pictures = false;  // "mit Bild"
  int font_size = kDefaultPrintFontSize;
};

// The job title of the sheet: "Korvex - " and the view's caption.
QString CoinSheetJobTitle(const DetailViewContent& content);

// A free-text line wider than 173 mm, as `width` measures it, split at its last blanks (or in
// halves where there is none) into lines that fit. Lines are Windows-1252 free of line breaks.
inline constexpr int kFreeTextWidth = 1730;
template <typename Width>
std::vector<QString> SplitFreeTextLine(const QString& line, Width width);

// Prints the sheet on `device`, which starts the job. Stops between the lines of the free text
// when the control reports an abort.
PrintOutcome PrintCoinSheet(QPagedPaintDevice& device, const CoinSheet& sheet,
                            const PrintControl& control = {});

template <typename Width>
std::vector<QString> SplitFreeTextLine(const QString& line, Width width) {
  std::vector<QString> lines;
  QString rest = line;
  while (true) {
    QString carry;
    while (width(rest) > kFreeTextWidth) {
      const qsizetype blank = rest.lastIndexOf(QLatin1Char(' '));
      const qsizetype cut = blank >= 0 ? blank : rest.size() / 2;
      // A piece of one or two characters is printed as it is.
      if (cut <= 1) break;
      carry = rest.mid(cut) + carry;
      rest.truncate(cut);
    }
    lines.push_back(rest);
    carry = carry.trimmed();
    if (carry.isEmpty()) return lines;
    rest = carry;
  }
}

}  // namespace korvex
