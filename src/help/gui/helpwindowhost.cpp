#include "help/gui/helpwindowhost.h"

#include <QApplication>

#include "help/gui/thilfefenster.h"

namespace korvex::gui {

HelpWindowHost::HelpWindowHost(QWidget* main_window, std::filesystem::path folder)
    : main_window_(main_window), folder_(std::move(folder)) {}

THilfefenster* HelpWindowHost::WindowOf(const QWidget* owner) {
  return owner ? owner->findChild<THilfefenster*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void HelpWindowHost::Show(int context) {
  QWidget* owner = QApplication::activeModalWidget();
  if (!owner) owner = main_window_;
  THilfefenster* window = WindowOf(owner);
  if (!window) window = new THilfefenster(folder_, owner);
  window->ShowTopic(context);
  window->show();
  window->raise();
  window->activateWindow();
}

HelpHandler HelpWindowHost::Handler() {
  return [this](int context) { Show(context); };
}

}  // namespace korvex::gui
