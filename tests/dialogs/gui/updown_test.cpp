#include "dialogs/gui/updown_test.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "dialogs/gui/updown.h"

using korvex::gui::UpDown;

void UpDownTest::WrappingStepsGoRoundTheRange() {
  QLineEdit edit;
  UpDown updown(&edit, 5, 100, /*wraps=*/true);
  updown.SetPosition(100);
  QTest::mouseClick(updown.findChild<QToolButton*>("Up"), Qt::LeftButton);
  QCOMPARE(edit.text(), QString("5"));
  QCOMPARE(updown.Position(), 5);
  QTest::mouseClick(updown.findChild<QToolButton*>("Down"), Qt::LeftButton);
  QCOMPARE(edit.text(), QString("100"));
}

void UpDownTest::ClampingStepsStopAtTheEnds() {
  QLineEdit edit;
  UpDown updown(&edit, 2, 72, /*wraps=*/false);
  updown.SetPosition(72);
  updown.StepUp();
  QCOMPARE(edit.text(), QString("72"));
  updown.SetPosition(1);  // below the range: clamped
  QCOMPARE(edit.text(), QString("2"));
  updown.StepDown();
  QCOMPARE(edit.text(), QString("2"));
}

void UpDownTest::ArrowsFollowTypedNumbersOnly() {
  QLineEdit edit;
  UpDown updown(&edit, 2, 72, false);
  updown.SetPosition(9);
  edit.setText("20");
  updown.StepUp();
  QCOMPARE(edit.text(), QString("21"));
  // Text that is no number, or outside the range, is left until an arrow replaces it.
  edit.setText("abc");
  QCOMPARE(updown.Position(), 21);
  updown.StepDown();
  QCOMPARE(edit.text(), QString("20"));
  edit.setText("500");
  updown.StepUp();
  QCOMPARE(edit.text(), QString("21"));
}
