#include "mainwindow/windowtitle.h"

#include "model/codepage.h"

namespace korvex {

std::string AreaName(const CollectionDocument& document, int id) {
  if (id != kAllCoinsView) {
    if (const TKategorie* area = document.Area(id)) return area->name;
  }
  return Utf8ToWin1252("alle Münzen");
}

std::string WindowTitle(const CollectionDocument& document, const std::string& filter_suffix) {
  std::string title = "Korvex";
  if (document.current_view != 0) {
    title += Utf8ToWin1252(" - Übersicht über ") + AreaName(document, document.current_view);
  }
  if (!document.file_path().empty()) {
    // An unnamed document has no title of its own; its placeholder path stands in for it.
    title += " - " + (document.file_title().empty() ? document.file_path() : document.file_title());
  }
  if (!document.writable()) title += Utf8ToWin1252(" [Schreibgeschützt]");
  return title + filter_suffix;
}

}  // namespace korvex
