#include "mainwindow/gui/waitwindow.h"

#include <QCloseEvent>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace korvex::gui {

TWaitwindow::TWaitwindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint) {
  setObjectName("Waitwindow");
  setWindowTitle(QString::fromUtf8("Arbeite. Bitte warten..."));

  Fortschritt = new QProgressBar(this);
  Fortschritt->setObjectName("Fortschritt");
  Fortschritt->setRange(0, 100);
  Fortschritt->setValue(0);
  Fortschritt->setTextVisible(false);
  Fortschritt->setMinimumWidth(260);

  autoFortschritt = new QTimer(this);
  autoFortschritt->setObjectName("autoFortschritt");
  autoFortschritt->setInterval(kTickMilliseconds);
  connect(autoFortschritt, &QTimer::timeout, this, &TWaitwindow::autoFortschrittTimer);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Fortschritt);
  adjustSize();
}

TWaitwindow* TWaitwindow::Open(QWidget* parent) {
  auto* wait = new TWaitwindow(parent);
  wait->Start();
  return wait;
}

void TWaitwindow::Start() {
  show();
  autoFortschritt->start();
}

void TWaitwindow::autoFortschrittTimer() {
  const int next = Fortschritt->value() + kStepSize;
  Fortschritt->setValue(next > Fortschritt->maximum() ? Fortschritt->minimum() : next);
}

void TWaitwindow::closeEvent(QCloseEvent* event) {
  // A closed window must not keep a timer running behind the caller's back.
  autoFortschritt->stop();
  event->accept();
}

}  // namespace korvex::gui
