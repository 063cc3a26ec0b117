#pragma once

#include "mainwindow/coinfilter.h"
#include "model/tdaten.h"

namespace korvex {

// The coin that "<" (`forward` false) or ">" of the detail view leads to from `from`: the
// preceding or following coin in the display order that the main window shows, that is, of the
// shown area (`view`, or every area for the all-coins view) and accepted by `filter`. Nothing at
// either end.
const TDaten* SteppedCoin(const TDaten& from, bool forward, int view, const CoinFilter& filter);

}  // namespace korvex
