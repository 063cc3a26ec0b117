#include "dialogs/gui/tdateform.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex::gui {

TDateform::TDateform(const QDate& shown, const QDate& latest, QWidget* parent)
    : QDialog(parent, Qt::Tool) {
  setObjectName("Dateform");
  setWindowTitle(QStringLiteral("Datum wählen"));

  MonthCalendar1 = new QCalendarWidget(this);
  MonthCalendar1->setObjectName("MonthCalendar1");
  MonthCalendar1->setLocale(QLocale(QLocale::German, QLocale::Germany));
  MonthCalendar1->setGridVisible(true);
  MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  // Wide enough for every short day name ("Mo.") and the month and year buttons.
  MonthCalendar1->setMinimumSize(300, 200);
  MonthCalendar1->setMaximumDate(latest);
  MonthCalendar1->setSelectedDate(shown > latest ? latest : shown);

  ButtonOK = new QPushButton(QStringLiteral("Ok"), this);
  ButtonOK->setObjectName("ButtonOK");
  ButtonOK->setDefault(true);
  ButtonCancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  ButtonCancel->setObjectName("ButtonCancel");
  connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(MonthCalendar1, &QCalendarWidget::activated, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ButtonOK);
  buttons->addWidget(ButtonCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MonthCalendar1);
  layout->addLayout(buttons);
}

QDate TDateform::SelectedDate() const { return MonthCalendar1->selectedDate(); }

void TDateform::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QWidget* owner = parentWidget()) {
    const QPoint centre = owner->mapToGlobal(owner->rect().center());
    move(centre - rect().center());
  }
}

}  // namespace korvex::gui
