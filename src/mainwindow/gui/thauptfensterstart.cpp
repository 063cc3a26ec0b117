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

#include "dialogs/currencyconversion.h"
#include "dialogs/dateformat.h"
#include "mainwindow/discarddecision.h"
#include "mainwindow/examplecollection.h"
#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/listmodepictures.h"
#include "mainwindow/gui/mainwindowcommands.h"
#include "mainwindow/gui/mainwindowdialogs.h"
#include "mainwindow/gui/statuszeile.h"
#include "mainwindow/gui/thauptfenster.h"
#include "mainwindow/stepcaptions.h"
#include "mainwindow/toolbarlayout.h"
#include "model/codepage.h"
#include "model/fieldcatalogue.h"
#include "model/paths.h"
#include "online/weblinks.h"
#include "platform/datafolders.h"
#include "platform/messages.h"
#include "platform/settingsstore.h"
#include "platform/widetext.h"

namespace korvex {
namespace {

Qt::ToolBarArea AreaOf(ToolbarDock dock) {
  switch (dock) {
    case ToolbarDock::kLeft: return Qt::LeftToolBarArea;
    case ToolbarDock::kRight: return Qt::RightToolBarArea;
    case ToolbarDock::kTop: return Qt::TopToolBarArea;
    case ToolbarDock::kBottom: return Qt::BottomToolBarArea;
  }
  return Qt::TopToolBarArea;
}

// The dock of a toolbar area; nothing for a bar outside every dock.
std::optional<ToolbarDock> DockOf(Qt::ToolBarArea area) {
  switch (area) {
    case Qt::LeftToolBarArea: return ToolbarDock::kLeft;
    case Qt::RightToolBarArea: return ToolbarDock::kRight;
    case Qt::TopToolBarArea: return ToolbarDock::kTop;
    case Qt::BottomToolBarArea: return ToolbarDock::kBottom;
    default: return std::nullopt;
  }
}

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
  // Opening the first collection may ask questions while the autosave timer already runs.
  const AutosaveGate::CommandScope running = autosave_gate_.CommandRuns();
  // Schön number ascending, then Jäger number ascending; keys 4 and 5 count as none.
  document_.sort_keys = {kSchoen, kJaeger, kNoSortKey, 0, 0};
  header_dragged_ = false;
  layouts_uniform_ = true;
  document_.SetPassword("");
  RestoreGeometry();
  ReadWindowPlaces(*services_.settings_store, places_);
  list_pictures_ = std::make_unique<ListModePictures>(*this, settings_, places_);
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
  bool read_only = false;
  CollectionLock opening;
  if (!TakeOpeningLock(path, read_only, opening)) return false;
  if (!ReadCollection(path, /*legacy=*/false, read_only)) return false;
  KeepOpeningLock(opening);
  EnableOpenDocumentMenus();
  datenbereich_->setEnabled(true);
  EnableDocumentCommands();
  ShowView(kKeepView);
  ApplyCommandStates(StartFileCommandStates(document_.current_view, document_.writable()));
  return true;
}

bool THauptfenster::OpenExampleOnFirstStart() {
  const std::optional<std::filesystem::path> example =
      InstallExampleOnFirstStart(*services_.settings_store, ProgramFolder(), DataFolder());
  return example && OpenAtStart(PathText(*example));
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
  const DiscardSettings settings{settings_.Anfrage, settings_.AutoSaveEnd};
  switch (DecideDiscard(document_.modified(), quitting, settings, *services_.messages)) {
    case DiscardDecision::kDiscard: return true;
    case DiscardDecision::kSave: return SaveBeforeDiscard();
    case DiscardDecision::kKeep: return false;
  }
  return false;
}

bool THauptfenster::SaveBeforeDiscard() {
  speicher_intervall_.stop();
  MenuDateiSpeichernClick();
  // A save that failed or whose name dialog was cancelled must not let the changes go.
  return !document_.modified();
}

void THauptfenster::closeEvent(QCloseEvent* event) {
  const AutosaveGate::CommandScope running = autosave_gate_.CommandRuns();
  if (!ConfirmDiscard(true)) {
    event->ignore();
    return;
  }
  speicher_intervall_.stop();
  SaveGeometry();
  list_pictures_.reset();  // the picture windows leave their places behind
  WriteWindowPlaces(*services_.settings_store, places_, settings_);
  SaveToolbars();
  services_.settings_store->Flush();
  CloseDocument();
  SaveLookupLists(lookup_lists_);
  event->accept();
}

void THauptfenster::CloseDocument() {
  open_step_.reset();
  history_.Reset(false);
  document_.has_name = false;
  lock_.Release();
  search_.ForgetRecords();
  ApplyCommandStates({{"MenuExtrasWeitersuchen", false}, {"SpeedSuchenWeiter", false}});
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
    const std::optional<ToolbarDock> dock = DockOf(toolBarArea(bar));
    const bool floating = bar->isFloating() || !dock;
    const QRect frame = bar->frameGeometry();
    ToolbarPlace place;
    place.Visible = !bar->isHidden();
    place.DockedTo = floating ? "nil" : DockName(*dock);
    place.DockRow = floating ? 0 : ToolbarRow(bar);
    place.DockPos = dock && IsHorizontal(*dock) ? bar->x() : bar->y();
    place.FloatLeft = frame.left();
    place.FloatTop = frame.top();
    place.FloatRight = frame.left() + frame.width();
    place.FloatBottom = frame.top() + frame.height();
    place.FloatRightX = place.FloatRight;
    WriteToolbarPlace(*services_.settings_store, name, place);
  }
}

int THauptfenster::ToolbarRow(QToolBar* bar) const {
  const Qt::ToolBarArea area = toolBarArea(bar);
  const ToolbarDock dock = DockOf(area).value_or(ToolbarDock::kTop);
  const auto line_of = [dock](const QToolBar* any) { return IsHorizontal(dock) ? any->y() : any->x(); };
  std::vector<int> lines;
  for (const char* name : MainWindowCommands::kToolbarNames) {
    QToolBar* other = Toolbar(name);
    if (toolBarArea(other) == area && !other->isHidden()) lines.push_back(line_of(other));
  }
  return korvex::ToolbarRow(std::move(lines), line_of(bar), dock);
}

void THauptfenster::RestoreToolbars() {
  std::vector<ToolbarPlace> places;
  std::vector<QToolBar*> bars;
  for (const char* name : MainWindowCommands::kToolbarNames) {
    const std::optional<ToolbarPlace> place = ReadToolbarPlace(*services_.settings_store, name);
    if (!place) return;  // no complete stored layout: the initial one stays
    places.push_back(*place);
    bars.push_back(Toolbar(name));
  }
  const std::vector<ToolbarPlacement> placements = ToolbarPlacements(places);
  for (QToolBar* bar : bars) removeToolBar(bar);
  for (const ToolbarPlacement& placement : placements) {
    const Qt::ToolBarArea area = AreaOf(placement.dock);
    if (placement.new_row) addToolBarBreak(area);
    addToolBar(area, bars[placement.bar]);
    bars[placement.bar]->setVisible(placement.visible);
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
  if (outcome.conversion && !document_.writable()) {
    // Converted prices could never be saved and would silently differ from the file.
    services_.messages->Warning(
        "Diese Datei ist schreibgeschützt geöffnet. Ihre Währung kann nicht geändert werden; "
        "alle Preise bleiben, wie sie sind.");
  } else if (outcome.conversion) {
    StepScope scope;
    scope.order = true;
    scope.prices = true;
    BeginStep(std::move(scope), kCurrencyStep);
    ConvertCurrency(document_, outcome.new_currency, *outcome.conversion, *this);
    BuildRows();
    ProgressEnd();
    FinishStep();
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
