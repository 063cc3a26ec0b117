#pragma once

#include <memory>
#include <string>

#include "dialogs/programsettings.h"
#include "dialogs/windowplaces.h"
#include "model/tdaten.h"

class QWidget;

namespace korvex {

class TBildfenster;

// The main window's two picture windows for its list mode: they follow the selected coin while
// the picture setting is "&Automatisch (immer)" or "Im &Listenmodus". The windows exist from the
// first activation until the main window closes; destroying this object closes them, after they
// have left their places in `places` for the settings store.
class ListModePictures {
 public:
  ListModePictures(QWidget& main_window, const ProgramSettings& settings, WindowPlaces& places);
  ~ListModePictures();
  ListModePictures(const ListModePictures&) = delete;
  ListModePictures& operator=(const ListModePictures&) = delete;

  // Shows the avers and revers of `coin` beside the main window, or closes both windows when no
  // coin is selected or the setting does not ask for pictures in the list. False when a picture
  // could not be shown: then both windows are closed.
  bool ShowPreview(const TDaten* coin, const std::string& picture_folder);
  void CloseBoth();

  TBildfenster& Avers() const { return *avers_; }
  TBildfenster& Revers() const { return *revers_; }

 private:
  QWidget& main_window_;
  const ProgramSettings& settings_;
  std::unique_ptr<TBildfenster> avers_;
  std::unique_ptr<TBildfenster> revers_;
};

}  // namespace korvex
