#include <QApplication>
#include <QTest>

#include "reports/gui/listprinting_test.h"
#include "reports/gui/tgesamtfenster_test.h"

// Runs every suite of the report windows in one program so that they share one QApplication.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = 0;
  {
    TGesamtfensterTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  {
    ListPrintingTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
