#pragma once

#include <QObject>

class TMainformTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsSortedCopiesOfChosenList();
  void AddKeepsListSorted();
  void AddQualityPairWithCode();
  void DoubleClickEditsEntryAndResorts();
  void CancelledEditorChangesNothing();
  void DeleteRemovesSelectedEntry();
  void OkWritesEditedListsAndCancelWritesNothing();
  void UnwritableFileKeepsEditorOpen();
  void EditformCodeRefusesEqualsSign();
};
