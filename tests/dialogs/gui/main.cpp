#include <QApplication>
#include <QTest>

#include "dialogs/gui/tmainform_test.h"
#include "dialogs/gui/toptionen_test.h"
#include "dialogs/gui/updown_test.h"

// Runs every dialog suite in one program so that they share one QApplication.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = 0;
  {
    UpDownTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  {
    TOptionenTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  {
    TMainformTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
