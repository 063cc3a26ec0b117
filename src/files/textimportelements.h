#pragma once

#include <string>
#include <vector>

#include "files/textexportcolumns.h"

namespace korvex {

// The elements a column of an import file can fill, in the order of the element dialog's list.
// Their names are the export's column names.
const std::vector<ExchangeColumn>& TextImportElements();

// The element names in the same order, Windows-1252.
const std::vector<std::string>& TextImportElementNames();

}  // namespace korvex
