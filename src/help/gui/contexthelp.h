#pragma once

#include "help/helptopics.h"

class QWidget;

namespace korvex::gui {

// Context help by F1: the help context number of a control is its property "helpContext"; a
// control without one takes the number of the nearest parent that has one (the dialog's own).

// The help context of the control that has the focus in `window`, else of the window itself;
// 0 when neither has one.
int FocusedHelpContext(const QWidget& window);

// F1 in `window` opens the help on the focused control's context through `handler`. Nothing
// happens without a handler.
void InstallContextHelp(QWidget& window, HelpHandler handler);

}  // namespace korvex::gui
