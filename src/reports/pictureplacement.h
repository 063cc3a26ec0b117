#pragma once

#include <optional>

#include <QPoint>
#include <QRect>
#include <QSize>

#include "dialogs/programsettings.h"

namespace korvex {

// What decides where a picture window opens. All rectangles are outer window frames in screen
// pixels.
struct PictureWindowPlacement {
  PicturePlace place = PicturePlace::kTopLeft;  // `Graphik_Pos`
  bool second = false;                          // the revers window, placed after the first
  QRect accompanied;                            // the window the pictures accompany (V)
  std::optional<QRect> reference;               // the first picture window while it shows (R)
  QSize own_size;                               // the frame size the window will have
  QPoint remembered;                            // `Graphik_Links`/`Graphik_Oben` or `Graphik2_...`
};

// The top-left corner of the window's frame by the place options of the "Graphik" page. A second
// window without a shown first window takes the place of a first window.
QPoint PictureWindowPosition(const PictureWindowPlacement& placement);

}  // namespace korvex
