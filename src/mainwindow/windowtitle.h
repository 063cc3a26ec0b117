#pragma once

#include <string>

#include "model/collectiondocument.h"

namespace korvex {

// The name of area `id`; "alle Münzen" for the all-coins view, for no view (0) and in a document
// without areas. Windows-1252.
std::string AreaName(const CollectionDocument& document, int id);

// The main window's caption: "Korvex", the shown view, the file, the read-only mark and the
// filter suffix, e.g. "Korvex - Übersicht über Deutschland - Sammlung - [nur Fehlbestand]".
// Windows-1252.
std::string WindowTitle(const CollectionDocument& document, const std::string& filter_suffix);

}  // namespace korvex
