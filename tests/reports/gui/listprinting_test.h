#pragma once

#include <QObject>

class ListPrintingTest : public QObject {
  Q_OBJECT

 private slots:
  void WideGridInPortraitAsksAndYesTurnsThePaper();
  void AnsweringNoPrintsInPortrait();
  void NarrowGridOrLandscapePaperAsksNothing();
  void CancelledDialogPrintsNothing();
  void WithoutPrintersThePrintoutGoesIntoAPdfFile();
  void EscapeAbortsAndOtherInputWaits();
  void MainWindowPrintsItsGridAndOpensTheStatistics();
};
