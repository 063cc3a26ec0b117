// "Münze öffnen... (&Detailansicht)": the detail view of the selected coin.
#include "mainwindow/gui/listmodepictures.h"
#include "mainwindow/gui/thauptfenster.h"
#include "mainwindow/detailviewstepping.h"
#include "reports/gui/tansicht.h"

namespace korvex {

void THauptfenster::MenuAnsichtOeffnenClick() {
  const TDaten* coin = CoinOfRow();
  if (!coin) return;
  // The view shows the pictures in windows of its own while it is open.
  if (list_pictures_) list_pictures_->CloseBoth();
  gui::TAnsicht view(gui::TAnsicht::Use::kDetailView,
                     {&document_, &lookup_lists_, &format_, &places_, &settings_, services_.messages}, this);
  view.SetFileMenuEnabled(true);
  const TDaten* shown = coin;
  while (coin) {
    shown = coin;
    view.SetAreaNumber(coin->category);
    view.SetPicturePaths(coin->av_picture, coin->rv_picture);
    view.Fill(*coin);
    view.exec();
    if (!view.NextPressed() && !view.PrevPressed()) break;
    coin = SteppedCoin(*coin, view.NextPressed(), document_.current_view, filter_);
  }
  // Back in the list, the row of the coin last looked at is selected.
  SelectCoin(shown);
  ShowPreview();
}

}  // namespace korvex
