// The main window's online commands: the start-up check, the menu check, the web links, and the
// real check of a real window against the spyne test service on 127.0.0.1.
#include <QAction>
#include <QApplication>
#include <QTest>
#include <memory>

#include "dialogs/programsettings.h"
#include "mainwindow/gui/mainwindowharness.h"
#include "online/loopbackservers.h"
#include "platform/settingsstore.h"

using namespace korvex;
using korvex::test::MainWindowHarness;

class MainWindowOnlineTest : public QObject {
  Q_OBJECT

 private slots:
  void startUpChecksOnlyWhenTheOptionIsTicked() {
    {
      MainWindowHarness harness;
      harness.Start();
      QCOMPARE(harness.update_checks, std::vector<bool>{false});
    }
    MainWindowHarness harness;
    SettingsKey(harness.store()).WriteBool("Online_Update_Check", false);
    harness.Start();
    QVERIFY(harness.update_checks.empty());
  }

  void menuStartsTheManualCheck() {
    MainWindowHarness harness;
    SettingsKey(harness.store()).WriteBool("Online_Update_Check", false);
    THauptfenster& window = harness.Start();
    QVERIFY(test::Enabled(window, "MenuOnlineCheckUpdates"));
    test::Trigger(window, "MenuOnlineCheckUpdates");
    QCOMPARE(harness.update_checks, std::vector<bool>{true});
  }

  void webLinksOpenTheirPagesAndIgnoreFailures() {
    MainWindowHarness harness;
    SettingsKey(harness.store()).WriteString("URL", "https://www.example.invalid/korvex");
    THauptfenster& window = harness.Start();
    harness.browser_starts = false;
    const size_t before = harness.messages.shown().size();
    for (const char* command : {"MenuOnlineFAQ", "MenuHilfeFAQ", "MenuOnlineInternet", "MenuOnlineForum", "MenuHilfeForum"}) {
      test::Trigger(window, command);
    }
    const std::vector<QString> expected = {
        "https://www.example.invalid/korvex/faq_korvex.htm", "https://www.example.invalid/korvex/faq_korvex.htm",
        "https://www.example.invalid/korvex", kDefaultServiceUrl, kDefaultServiceUrl};
    QCOMPARE(harness.opened_urls, expected);
    QCOMPARE(harness.messages.shown().size(), before);
    QVERIFY(!window.Action("MenuOnlineForum")->isVisible());
    QVERIFY(!window.Action("MenuHilfeForum")->isVisible());
  }

  void realCheckAtStartUpWritesTheStatusLineAndClosingWhileRunningIsSafe() {
    test::TempDir dir;
    const test::Certificate certificate = test::MakeCertificate(dir.path(), "dienst", "IP:127.0.0.1");
    const test::LoopbackService service(dir.path() / "dienst", certificate);
    service.SetAnswer(R"({"Version":"3.1.3"})");
    qputenv("KORVEX_SERVICE_ADDRESS", service.Address().c_str());
    qputenv("KORVEX_SERVICE_CA", certificate.certificate.string().c_str());
    {
      MainWindowHarness harness;
      harness.real_update_check = true;
      THauptfenster& window = harness.Start();
      QTRY_COMPARE_WITH_TIMEOUT(test::Panel(window, 0), QStringLiteral("Ihre Programmversion ist aktuell."), 20000);
      QVERIFY(harness.messages.shown().empty());
    }
    // A window closed while its check is still waiting for the service goes without a word.
    service.SetAnswer(R"(SLEEP:2:{"Version":"3.2"})");
    MainWindowHarness harness;
    harness.real_update_check = true;
    harness.Start();
    QVERIFY(harness.Close());
    QTest::qWait(2500);
    QVERIFY(harness.messages.shown().empty());
    qunsetenv("KORVEX_SERVICE_ADDRESS");
    qunsetenv("KORVEX_SERVICE_CA");
  }
};

QTEST_MAIN(MainWindowOnlineTest)
#include "mainwindowonline_test.moc"
