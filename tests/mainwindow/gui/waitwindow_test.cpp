#include "mainwindow/gui/waitwindow_test.h"

#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include "mainwindow/gui/waitwindow.h"
#include "mainwindow/gui/waitwindowprogress.h"

using korvex::gui::TWaitwindow;

void WaitwindowTest::StartShowsWindowAndRunsTimer() {
  TWaitwindow wait;
  QCOMPARE(wait.windowTitle(), QString::fromUtf8("Arbeite. Bitte warten..."));
  QVERIFY(wait.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QCOMPARE(wait.windowType(), Qt::Tool);
  QVERIFY(!wait.autoFortschritt->isActive());
  QCOMPARE(wait.autoFortschritt->interval(), 250);

  wait.Start();
  QVERIFY(wait.isVisible());
  QVERIFY(wait.autoFortschritt->isActive());
  wait.close();
}

void WaitwindowTest::TicksAdvanceAndWrapAround() {
  TWaitwindow wait;
  QProgressBar* bar = wait.findChild<QProgressBar*>("Fortschritt");
  QVERIFY(bar != nullptr);
  QCOMPARE(bar->minimum(), 0);
  QCOMPARE(bar->maximum(), 100);
  QCOMPARE(bar->value(), 0);

  // The tick is the timer's slot; calling it directly keeps the test free of timing.
  wait.autoFortschrittTimer();
  QCOMPARE(bar->value(), TWaitwindow::kStepSize);
  while (bar->value() < 100) wait.autoFortschrittTimer();
  QCOMPARE(bar->value(), 100);
  wait.autoFortschrittTimer();
  QCOMPARE(bar->value(), 0);
}

void WaitwindowTest::ClosingStopsTimer() {
  TWaitwindow wait;
  wait.Start();
  QVERIFY(wait.autoFortschritt->isActive());
  QVERIFY(wait.close());
  QVERIFY(!wait.isVisible());
  QVERIFY(!wait.autoFortschritt->isActive());
}

void WaitwindowTest::ProgressAdapterCountsTheRealSteps() {
  QWidget owner;
  korvex::gui::WaitWindowProgress progress(&owner);
  progress.ProgressBegin("Arbeite. Bitte warten...");
  auto* window = owner.findChild<TWaitwindow*>();
  QVERIFY(window);
  QVERIFY(window->isVisible());
  QVERIFY(!window->autoFortschritt->isActive());
  progress.ProgressTotal(4);
  progress.ProgressStep();
  progress.ProgressStep();
  QCOMPARE(window->Fortschritt->maximum(), 4);
  QCOMPARE(window->Fortschritt->value(), 2);
  progress.ProgressSet(9);
  QCOMPARE(window->Fortschritt->value(), 4);
  progress.ProgressEnd();
  QVERIFY(!owner.findChild<TWaitwindow*>());
  // Steps after the end go nowhere.
  progress.ProgressStep();
}

QTEST_MAIN(WaitwindowTest)
