#include "mainwindow/detailviewstepping.h"

#include "model/collectiondocument.h"

namespace korvex {

const TDaten* SteppedCoin(const TDaten& from, bool forward, int view, const CoinFilter& filter) {
  for (const TDaten* coin = forward ? from.display_next : from.display_prev; coin;
       coin = forward ? coin->display_next : coin->display_prev) {
    if ((view == kAllCoinsView || coin->category == view) && filter.Accepts(*coin)) return coin;
  }
  return nullptr;
}

}  // namespace korvex
