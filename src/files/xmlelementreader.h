#pragma once

#include <vector>

#include <pugixml.hpp>

#include "model/tzelle.h"

// Shared by the readers of the collection file and of its single elements.
namespace korvex::xml {

// From this file version on, areas and the all-coins view store their grid columns.
inline constexpr float kCellsVersion = 0.3f;

// The `cell` children of a `cells` element, in order; replaces `target`.
void ReadCellList(pugi::xml_node cells, std::vector<TZelle>& target);

}  // namespace korvex::xml
