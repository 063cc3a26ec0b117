#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace korvex::gui {

// A pair of arrow buttons that steps the whole number in an edit beside it, as the settings
// dialog uses for the autosave minutes (a read-only edit, wrapping at the ends) and the print
// font size (a free edit, stopping at the ends). The edit stays the place that holds the text,
// so a stored text that is no number is shown as it is until an arrow is pressed.
class UpDown : public QWidget {
  Q_OBJECT

 public:
  UpDown(QLineEdit* associate, int minimum, int maximum, bool wraps, QWidget* parent = nullptr);

  int Position() const { return position_; }
  // Moves to `position` (clamped to the range) and shows it in the edit.
  void SetPosition(int position);
  // Takes the position from the edit's text when it is a whole number in the range.
  void FollowText();

  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }

 public slots:
  void StepUp() { Step(+1); }
  void StepDown() { Step(-1); }

 private:
  void Step(int direction);

  QLineEdit* associate_;
  QToolButton* up_;
  QToolButton* down_;
  int minimum_;
  int maximum_;
  bool wraps_;
  int position_;
};

}  // namespace korvex::gui
