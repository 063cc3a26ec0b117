// Start-up, activation, closing and the window's persistent layout.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QToolBar>
#include <QUrl>
#include <algorithm>
#include <filesystem>
#include <map>

#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/mainwindowcommands.h"
#include "mainwindow/gui/mainwindowdialogs.h"
#include "mainwindow/gui/statuszeile.h"
#include "mainwindow/gui/thauptfenster.h"
#include "model/codepage.h"
#include "model/fieldcatalogue.h"
#include "model/paths.h"
#include "online/weblinks.h"
#include "platform/datafolders.h"
#include "platform/messages.h"
#include "platform/settingsstore.h"
#include "dialogs/currencyconversion.h"
#include "dialogs/dateformat.h"

namespace korvex {
namespace {

QString FromWin1252(const std::string& text) { return QString::fromStdString(Win1252ToUtf8(text)); }

// The example collection shipped in the program folder, offered once on the very first start.
constexpr const char* kExampleFile = "Beispielsammlung.mvc";
constexpr const char* kExamplePictures = "Beispielsammlung";
constexpr const char* kExampleOfferedValue = "BeispielsammlungAngeboten";

const std::map<Qt::ToolBarArea, std::string>& DockNames() {
  static const std::map<Qt::ToolBarArea, std::string> names = {
      {Qt::TopToolBarArea, "DockTop"},
      {Qt::BottomToolBarArea, "DockBottom"},
      {Qt::LeftToolBarArea, "DockLeft"},
      {Qt::RightToolBarArea, "DockRight"},
  };
  return names;
}

bool Horizontal(Qt::ToolBarArea area) { return area == Qt::TopToolBarArea || area == Qt::BottomToolBarArea; }

}  // namespace

// ---------------------------------------------------------------------------------------------
// First activation and every activation

void THauptfenster::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The start-up opens files and may ask questions, so it runs once the window is on screen.
  if (!started_) QTimer::singleShot(0, this, &THauptfenster::FirstActivation);
}

void THauptfenster::FirstActivation() {
  if (started_) return;
  started_ = true;
  // Schön number ascending, then Jäger number ascending; keys 4 and 5 count as none.
  document_.sort_keys = {kSchoen, kJaeger, kNoSortKey, 0, 0};
  header_dragged_ = false;
  layouts_uniform_ = true;
  document_.SetPassword("");
  RestoreGeometry();
  ReadWindowPlaces(*services_.settings_store, places_);
  ReadProgramSettings();
  LoadLookupListsAtStart();
  RestoreToolbars();

  document_.current_view = 0;
  document_.ClearFileName();
  SetModified(false);
  document_.has_name = false;
  LayoutStatusBar();
  BuildHeaders();
  SyncToolbarChecks();
  ConfigureAutosave();

  repaint();
  bool opened = false;
  const std::string named = CommandLineFileName();
  if (!named.empty()) opened = OpenAtStart(named);
  if (!opened && settings_.AutoDatei && !settings_.AutoDatei_Name.empty()) {
    opened = OpenAtStart(settings_.AutoDatei_Name);
  }
  if (!opened) opened = OpenExampleOnFirstStart();
  if (!opened) BuildRows();
  if (!document_.has_name && !document_.from_template) OpenFromDialog(false, false);

  ReadWindowPlaces(*services_.settings_store, places_);
  BuildToolsMenu();
  if (settings_.Online_Update_Check) services_.check_for_updates(false);
  EveryActivation();
}

std::string THauptfenster::CommandLineFileName() const {
  std::string joined;
  for (const std::string& argument : services_.arguments) {
    if (!joined.empty()) joined += ' ';
    joined += argument;
  }
  std::string name = Utf8ToWin1252(joined);
  // A bare name lies in the program folder, next to the program.
  if (name.size() > 2 && HasNoDirectory(name)) name = PathText(ProgramFolder() / NativePath(name));
  return name;
}

bool THauptfenster::OpenAtStart(const std::string& path) {
  if (!ReadCollection(path, /*legacy=*/false)) return false;
  EnableOpenDocumentMenus();
  datenbereich_->setEnabled(true);
  EnableDocumentCommands();
  ShowView(kKeepView);
  if (document_.writable()) {
    SetCommandEnabled("SpeedNeu", document_.current_view != kAllCoinsView);
    SetCommandsEnabled({"SpeedLoeschen", "SpeedAendern", "SpeedAusschneiden", "SpeedEinfuegen",
                        "MenuBearbeitenEinfuegen"},
                       true);
  }
  return true;
}

bool THauptfenster::OpenExampleOnFirstStart() {
  namespace fs = std::filesystem;
  SettingsKey key(*services_.settings_store);
  if (key.ReadBool(kExampleOfferedValue)) return false;
  key.WriteBool(kExampleOfferedValue, true);
  const fs::path source = ProgramFolder() / kExampleFile;
  if (!fs::exists(source)) return false;
  // The user works on a copy in the data folder, never in the program folder.
  const fs::path target = DataFolder() / kExampleFile;
  std::error_code error;
  if (!fs::exists(target)) {
    fs::copy_file(source, target, error);
    if (error) return false;
    const fs::path pictures = ProgramFolder() / kExamplePictures;
    if (fs::is_directory(pictures)) {
      fs::copy(pictures, DataFolder() / kExamplePictures, fs::copy_options::recursive | fs::copy_options::skip_existing, error);
    }
  }
  return OpenAtStart(PathText(target));
}

void THauptfenster::EveryActivation() {
  document_.from_template = false;
  if (std::filesystem::exists(LookupUpdatePath()) && MergeLookupUpdate(lookup_lists_)) {
    lookup_lists_ = LoadLookupLists();
  }
}

void THauptfenster::ReadProgramSettings() {
  if (!ReadSettings(*services_.settings_store, settings_)) QApplication::beep();
  // The date format is fixed for the whole run; a change in the settings dialog counts from the
  // next start.
  format_ = FormatSettingsInUse(settings_);
}

void THauptfenster::LoadLookupListsAtStart() {
  InstallDefaultLookupFile(ProgramFolder(), LookupFilePath());
  lookup_lists_ = LoadLookupLists();
}

// ---------------------------------------------------------------------------------------------
// Closing

bool THauptfenster::ConfirmDiscard(bool quitting) {
  MessageService& messages = *services_.messages;
  const auto ask_quit = [&] {
    return messages.Show(MessageKind::kQuestion, "Möchten Sie das Programm wirklich beenden?",
                         MessageButtons::kYesNo) == MessageAnswer::kYes;
  };
  if (!document_.modified()) return !(quitting && settings_.Anfrage) || ask_quit();
  if (settings_.AutoSaveEnd) {
    if (quitting && settings_.Anfrage && !ask_quit()) return false;
    return SaveBeforeDiscard();
  }
  switch (messages.Show(MessageKind::kQuestion, "Die Daten wurden geändert. Möchten Sie sie speichern?",
                        MessageButtons::kYesNoCancel)) {
    case MessageAnswer::kYes: return SaveBeforeDiscard();
    case MessageAnswer::kNo: return true;
    default: return false;
  }
}

bool THauptfenster::SaveBeforeDiscard() {
  speicher_intervall_.stop();
  MenuDateiSpeichernClick();
  // A save that failed or whose name dialog was cancelled must not let the changes go.
  return !document_.modified();
}

void THauptfenster::closeEvent(QCloseEvent* event) {
  if (!ConfirmDiscard(true)) {
    event->ignore();
    return;
  }
  speicher_intervall_.stop();
  SaveGeometry();
  WriteWindowPlaces(*services_.settings_store, places_, settings_);
  SaveToolbars();
  services_.settings_store->Flush();
  CloseDocument();
  SaveLookupLists(lookup_lists_);
  event->accept();
}

void THauptfenster::CloseDocument() {
  document_.has_name = false;
  for (TDaten* coin = document_.first_coin; coin;) {
    TDaten* next = coin->next;
    document_.Remove(coin);
    coin = next;
  }
  ShowView(kKeepView);
}

void THauptfenster::ClearAreas() { document_.areas.clear(); }

// ---------------------------------------------------------------------------------------------
// Geometry and toolbars in the settings store

void THauptfenster::RestoreGeometry() {
  const MainWindowGeometry stored = ReadMainWindowGeometry(*services_.settings_store);
  setGeometry(stored.WdLinks, stored.WdOben, stored.WdBreite, stored.WdHoehe);
  if (!stored.WdStatus) return;
  switch (*stored.WdStatus) {
    case MainWindowState::kNormal: setWindowState(Qt::WindowNoState); break;
    case MainWindowState::kMaximized: setWindowState(Qt::WindowMaximized); break;
    case MainWindowState::kMinimized: setWindowState(Qt::WindowMinimized); break;
  }
}

void THauptfenster::SaveGeometry() {
  // The normal bounds are written whatever the state, so a maximised window comes back with the
  // size it had before it was maximised.
  const bool normal = !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));
  const QRect bounds = normal ? geometry() : normalGeometry();
  MainWindowGeometry geometry{bounds.left(), bounds.top(), bounds.width(), bounds.height(), MainWindowState::kNormal};
  if (windowState() & Qt::WindowMinimized) geometry.WdStatus = MainWindowState::kMinimized;
  if (windowState() & Qt::WindowMaximized) geometry.WdStatus = MainWindowState::kMaximized;
  WriteMainWindowGeometry(*services_.settings_store, geometry);
}

void THauptfenster::SaveToolbars() {
  for (const char* name : MainWindowCommands::kToolbarNames) {
    QToolBar* bar = Toolbar(name);
    const Qt::ToolBarArea area = toolBarArea(bar);
    const bool floating = bar->isFloating() || area == Qt::NoToolBarArea;
    const QRect frame = bar->frameGeometry();
    ToolbarPlace place;
    place.Visible = !bar->isHidden();
    place.DockedTo = floating ? "nil" : DockNames().at(area);
    place.DockRow = floating ? 0 : ToolbarRow(bar);
    place.DockPos = Horizontal(area) ? bar->x() : bar->y();
    place.FloatLeft = frame.left();
    place.FloatTop = frame.top();
    place.FloatRight = frame.left() + frame.width();
    place.FloatBottom = frame.top() + frame.height();
    place.FloatRightX = place.FloatRight;
    WriteToolbarPlace(*services_.settings_store, name, place);
  }
}

int THauptfenster::ToolbarRow(QToolBar* bar) const {
  // Bars of one dock that share a line are one row; rows count from the window's edge.
  const Qt::ToolBarArea area = toolBarArea(bar);
  std::vector<int> lines;
  for (const char* name : MainWindowCommands::kToolbarNames) {
    QToolBar* other = Toolbar(name);
    if (toolBarArea(other) != area || other->isHidden()) continue;
    lines.push_back(Horizontal(area) ? other->y() : other->x());
  }
  std::sort(lines.begin(), lines.end());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  const int own = Horizontal(area) ? bar->y() : bar->x();
  int row = static_cast<int>(std::lower_bound(lines.begin(), lines.end(), own) - lines.begin());
  if (area == Qt::BottomToolBarArea || area == Qt::RightToolBarArea) row = static_cast<int>(lines.size()) - 1 - row;
  return std::max(row, 0);
}

void THauptfenster::RestoreToolbars() {
  struct Placement {
    QToolBar* bar;
    Qt::ToolBarArea area;
    int row;
    int pos;
    bool visible;
  };
  std::vector<Placement> placements;
  for (const char* name : MainWindowCommands::kToolbarNames) {
    const std::optional<ToolbarPlace> place = ReadToolbarPlace(*services_.settings_store, name);
    if (!place) return;  // no complete stored layout: the initial one stays
    Placement placement{Toolbar(name), Qt::TopToolBarArea, place->DockRow, place->DockPos, place->Visible};
    for (const auto& [area, dock] : DockNames()) {
      if (dock == place->DockedTo) placement.area = area;
    }
    // A bar that floated comes back in a row of its own below the others of the top dock.
    if (place->DockedTo == "nil") placement.row = 1000;
    placements.push_back(placement);
  }
  std::stable_sort(placements.begin(), placements.end(), [](const Placement& a, const Placement& b) {
    return std::tie(a.area, a.row, a.pos) < std::tie(b.area, b.row, b.pos);
  });
  for (const Placement& placement : placements) removeToolBar(placement.bar);
  for (size_t i = 0; i < placements.size(); ++i) {
    const Placement& placement = placements[i];
    if (i > 0 && placements[i - 1].area == placement.area && placements[i - 1].row != placement.row) {
      addToolBarBreak(placement.area);
    }
    addToolBar(placement.area, placement.bar);
    placement.bar->setVisible(placement.visible);
  }
}

void THauptfenster::ConnectToolbarCommands() {
  for (const char* name : MainWindowCommands::kToolbarNames) {
    const QString bar = QString::fromLatin1(name);
    connect(Action("MenuDock" + bar), &QAction::triggered, this, [this, bar] { ToggleToolbar(bar); });
    connect(Action("DockMenu" + bar), &QAction::triggered, this, [this, bar] { ToggleToolbar(bar); });
    connect(Toolbar(bar), &QToolBar::visibilityChanged, this, [this] { SyncToolbarChecks(); });
  }
}

void THauptfenster::ToggleToolbar(const QString& name) {
  QToolBar* bar = Toolbar(name);
  bar->setVisible(bar->isHidden());
  SyncToolbarChecks();
}

void THauptfenster::SyncToolbarChecks() {
  for (const char* name : MainWindowCommands::kToolbarNames) {
    const QString bar = QString::fromLatin1(name);
    const bool visible = !Toolbar(bar)->isHidden();
    Action("MenuDock" + bar)->setChecked(visible);
    Action("DockMenu" + bar)->setChecked(visible);
  }
}

// ---------------------------------------------------------------------------------------------
// Autosave, tools, settings dialog and small commands

void THauptfenster::ConfigureAutosave() {
  const std::optional<int> interval = AutoSaveInterval(settings_);
  speicher_intervall_.stop();
  if (!interval) return;
  speicher_intervall_.setInterval(*interval);
  speicher_intervall_.start();
}

void THauptfenster::AutosaveTick() {
  if (document_.modified()) MenuDateiSpeichernClick();
}

void THauptfenster::BuildToolsMenu() {
  QMenu* tools = commands_->Menu("MenuTools");
  tools->clear();
  for (const ToolEntry& tool : settings_.tools) {
    QAction* item = tools->addAction(FromWin1252(tool.name));
    const QString command = FromWin1252(tool.command);
    connect(item, &QAction::triggered, this, [command] {
      QStringList parts = QProcess::splitCommand(command);
      if (parts.isEmpty()) return;
      const QString program = parts.takeFirst();
      QProcess::startDetached(program, parts);
    });
  }
  tools->menuAction()->setVisible(!settings_.tools.empty());
}

void THauptfenster::MenuExtrasOptionenClick() {
  const MainWindowDialogs::OptionsOutcome outcome =
      services_.dialogs->ShowOptions(*services_.settings_store, settings_, places_, document_.currency_symbol);
  ConfigureAutosave();
  if (outcome.conversion) {
    ConvertCurrency(document_, outcome.new_currency, *outcome.conversion, *this);
    BuildRows();
    ProgressEnd();
  }
  LayoutStatusBar();
  BuildRows();
}

void THauptfenster::MenuExtrasHilfsDBClick() {
  // Additions made since the start reach the file first, so the editor sees them.
  SaveLookupLists(lookup_lists_);
  services_.dialogs->EditLookupLists(lookup_lists_);
  lookup_lists_ = LoadLookupLists();
}

void THauptfenster::ConnectOnlineCommands() {
  connect(Action("MenuOnlineCheckUpdates"), &QAction::triggered, this, [this] { services_.check_for_updates(true); });
  // Failures to open a page or the mail program are ignored without a message.
  const auto open_page = [this](const std::string& address) { services_.open_url(QUrl(FromWin1252(address))); };
  connect(Action("MenuOnlineInternet"), &QAction::triggered, this,
          [this, open_page] { open_page(ServicePageAddress(settings_.URL)); });
  for (const char* faq : {"MenuOnlineFAQ", "MenuHilfeFAQ"}) {
    connect(Action(faq), &QAction::triggered, this, [this, open_page] { open_page(FaqAddress(settings_.URL)); });
  }
  for (const char* forum : {"MenuOnlineForum", "MenuHilfeForum"}) {
    connect(Action(forum), &QAction::triggered, this, [open_page] { open_page(ForumAddress()); });
  }
  const auto mail = [](const QString& subject) {
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:korvex@promarbel.de?subject=") +
                                   QUrl::toPercentEncoding(subject)));
  };
  connect(Action("MenuOnlineEmailFeedback"), &QAction::triggered, this,
          [mail] { mail(QStringLiteral("Feedback zu Korvex   - Version 3.1.3")); });
  connect(Action("MenuOnlineEmailVorschlag"), &QAction::triggered, this,
          [mail] { mail(QStringLiteral("Verbesserungsvorschlag zu Korvex   - Version 3.1.3")); });
}

void THauptfenster::MenuHilfeUeberClick() {
  QMessageBox::about(this, QStringLiteral("Informationen"),
                     QStringLiteral("<b>Korvex</b> – Version 3.1.3<br><br>"
                                    "Verwaltung einer privaten Münzsammlung."));
}

}  // namespace korvex
