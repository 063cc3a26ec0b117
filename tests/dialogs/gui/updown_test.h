#pragma once

#include <QObject>

class UpDownTest : public QObject {
  Q_OBJECT

 private slots:
  void WrappingStepsGoRoundTheRange();
  void ClampingStepsStopAtTheEnds();
  void ArrowsFollowTypedNumbersOnly();
};
