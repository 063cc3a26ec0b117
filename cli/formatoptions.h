#pragma once

#include "cli/arguments.h"
#include "model/formatsettings.h"

namespace korvex::cli {

// The number and date conventions of `--locale de|en` (German: "." thousands, "," decimals,
// "dd.mm.yyyy"; English: ",", "." and "yyyy-mm-dd"), else those of the system locale as in the
// window; `--date-format` replaces the date format. Throws UsageError for other values.
FormatSettings FormatSettingsOf(const Arguments& arguments);

}  // namespace korvex::cli
