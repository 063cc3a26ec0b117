#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QPushButton;

namespace korvex::gui {

// The calendar "Datum wählen" that fills a date field of the entry dialog: a small tool window
// centred on its parent, with a month calendar that offers no day after `latest`.
class TDateform : public QDialog {
  Q_OBJECT

 public:
  TDateform(const QDate& shown, const QDate& latest, QWidget* parent = nullptr);

  QDate SelectedDate() const;

  QCalendarWidget* MonthCalendar1 = nullptr;
  QPushButton* ButtonOK = nullptr;
  QPushButton* ButtonCancel = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace korvex::gui
