#include "mainwindow/gridlistrows.h"

#include "mainwindow/gridcolumns.h"
#include "mainwindow/windowtitle.h"
#include "model/datetime.h"

namespace korvex {

ListPrintout MakeListPrintout(const CollectionDocument& document, const GridListRows& rows,
                              const FormatSettings& format, int font_size) {
  ListPrintout list;
  list.rows = &rows;
  for (const TZelle& cell : ViewColumns(document)) {
    list.columns.push_back(
        {cell.type, cell.width, cell.align, ColumnHeaderText(document, cell.type).value_or("")});
  }
  list.view_name = AreaName(document, document.current_view);
  list.file_path = document.file_path();
  list.currency_symbol = document.currency_symbol;
  list.date_text = FormatDate(Today(), format.short_date_format);
  list.format = format;
  list.font_size = font_size;
  return list;
}

}  // namespace korvex
