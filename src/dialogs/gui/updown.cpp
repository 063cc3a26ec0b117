#include "dialogs/gui/updown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace korvex::gui {

UpDown::UpDown(QLineEdit* associate, int minimum, int maximum, bool wraps, QWidget* parent)
    : QWidget(parent),
      associate_(associate),
      minimum_(minimum),
      maximum_(maximum),
      wraps_(wraps),
      position_(minimum) {
  up_ = new QToolButton(this);
  up_->setObjectName("Up");
  up_->setArrowType(Qt::UpArrow);
  up_->setAutoRepeat(true);
  down_ = new QToolButton(this);
  down_->setObjectName("Down");
  down_->setArrowType(Qt::DownArrow);
  down_->setAutoRepeat(true);
  const int height = std::max(associate->sizeHint().height() / 2, 10);
  for (QToolButton* button : {up_, down_}) button->setFixedSize(18, height);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up_);
  layout->addWidget(down_);
  connect(up_, &QToolButton::clicked, this, &UpDown::StepUp);
  connect(down_, &QToolButton::clicked, this, &UpDown::StepDown);
}

void UpDown::SetPosition(int position) {
  position_ = std::clamp(position, minimum_, maximum_);
  associate_->setText(QString::number(position_));
}

void UpDown::FollowText() {
  bool ok = false;
  const int value = associate_->text().trimmed().toInt(&ok);
  if (ok && value >= minimum_ && value <= maximum_) position_ = value;
}

void UpDown::Step(int direction) {
  FollowText();
  int next = position_ + direction;
  if (next > maximum_) next = wraps_ ? minimum_ : maximum_;
  if (next < minimum_) next = wraps_ ? maximum_ : minimum_;
  SetPosition(next);
}

}  // namespace korvex::gui
