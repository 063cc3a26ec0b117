#pragma once

#include <QObject>

class WaitwindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StartShowsWindowAndRunsTimer();
  void TicksAdvanceAndWrapAround();
  void ClosingStopsTimer();
  void ProgressAdapterCountsTheRealSteps();
};
