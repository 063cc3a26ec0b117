#include "mainwindow/gui/statuszeile.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

namespace korvex {

TStatuszeile::TStatuszeile(QWidget* parent) : QStatusBar(parent) {
  setObjectName(QStringLiteral("Statuszeile"));
  setSizeGripEnabled(true);
  setMouseTracking(true);
  constexpr std::array<int, kPanelCount> kInitialWidths = {300, 75, 100, 100, 100};
  for (int i = 0; i < kPanelCount; ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Panel%1").arg(i));
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMouseTracking(true);
    label->setContentsMargins(3, 0, 3, 0);
    // The panels pass mouse moves and double clicks on so that the bar sees them all.
    label->installEventFilter(this);
    if (i == 1 || i == 2) label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    panels_[i] = label;
    addWidget(label, i == 0 || i == kPanelCount - 1 ? 1 : 0);
    SetPanelWidth(i, kInitialWidths[i]);
  }
}

void TStatuszeile::SetPanelText(int panel, const QString& text) { panels_.at(panel)->setText(text); }

QString TStatuszeile::PanelText(int panel) const { return panels_.at(panel)->text(); }

void TStatuszeile::SetPanelWidth(int panel, int width) {
  width = std::max(width, 0);
  widths_.at(panel) = width;
  // The panels at both ends give way when the window gets narrow, so the bar never forces the
  // window wider than the user made it. Panel 4 takes whatever is left.
  if (panel == 0) {
    panels_[panel]->setMinimumWidth(0);
    panels_[panel]->setMaximumWidth(width);
  } else if (panel == kPanelCount - 1) {
    panels_[panel]->setMinimumWidth(0);
  } else {
    panels_[panel]->setFixedWidth(width);
  }
}

int TStatuszeile::PanelWidth(int panel) const { return widths_.at(panel); }

void TStatuszeile::ShowSimpleText(const QString& text) {
  simple_ = true;
  showMessage(text);
  repaint();
}

void TStatuszeile::EndSimpleText() {
  simple_ = false;
  clearMessage();
}

void TStatuszeile::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit MouseMoved(p.x(), p.y());
  QStatusBar::mouseMoveEvent(event);
}

void TStatuszeile::mouseDoubleClickEvent(QMouseEvent* event) {
  emit DoubleClicked(event->position().toPoint().x());
  QStatusBar::mouseDoubleClickEvent(event);
}

bool TStatuszeile::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  if (label && (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonDblClick)) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint p = label->mapTo(this, mouse->position().toPoint());
    if (event->type() == QEvent::MouseMove) {
      emit MouseMoved(p.x(), p.y());
    } else {
      emit DoubleClicked(p.x());
    }
  }
  return QStatusBar::eventFilter(watched, event);
}

}  // namespace korvex
