#include "online/gui/updatechecker.h"

#include <QThread>
#include <QWidget>

#include "dialogs/programsettings.h"
#include "model/codepage.h"
#include "online/gui/tonlineservicesthread.h"
#include "online/serviceconnection.h"
#include "online/updatecheck.h"
#include "platform/messages.h"
#include "platform/widetext.h"

namespace korvex {
namespace {

constexpr const char* kNewVersionQuestion =
    "Eine neue Programmversion (%1) wurde gefunden. Wollen Sie diese jetzt herunterladen?";
constexpr const char* kBrowserFailed = "Konnte Browser nicht starten. Sorry!";
constexpr const char* kAutomaticNoConnection = "Keine Verbindung zum Updateserver möglich";
// How long closing the window waits for a stopped worker; libcurl notices the stop within a second.
constexpr unsigned long kStopWaitMilliseconds = 5000;


}  // namespace

// The user-interface side of one check: receives the worker's notifications and owns the wait
// window of a manual check. Going away it disconnects the worker from the window.
class UpdateChecker::Session final : public QObject {
 public:
  Session(bool manual, QObject* parent) : QObject(parent), manual_(manual) {}
  ~Session() override { CloseWaitWindow(); }

  bool manual() const { return manual_; }
  void ShowWaitWindow(const UpdateCheckHost& host) {
    if (host.open_wait_window) wait_ = host.open_wait_window(host.window);
  }
  void CloseWaitWindow() {
    if (!wait_) return;
    wait_->close();
    wait_->deleteLater();
    wait_.clear();
  }

 private:
  bool manual_;
  QPointer<QWidget> wait_;
};

UpdateChecker::UpdateChecker(UpdateCheckHost host, QObject* parent) : QObject(parent), host_(std::move(host)) {}

UpdateChecker::~UpdateChecker() { StopChecks(); }

void UpdateChecker::StopChecks() {
  for (const QPointer<TOnlineServicesThread>& thread : threads_) {
    if (thread) thread->Stop();
  }
  // Without its sessions a worker that waits for the user-interface thread goes on at once, and
  // no notification reaches the window any more.
  for (Session* session : findChildren<Session*>(Qt::FindDirectChildrenOnly)) delete session;
  for (const QPointer<TOnlineServicesThread>& thread : threads_) {
    if (thread && thread->wait(kStopWaitMilliseconds)) delete thread;
  }
  std::erase_if(threads_, [](const QPointer<TOnlineServicesThread>& thread) { return !thread; });
}

void UpdateChecker::CheckManually() { Start(true); }

void UpdateChecker::CheckAutomatically() { Start(false); }

int UpdateChecker::RunningChecks() const {
  int running = 0;
  for (const QPointer<TOnlineServicesThread>& thread : threads_) running += thread && !thread->isFinished();
  return running;
}

void UpdateChecker::Start(bool manual) {
  auto* session = new Session(manual, this);
  if (manual) session->ShowWaitWindow(host_);

  // No parent: the worker frees itself when done, also after the window has gone.
  auto* thread = new TOnlineServicesThread(ServiceConnectionFor(*host_.settings, *host_.store));
  constexpr Qt::ConnectionType kWaitForIt = Qt::BlockingQueuedConnection;
  connect(thread, &TOnlineServicesThread::ChannelWanted, session,
          [this](bool* beta) { *beta = host_.settings->Online_Update_Check_Beta; }, kWaitForIt);
  connect(thread, &TOnlineServicesThread::NewVersionFound, session,
          [this, session](const TRecentProgramVersion& answer) {
            session->CloseWaitWindow();
            OfferNewVersion(answer);
          },
          kWaitForIt);
  connect(thread, &TOnlineServicesThread::UpToDate, session,
          [this, session](const QString& text) { Report(session, session->manual() ? text : QString::fromUtf8(kUpToDateMessage)); },
          kWaitForIt);
  connect(thread, &TOnlineServicesThread::Failed, session,
          [this, session](const QString& text) {
            Report(session, session->manual() ? text : QString::fromUtf8(kAutomaticNoConnection));
          },
          kWaitForIt);
  connect(thread, &QThread::finished, thread, &QObject::deleteLater);
  connect(thread, &QThread::finished, session, &QObject::deleteLater);
  connect(thread, &QThread::finished, this, [this] {
    std::erase_if(threads_, [](const QPointer<TOnlineServicesThread>& t) { return !t || t->isFinished(); });
    emit CheckEnded();
  });
  threads_.emplace_back(thread);
  thread->start();
}

void UpdateChecker::Report(Session* session, const QString& text) {
  if (!session->manual()) {
    host_.show_message(text);
    return;
  }
  session->CloseWaitWindow();
  host_.messages->Information(text.toStdString());
}

void UpdateChecker::OfferNewVersion(const TRecentProgramVersion& answer) {
  const bool beta = host_.settings->Online_Update_Check_Beta;
  const QString question = QString::fromUtf8(kNewVersionQuestion).arg(FromWin1252(OfferedVersion(answer, beta)));
  if (!host_.messages->AskYesNo(question.toStdString())) return;
  if (!host_.open_url(QUrl(FromWin1252(OfferedPage(answer, beta))))) {
    host_.messages->Show(MessageKind::kError, kBrowserFailed, MessageButtons::kCancel);
  }
}

}  // namespace korvex
