#pragma once

#include <string>

#include "reports/printedpicture.h"
#include "reports/printpage.h"

namespace korvex {

// Prints the picture that `name` references (relative to `picture_folder`) into `slot` by the
// printed-picture rule, stretched into its rectangle, and returns the printed height (0 when
// nothing was printed). The picture is decoded no larger than the slot needs on the device.
// A picture that cannot be read leaves its slot empty: the rest of the printout is still of use.
int PrintPicture(PrintCanvas& canvas, const std::string& name, const std::string& picture_folder,
                 const PrintSlot& slot, bool coin_sheet);

}  // namespace korvex
