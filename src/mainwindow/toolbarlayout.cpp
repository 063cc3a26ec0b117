#include "mainwindow/toolbarlayout.h"

#include <algorithm>
#include <tuple>

namespace korvex {
namespace {

constexpr ToolbarDock kDocks[] = {ToolbarDock::kLeft, ToolbarDock::kRight, ToolbarDock::kTop, ToolbarDock::kBottom};
constexpr int kFloatingRow = 1000;

}  // namespace

const char* DockName(ToolbarDock dock) {
  switch (dock) {
    case ToolbarDock::kLeft: return "DockLeft";
    case ToolbarDock::kRight: return "DockRight";
    case ToolbarDock::kTop: return "DockTop";
    case ToolbarDock::kBottom: return "DockBottom";
  }
  return "DockTop";
}

bool IsHorizontal(ToolbarDock dock) { return dock == ToolbarDock::kTop || dock == ToolbarDock::kBottom; }

int ToolbarRow(std::vector<int> lines, int own_line, ToolbarDock dock) {
  std::sort(lines.begin(), lines.end());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  int row = static_cast<int>(std::lower_bound(lines.begin(), lines.end(), own_line) - lines.begin());
  if (dock == ToolbarDock::kBottom || dock == ToolbarDock::kRight) row = static_cast<int>(lines.size()) - 1 - row;
  return std::max(row, 0);
}

std::vector<ToolbarPlacement> ToolbarPlacements(const std::vector<ToolbarPlace>& places) {
  struct Sorted {
    ToolbarPlacement placement;
    int row;
    int pos;
  };
  std::vector<Sorted> sorted;
  for (int i = 0; i < static_cast<int>(places.size()); ++i) {
    const ToolbarPlace& place = places[i];
    Sorted entry{{i, ToolbarDock::kTop, false, place.Visible}, place.DockRow, place.DockPos};
    for (ToolbarDock dock : kDocks) {
      if (place.DockedTo == DockName(dock)) entry.placement.dock = dock;
    }
    if (place.DockedTo == "nil") entry.row = kFloatingRow;
    sorted.push_back(entry);
  }
  std::stable_sort(sorted.begin(), sorted.end(), [](const Sorted& a, const Sorted& b) {
    return std::tie(a.placement.dock, a.row, a.pos) < std::tie(b.placement.dock, b.row, b.pos);
  });
  std::vector<ToolbarPlacement> placements;
  for (size_t i = 0; i < sorted.size(); ++i) {
    ToolbarPlacement placement = sorted[i].placement;
    placement.new_row = i > 0 && sorted[i - 1].placement.dock == placement.dock && sorted[i - 1].row != sorted[i].row;
    placements.push_back(placement);
  }
  return placements;
}

}  // namespace korvex
