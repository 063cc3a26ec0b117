#pragma once

#include <cstdint>

#include "files/legacystream.h"
#include "model/tdaten.h"
#include "model/tkategorie.h"
#include "model/tzelle.h"

namespace korvex {

// The records of a legacy data file of version 100, 120, 200 or 250. Texts are unscrambled
// with `key`. A record that ends early raises ELegacyRead and keeps the members read so far.

void ReadLegacyCell(LegacyStream& stream, TZelle& cell);

// Reads an area; its stored columns are read over, the area keeps the ten default columns.
// Members the version does not carry keep the defaults of a new area.
void ReadLegacyArea(LegacyStream& stream, int version, int key, TKategorie& area);

// Reads a coin record; members the version does not carry keep their values.
void ReadLegacyCoin(LegacyStream& stream, int version, int key, TDaten& coin);

// The catalogue kinds that the fourth flag word of an area gives number slots 2 and 3.
int LegacySlotTwoKind(uint16_t flag_word_4);
int LegacySlotThreeKind(uint16_t flag_word_4);

}  // namespace korvex
