#pragma once

#include <QObject>

class TGesamtfensterTest : public QObject {
  Q_OBJECT

 private slots:
  void FiguresPerAreaAndInTotal();
  void EdgeCasesOfTheFigures();
  void EmptyCollection();
  void GeometryIsRememberedAndColumnsShareTheWidth();
  void TallWindowFitsTheScreen();
  void ButtonDruckenPrintsTheStatistics();
  void EscapeAndOkClose();
};
