#include "reports/gui/printabortwatch.h"

#include <QApplication>
#include <QKeyEvent>

namespace korvex {
namespace {

constexpr int kEventIntervalMs = 50;

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

}  // namespace

PrintAbortWatch::PrintAbortWatch() {
  qApp->installEventFilter(this);
  since_events_.start();
}

PrintAbortWatch::~PrintAbortWatch() { qApp->removeEventFilter(this); }

bool PrintAbortWatch::Aborted() {
  if (since_events_.elapsed() >= kEventIntervalMs) {
    QApplication::processEvents(QEventLoop::AllEvents);
    since_events_.restart();
  }
  return aborted_;
}

bool PrintAbortWatch::eventFilter(QObject* watched, QEvent* event) {
  if (!IsUserInput(event->type())) return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    aborted_ = true;
  }
  if (event->type() == QEvent::Close) event->ignore();
  return true;
}

}  // namespace korvex
