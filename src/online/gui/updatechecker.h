#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>
#include <vector>

namespace korvex {

class MessageService;
class SettingsStore;
class TOnlineServicesThread;
struct ProgramSettings;
struct TRecentProgramVersion;

// What the update check uses of the main window.
struct UpdateCheckHost {
  // Parent of the wait window and of the message boxes.
  QWidget* window = nullptr;
  MessageService* messages = nullptr;
  // The settings in force: the proxy at the start of a check, the beta channel when it compares.
  const ProgramSettings* settings = nullptr;
  // Holds the service address.
  SettingsStore* store = nullptr;
  // Writes the message panel (panel 0 of the status line).
  std::function<void(const QString&)> show_message;
  // Opens an address in the browser; false when that failed.
  std::function<bool(const QUrl&)> open_url;
  // Shows the wait window of a manual check over `window` and returns it; the check closes and
  // deletes it when the answer is in. The window belongs to the main window's library.
  std::function<QWidget*(QWidget* window)> open_wait_window;
};

// Starts update checks and carries out their notifications on the user-interface thread: the
// manual check from "Auf Updates überprüfen" with the wait window and message boxes, the
// automatic check at start-up that writes only the message panel, and the new-version question
// with the browser start. Each check runs on a worker of its own that frees itself; when this
// object goes (the window closes), running workers are stopped and never touch the window again.
class UpdateChecker final : public QObject {
  Q_OBJECT

 public:
  explicit UpdateChecker(UpdateCheckHost host, QObject* parent = nullptr);
  ~UpdateChecker() override;

  // `MenuOnlineCheckUpdatesClick`.
  void CheckManually();
  // The check after the first activation when `OnlineAutoCheckUpdates` is ticked.
  void CheckAutomatically();

  // Stops the running checks and waits (a few seconds at most) until their workers have ended;
  // none of them notifies the window any more. Closing the window does this.
  void StopChecks();

  int RunningChecks() const;

 signals:
  // A worker has ended, after its notification ran.
  void CheckEnded();

 private:
  class Session;

  void Start(bool manual);
  void OfferNewVersion(const TRecentProgramVersion& answer);
  void Report(Session* session, const QString& text);

  UpdateCheckHost host_;
  std::vector<QPointer<TOnlineServicesThread>> threads_;
};

}  // namespace korvex
