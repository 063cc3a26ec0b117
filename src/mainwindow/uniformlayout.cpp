#include "mainwindow/uniformlayout.h"

#include "mainwindow/gridcolumns.h"

namespace korvex {

bool WantsUniformLayout(bool same_layout_everywhere, bool ask_first, bool layouts_uniform,
                        MessageService& messages) {
  if (!same_layout_everywhere) return false;
  if (!ask_first || layouts_uniform) return true;
  return messages.AskYesNo(
      "Die Sammelgebiete haben einen unterschiedlichen Aufbau. Sollen alle Sammelgebiete im Aufbau "
      "diesem Sammelgebiet angepasst werden?");
}

void CopyLayoutToAllViews(CollectionDocument& document) {
  // A copy first: the source is itself one of the lists that get replaced.
  const std::vector<TZelle> layout = ViewColumns(document);
  document.all_cells = layout;
  for (auto& area : document.areas) area->cells = layout;
}

}  // namespace korvex
