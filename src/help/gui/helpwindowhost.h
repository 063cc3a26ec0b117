#pragma once

#include <filesystem>

#include "help/helppages.h"
#include "help/helptopics.h"

class QWidget;

namespace korvex::gui {

class THilfefenster;

// Opens the help window for the main window and for the dialogs it shows. While a modal dialog
// asks, the help window belongs to that dialog, so that it takes input beside it and closes with
// it; otherwise one help window over the main window serves every request and keeps its history.
class HelpWindowHost {
 public:
  explicit HelpWindowHost(QWidget* main_window, std::filesystem::path folder = HelpFolder());

  // Shows the topic of `context` in the help window of the asking window, raised and active.
  void Show(int context);
  // A handler for the windows and dialogs that open help.
  HelpHandler Handler();

  // The help window that belongs to `owner`; nullptr while it has none.
  static THilfefenster* WindowOf(const QWidget* owner);

 private:
  QWidget* main_window_;
  std::filesystem::path folder_;
};

}  // namespace korvex::gui
