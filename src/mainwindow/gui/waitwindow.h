#pragma once

#include <QWidget>

class QProgressBar;
class QTimer;

namespace korvex::gui {

// The wait window "Arbeite. Bitte warten...": a small tool window that stays on top and shows a
// progress bar moving by itself while work of unknown length runs (area definition, update check).
//
// Use:
//   auto* wait = new TWaitwindow(mainWindow);
//   wait->Start();            // shows the window and starts the bar
//   ... work, returning to the event loop now and then ...
//   wait->close(); wait->deleteLater();   // or delete it when the work ends
//
// The bar does not tell real progress: each tick of `autoFortschritt` (250 ms) advances
// `Fortschritt` by one step and wraps to the start after the end, so the user sees that the
// program is alive.
class TWaitwindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kTickMilliseconds = 250;
  static constexpr int kStepSize = 10;

  explicit TWaitwindow(QWidget* parent = nullptr);

  // Shows the window and switches the timer on.
  void Start();
  // A new wait window over `parent`, already started.
  static TWaitwindow* Open(QWidget* parent);

  QProgressBar* Fortschritt = nullptr;
  QTimer* autoFortschritt = nullptr;

 public slots:
  // One timer tick: the bar moves on by one step.
  void autoFortschrittTimer();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace korvex::gui
