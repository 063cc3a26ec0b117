#pragma once

#include <string>
#include <vector>

#include "mainwindow/gridview.h"
#include "model/collectiondocument.h"
#include "model/formatsettings.h"
#include "reports/printcontrol.h"
#include "reports/printpage.h"

class QPagedPaintDevice;

namespace korvex {

// One grid column as the list printout uses it.
struct ListPrintColumn {
  int type = 0;    // field type
  int width = 0;   // on-screen width in pixels
  int align = 0;   // 0 left, 1 right, 2 centre
  std::string heading;  // Windows-1252
};

// Where a column lies on the page, in 0.1 mm.
struct ColumnEdges {
  int left = 0;
  int right = 0;
};

// The columns share the page width W in the proportions of their screen widths, each keeping
// 1 mm from its borders; the first starts at 0 and the last ends at W.
std::vector<ColumnEdges> ListColumnGeometry(int page_width, const std::vector<int>& screen_widths);

// Everything a list printout shows: the grid's rows with their on-demand cell texts (the same
// texts the screen shows), the columns of the shown view, and the page texts.
struct ListPrintout {
  const GridView* rows = nullptr;
  std::vector<ListPrintColumn> columns;
  std::string view_name;        // the shown area's name or "alle Münzen" (Windows-1252)
  std::string file_path;        // for the footer (Windows-1252)
  std::string currency_symbol;  // (Windows-1252)
  std::string date_text;        // today in the date format in use
  FormatSettings format;
  int font_size = kDefaultPrintFontSize;
};

// The printout of the document's current view: its column list with the grid's headers, the
// rows of `rows`, today's date.
ListPrintout MakeListPrintout(const CollectionDocument& document, const GridView& rows,
                              const FormatSettings& format, int font_size);

// A grid with more than 8 columns wants landscape paper.
bool ListWantsLandscape(bool printer_landscape, int column_count);
inline constexpr const char* kOrientationQuestion =
    "Die Papierausrichtung im Drucker entspricht nicht der im Dokument. Soll die "
    "Papierausrichtung im Drucker der des Dokumentes angepasst werden?";

// The progress text of list printing.
inline constexpr const char* kListPrintProgressText = "Sende an Drucker. Fertig:";

// Prints the list on `device`, which starts the job: the heading row, one row per shown coin,
// the carried-over subtotal at every page break and the totals row. Stops between rows when the
// control reports an abort.
PrintOutcome PrintList(QPagedPaintDevice& device, const ListPrintout& list, const PrintControl& control);

}  // namespace korvex
