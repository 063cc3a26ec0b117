// The update check's window side against the spyne test service on 127.0.0.1.
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <memory>

// Plain string literals throughout: moc misreads "//" inside raw strings.

#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "mainwindow/gui/waitwindow.h"
#include "dialogs/programsettings.h"
#include "online/gui/updatechecker.h"
#include "online/loopbackservers.h"
#include "platform/settingsstore.h"

using namespace korvex;

namespace {

// Records with each message whether it came on the user-interface thread and how many wait
// windows were still open at that moment.
class WatchingMessages final : public test::ScriptedMessages {
 public:
  explicit WatchingMessages(QWidget* window) : window_(window) {}
  MessageAnswer Show(MessageKind kind, const std::string& text, MessageButtons buttons,
                     const std::string& caption) override {
    on_ui_thread.push_back(QThread::currentThread() == qApp->thread());
    open_wait_windows.push_back(OpenWaitWindows(window_));
    return ScriptedMessages::Show(kind, text, buttons, caption);
  }
  static int OpenWaitWindows(QWidget* window) {
    int open = 0;
    for (auto* wait : window->findChildren<gui::TWaitwindow*>()) open += wait->isVisible();
    return open;
  }
  std::vector<bool> on_ui_thread;
  std::vector<int> open_wait_windows;

 private:
  QWidget* window_;
};

}  // namespace

class UpdateCheckerTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::TempDir> dir_;
  std::unique_ptr<test::LoopbackService> service_;
  std::unique_ptr<QWidget> window_;
  std::unique_ptr<WatchingMessages> messages_;
  std::unique_ptr<SettingsStore> store_;
  ProgramSettings settings_;
  std::vector<QString> statuses_;
  std::vector<bool> statuses_on_ui_thread_;
  std::vector<QString> opened_;
  bool browser_starts_ = true;
  std::unique_ptr<UpdateChecker> checker_;

  void UseLoopbackService() { qputenv("KORVEX_SERVICE_ADDRESS", service_->Address().c_str()); }

  // Runs one check to its end (the worker and its deferred deletion included).
  void RunCheck(bool manual) {
    QSignalSpy ended(checker_.get(), &UpdateChecker::CheckEnded);
    manual ? checker_->CheckManually() : checker_->CheckAutomatically();
    QVERIFY(ended.wait(20000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  std::vector<std::string> Texts() const { return messages_->texts(); }

 private slots:
  void initTestCase() {
    dir_ = std::make_unique<test::TempDir>();
    const test::Certificate certificate = test::MakeCertificate(dir_->path(), "dienst", "IP:127.0.0.1");
    service_ = std::make_unique<test::LoopbackService>(dir_->path() / "dienst", certificate);
    qputenv("KORVEX_SERVICE_CA", certificate.certificate.string().c_str());
  }

  void init() {
    UseLoopbackService();
    window_ = std::make_unique<QWidget>();
    window_->resize(400, 300);
    window_->show();
    messages_ = std::make_unique<WatchingMessages>(window_.get());
    store_ = std::make_unique<SettingsStore>(dir_->path() / "einstellungen.conf");
    settings_ = ProgramSettings{};
    statuses_.clear();
    statuses_on_ui_thread_.clear();
    opened_.clear();
    browser_starts_ = true;
    UpdateCheckHost host;
    host.window = window_.get();
    host.messages = messages_.get();
    host.settings = &settings_;
    host.store = store_.get();
    host.show_message = [this](const QString& text) {
      statuses_.push_back(text);
      statuses_on_ui_thread_.push_back(QThread::currentThread() == qApp->thread());
    };
    host.open_url = [this](const QUrl& url) {
      opened_.push_back(url.toString());
      return browser_starts_;
    };
    host.open_wait_window = &gui::TWaitwindow::Open;
    checker_ = std::make_unique<UpdateChecker>(host);
  }

  void cleanup() {
    checker_.reset();
    window_.reset();
  }

  void manualCheckShowsTheWaitWindowUntilItsAnswer() {
    service_->SetAnswer("{\"Version\":\"3.1.3\"}");
    QSignalSpy ended(checker_.get(), &UpdateChecker::CheckEnded);
    checker_->CheckManually();
    const auto waits = window_->findChildren<gui::TWaitwindow*>();
    QCOMPARE(waits.size(), 1);
    QVERIFY(waits.front()->isVisible());
    QCOMPARE(waits.front()->windowTitle(), QStringLiteral("Arbeite. Bitte warten..."));
    QVERIFY(waits.front()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(waits.front()->autoFortschritt->isActive());
    QCOMPARE(waits.front()->autoFortschritt->interval(), 250);
    QCOMPARE(checker_->RunningChecks(), 1);
    QVERIFY(ended.wait(20000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(Texts(), std::vector<std::string>{"Ihre Programmversion ist aktuell."});
    QCOMPARE(messages_->shown().front().kind, MessageKind::kInformation);
    // The wait window closed before the box came up, and all of it ran on the UI thread.
    QCOMPARE(messages_->open_wait_windows, std::vector<int>{0});
    QCOMPARE(messages_->on_ui_thread, std::vector<bool>{true});
    QVERIFY(window_->findChildren<gui::TWaitwindow*>().isEmpty());
    QVERIFY(statuses_.empty());
    QCOMPARE(checker_->RunningChecks(), 0);
  }

  void manualCheckReportsAFailureInABox() {
    qputenv("KORVEX_SERVICE_ADDRESS",
            ("https://127.0.0.1:" + std::to_string(test::FreeLoopbackPort()) + "/webservices/programmservices").c_str());
    RunCheck(true);
    QCOMPARE(Texts(), std::vector<std::string>{
                          "Konnte nicht mit dem Service verbinden. Bitte kontrollieren Sie Ihre Internet-Verbindung!"});
    QCOMPARE(messages_->shown().front().kind, MessageKind::kInformation);
    QCOMPARE(messages_->open_wait_windows, std::vector<int>{0});
  }

  void automaticCheckWritesOnlyTheStatusLine() {
    service_->SetAnswer("{\"Version\":\"3.1.3\"}");
    checker_->CheckAutomatically();
    QVERIFY(window_->findChildren<gui::TWaitwindow*>().isEmpty());
    QSignalSpy ended(checker_.get(), &UpdateChecker::CheckEnded);
    QVERIFY(ended.wait(20000));
    QCOMPARE(statuses_, std::vector<QString>{QStringLiteral("Ihre Programmversion ist aktuell.")});
    QCOMPARE(statuses_on_ui_thread_, std::vector<bool>{true});

    service_->SetAnswer("FAULT:Wartung");
    RunCheck(false);
    QCOMPARE(statuses_.back(), QStringLiteral("Keine Verbindung zum Updateserver möglich"));
    QVERIFY(messages_->shown().empty());
  }

  void newVersionQuestionOpensTheReleasePage() {
    service_->SetAnswer("{\"Version\":\"3.2.0\",\"Whatsnew\":\"https://example.invalid/neu.htm\","
                        "\"Beta-Version\":\"3.3 BETA\",\"Beta-Whatsnew\":\"https://example.invalid/beta.htm\"}");
    messages_->Answer(MessageAnswer::kYes);
    RunCheck(true);
    QCOMPARE(Texts(), std::vector<std::string>{
                          "Eine neue Programmversion (3.2.0) wurde gefunden. Wollen Sie diese jetzt herunterladen?"});
    QCOMPARE(messages_->shown().front().kind, MessageKind::kQuestion);
    QCOMPARE(messages_->shown().front().buttons, MessageButtons::kYesNo);
    QCOMPARE(messages_->open_wait_windows, std::vector<int>{0});
    QCOMPARE(opened_, std::vector<QString>{QStringLiteral("https://example.invalid/neu.htm")});
  }

  void betaChannelOffersTheBetaRelease() {
    settings_.Online_Update_Check_Beta = true;
    service_->SetAnswer("{\"Version\":\"3.2.0\",\"Whatsnew\":\"https://example.invalid/neu.htm\","
                        "\"Beta-Version\":\"3.3 BETA\",\"Beta-Whatsnew\":\"https://example.invalid/beta.htm\"}");
    messages_->Answer(MessageAnswer::kYes);
    RunCheck(false);
    QCOMPARE(Texts(), std::vector<std::string>{
                          "Eine neue Programmversion (3.3 BETA) wurde gefunden. Wollen Sie diese jetzt herunterladen?"});
    QCOMPARE(opened_, std::vector<QString>{QStringLiteral("https://example.invalid/beta.htm")});
    QVERIFY(statuses_.empty());
  }

  void answerNoOpensNothingAndABrowserFailureIsReported() {
    service_->SetAnswer("{\"Version\":\"3.0\",\"Whatsnew\":\"https://example.invalid/alt.htm\"}");
    messages_->Answer(MessageAnswer::kNo);
    RunCheck(true);
    QVERIFY(opened_.empty());

    browser_starts_ = false;
    messages_->Answer(MessageAnswer::kYes);
    messages_->Answer(MessageAnswer::kCancel);
    RunCheck(true);
    QCOMPARE(opened_.size(), size_t{1});
    QCOMPARE(messages_->shown().back().text, std::string("Konnte Browser nicht starten. Sorry!"));
    QCOMPARE(messages_->shown().back().kind, MessageKind::kError);
    QCOMPARE(messages_->shown().back().buttons, MessageButtons::kCancel);
    QVERIFY(messages_->AllAnswersUsed());
  }

  void betaOptionCountsAtTheMomentOfComparison() {
    // Up to date only in the beta channel; the option is ticked while the service still thinks.
    service_->SetAnswer("SLEEP:1:{\"Version\":\"3.2\",\"Beta-Version\":\"3.1.3 BETA\"}");
    QSignalSpy ended(checker_.get(), &UpdateChecker::CheckEnded);
    checker_->CheckAutomatically();
    settings_.Online_Update_Check_Beta = true;
    QVERIFY(ended.wait(20000));
    QCOMPARE(statuses_, std::vector<QString>{QStringLiteral("Ihre Programmversion ist aktuell.")});
  }

  void closingWhileTheServiceThinksNeitherWaitsNorNotifies() {
    service_->SetAnswer("SLEEP:2:{\"Version\":\"3.2\"}");
    checker_->CheckManually();
    QTest::qWait(200);
    checker_->StopChecks();
    QCOMPARE(checker_->RunningChecks(), 0);
    checker_.reset();
    window_.reset();
    QTest::qWait(2500);
    QVERIFY(messages_->shown().empty());
  }

  void closingWhileTheWorkerWaitsForTheWindowDoesNotHang() {
    service_->SetAnswer("{\"Version\":\"3.2\"}");
    const size_t calls = service_->Calls().size();
    checker_->CheckManually();
    // Without the event loop the worker, once answered, waits in its notification for this thread.
    for (int i = 0; i < 200 && service_->Calls().size() == calls; ++i) QThread::msleep(50);
    QVERIFY(service_->Calls().size() > calls);
    QThread::msleep(500);
    QCOMPARE(checker_->RunningChecks(), 1);
    checker_->StopChecks();
    QCOMPARE(checker_->RunningChecks(), 0);
    checker_.reset();
    window_.reset();
    QCoreApplication::processEvents();
    QVERIFY(messages_->shown().empty());
  }
};

QTEST_MAIN(UpdateCheckerTest)
#include "updatechecker_test.moc"
