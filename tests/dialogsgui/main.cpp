#include <QApplication>
#include <QTest>

#include "dialogsgui/tmainform_test.h"
#include "dialogsgui/toptionen_test.h"
#include "dialogsgui/tpasswort_test.h"
#include "dialogsgui/updown_test.h"
#include "dialogsgui/waitwindow_test.h"

// Runs every dialog suite in one program so that they share one QApplication.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = 0;
  {
    WaitwindowTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  {
    UpDownTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  {
    TPasswortTest test;
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
