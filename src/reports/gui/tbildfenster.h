#pragma once

#include <QImage>
#include <QWidget>
#include <string>

#include "dialogs/programsettings.h"
#include "dialogs/windowplaces.h"

class QLabel;

namespace korvex {

// The picture window `TBildfenster`: one coin picture in a resizable window of its own, placed
// beside the window it accompanies. The first window shows the avers, the second the revers; each
// remembers its position and size in its own slot of the window places (`Graphik_...` and
// `Graphik2_...`), which the main window writes to the settings store when it closes.
class TBildfenster final : public QWidget {
  Q_OBJECT

 public:
  // The smallest client area a window fitted to its picture gets.
  static constexpr int kMinimumSide = 100;

  // `settings` and `places` must outlive the window; the settings are read at every show.
  TBildfenster(bool second, const ProgramSettings& settings, WindowPlaces& places,
               QWidget* owner = nullptr);

  // The show operation: loads the picture that `name` references (relative to `picture_folder`),
  // sizes and places the window by the settings of the "Graphik" page and shows it without taking
  // the focus. `reference` is the first picture window (for the second), `accompanied` the frame
  // of the window the pictures belong to. An empty name or "." closes the window and gives false;
  // a picture that cannot be loaded throws EPictureError.
  bool ShowPicture(const std::string& name, const std::string& picture_folder, const QString& caption,
                   const TBildfenster* reference, const QRect& accompanied);

  bool IsSecond() const { return second_; }
  // The window's copy of the loaded picture, and its size in the file.
  const QImage& Picture() const { return picture_; }
  QSize OriginalSize() const { return original_size_; }
  // The image control that fills the window and centres the picture.
  QLabel* Bild() const { return bild_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  bool FollowsPictureSize() const { return settings_.Graphik_Autoformat; }
  int& RememberedLeft() { return second_ ? places_.Graphik2_Links : places_.Graphik_Links; }
  int& RememberedTop() { return second_ ? places_.Graphik2_Oben : places_.Graphik_Oben; }
  int& RememberedWidth() { return second_ ? places_.Graphik2_Breite : places_.Graphik_Breite; }
  int& RememberedHeight() { return second_ ? places_.Graphik2_Hoehe : places_.Graphik_Hoehe; }
  // The client size a picture of `picture` pixels gets.
  QSize ClientSizeFor(QSize picture) const;
  QSize LargestClientSize() const;
  void Place(const TBildfenster* reference, const QRect& accompanied);
  // Puts the kept picture into `Bild`, shrunk to fit when it is larger than the window; loads it
  // again at a larger size when the window has grown beyond the decoded copy.
  void FitPicture();

  const bool second_;
  const ProgramSettings& settings_;
  WindowPlaces& places_;
  QLabel* bild_;
  QImage picture_;
  QSize original_size_;
  std::string name_, picture_folder_;  // what the kept picture was loaded from
};

}  // namespace korvex
