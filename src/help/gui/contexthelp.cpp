#include "help/gui/contexthelp.h"

#include <QShortcut>
#include <QWidget>

namespace korvex::gui {
namespace {

int OwnHelpContext(const QWidget* widget) {
  const QVariant context = widget->property("helpContext");
  return context.isValid() ? context.toInt() : 0;
}

}  // namespace

int FocusedHelpContext(const QWidget& window) {
  for (const QWidget* widget = window.focusWidget(); widget; widget = widget->parentWidget()) {
    if (const int context = OwnHelpContext(widget)) return context;
    if (widget == &window) return 0;
  }
  return OwnHelpContext(&window);
}

void InstallContextHelp(QWidget& window, HelpHandler handler) {
  if (!handler) return;
  auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), &window);
  shortcut->setObjectName("ContextHelp");
  QObject::connect(shortcut, &QShortcut::activated, &window, [&window, handler = std::move(handler)] {
    const int context = FocusedHelpContext(window);
    handler(context ? context : kHelpContents);
  });
}

}  // namespace korvex::gui
