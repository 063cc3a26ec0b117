#pragma once

#include <cstdint>

#include "model/collectiondocument.h"

namespace korvex::bench {

// Fills an empty document with a realistic synthetic collection: `area_count` areas and
// `coin_count` coins with every field filled the way collectors fill them (short codes, German texts
// with umlauts, prices, dates, notes on some coins, picture names on most). The same seed always
// gives the same collection.
void GenerateCollection(CollectionDocument& document, int coin_count, int area_count = 12,
                        uint32_t seed = 20261209);

}  // namespace korvex::bench
