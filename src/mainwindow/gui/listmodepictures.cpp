#include "mainwindow/gui/listmodepictures.h"

#include <QWidget>

#include "model/codepage.h"
#include "reports/gui/tbildfenster.h"
#include "platform/widetext.h"

namespace korvex {

ListModePictures::ListModePictures(QWidget& main_window, const ProgramSettings& settings,
                                   WindowPlaces& places)
    : main_window_(main_window),
      settings_(settings),
      avers_(std::make_unique<TBildfenster>(false, settings, places, &main_window)),
      revers_(std::make_unique<TBildfenster>(true, settings, places, &main_window)) {}

ListModePictures::~ListModePictures() = default;

bool ListModePictures::ShowPreview(const TDaten* coin, const std::string& picture_folder) {
  const PictureDisplay display = settings_.Graphik_Auto;
  if (!coin || (display != PictureDisplay::kAlways && display != PictureDisplay::kListMode)) {
    CloseBoth();
    return true;
  }
  const QRect main_window = main_window_.frameGeometry();
  try {
    avers_->ShowPicture(coin->av_picture, picture_folder, FromWin1252(coin->av_motive), nullptr,
                        main_window);
    revers_->ShowPicture(coin->rv_picture, picture_folder, FromWin1252(coin->rv_motive),
                         avers_.get(), main_window);
  } catch (const std::exception&) {
    // A missing or unreadable picture, or one too large for the memory left.
    CloseBoth();
    return false;
  }
  return true;
}

void ListModePictures::CloseBoth() {
  avers_->close();
  revers_->close();
}

}  // namespace korvex
