#pragma once

#include <QString>
#include <QThread>
#include <atomic>
#include <string>

#include "online/recentprogramversion.h"
#include "online/serviceconnection.h"

namespace korvex {

// The worker of one update check. It runs once: asks the program-services web service, compares
// and raises exactly one of the three notifications. Whoever starts it connects the notifications
// and `ChannelWanted` with Qt::BlockingQueuedConnection to an object of the user-interface thread,
// so that all window work happens there while the worker waits.
class TOnlineServicesThread final : public QThread {
  Q_OBJECT

 public:
  static constexpr int kUpdateCheck = 1;

  explicit TOnlineServicesThread(ServiceConnection connection, QObject* parent = nullptr);

  // Asks a running check to end soon; it then raises no notification any more.
  void Stop() { stop_ = true; }

  int ServiceKind = kUpdateCheck;
  // The user name and password passed to the service (Windows-1252).
  std::string UserName;
  std::string Password;
  // Filled by the check: the text of the notification and the service's answer.
  std::string Message;
  TRecentProgramVersion Answer;

 signals:
  void NewVersionFound(const korvex::TRecentProgramVersion& answer);
  void UpToDate(const QString& message);
  void Failed(const QString& message);
  // Raised at the moment of comparison: the receiver sets `*beta` to the beta-channel option.
  void ChannelWanted(bool* beta);

 protected:
  void run() override;

 private:
  ServiceConnection connection_;
  std::atomic<bool> stop_{false};
};

}  // namespace korvex
