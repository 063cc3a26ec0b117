#pragma once

#include <string>

#include "model/collectiondocument.h"
#include "model/formatsettings.h"
#include "model/tdaten.h"

namespace korvex {

// The text a grid cell shows for one coin and one field type (Windows-1252). The coin's own area
// decides, not the shown view's: a field that area switches off gives an empty cell, and so does a
// coin whose area does not exist. Numbers use the separators of `settings`; a purchase date left
// open shows "?".
std::string CoinCellText(const CollectionDocument& document, const TDaten& coin, int type,
                         const FormatSettings& settings);

}  // namespace korvex
