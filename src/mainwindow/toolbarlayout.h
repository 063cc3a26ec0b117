#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/windowplaces.h"

namespace korvex {

// The four docks of the main window, in the order in which the window's toolbar areas sort.
enum class ToolbarDock { kLeft, kRight, kTop, kBottom };

// The dock's stored name ("DockLeft", "DockRight", "DockTop", "DockBottom").
const char* DockName(ToolbarDock dock);
bool IsHorizontal(ToolbarDock dock);

// The row a docked bar is stored with: the bars of one dock that share a line (`lines` holds the
// line of every visible bar of that dock, `own_line` the bar's own) form one row; rows count from
// the window's edge, so for the bottom and right docks from the far end. Never below 0.
int ToolbarRow(std::vector<int> lines, int own_line, ToolbarDock dock);

// Where one bar goes when the stored layout is restored.
struct ToolbarPlacement {
  int bar = 0;            // index into the places passed in
  ToolbarDock dock = ToolbarDock::kTop;
  bool new_row = false;   // a break in the dock comes before the bar
  bool visible = true;

  bool operator==(const ToolbarPlacement&) const = default;
};

// The order in which the bars are put back into their docks: by dock, stored row and position.
// A bar stored with an unknown dock goes to the top dock; a bar that floated ("nil") comes back
// in a row of its own below the others of the top dock.
std::vector<ToolbarPlacement> ToolbarPlacements(const std::vector<ToolbarPlace>& places);

}  // namespace korvex
