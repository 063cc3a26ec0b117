#include "mainwindow/gui/mainwindowharness.h"

#include <QAction>
#include <QApplication>
#include <QUrl>

#include "mainwindow/gui/samplecollection.h"
#include "mainwindow/gui/statuszeile.h"

namespace korvex::test {

MainWindowHarness::MainWindowHarness() {
  std::filesystem::create_directories(DataFolder());
  std::filesystem::create_directories(ProgramFolder());
  qputenv("KORVEX_DATA_DIR", QByteArray::fromStdString(DataFolder().string()));
  qputenv("KORVEX_PROGRAM_DIR", QByteArray::fromStdString(ProgramFolder().string()));
  store_ = std::make_unique<SettingsStore>(dir_ / "einstellungen.conf");
}

MainWindowHarness::~MainWindowHarness() { window_.reset(); }

THauptfenster& MainWindowHarness::Start(std::vector<std::string> arguments) {
  MainWindowServices services;
  services.messages = &messages;
  services.file_dialogs = &files;
  services.password_prompt = real_password_prompt ? nullptr : &passwords;
  services.dialogs = &dialogs;
  services.settings_store = store_.get();
  services.printers = printers;
  services.arguments = std::move(arguments);
  if (!real_update_check) services.check_for_updates = [this](bool manual) { update_checks.push_back(manual); };
  services.open_url = [this](const QUrl& url) {
    opened_urls.push_back(url.toString());
    return browser_starts;
  };
  window_ = std::make_unique<THauptfenster>(std::move(services));
  window_->show();
  window_->FirstActivation();
  QApplication::processEvents();
  return *window_;
}

bool MainWindowHarness::Close() {
  const bool closed = window_->close();
  if (closed) window_.reset();
  return closed;
}

std::filesystem::path MainWindowHarness::WriteSample(const std::string& name) {
  CollectionDocument doc;
  FillSampleCollection(doc);
  const std::filesystem::path path = dir_ / name;
  WriteCollection(doc, path);
  return path;
}

QString Panel(THauptfenster& window, int panel) { return window.Statuszeile()->PanelText(panel); }

void Trigger(THauptfenster& window, const char* command) { window.Action(command)->trigger(); }

bool Enabled(THauptfenster& window, const char* command) { return window.Action(command)->isEnabled(); }

}  // namespace korvex::test
