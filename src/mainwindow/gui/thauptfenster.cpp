#include "mainwindow/gui/thauptfenster.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>
#include <QStatusTipEvent>
#include <QToolBar>

#include "dialogs/arearules.h"
#include "dialogs/dateformat.h"
#include "files/gui/guipasswordprompt.h"
#include "help/gui/helpwindowhost.h"
#include "mainwindow/commandstates.h"
#include "mainwindow/gridcolumns.h"
#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/filedialogs.h"
#include "mainwindow/gui/listmodepictures.h"
#include "mainwindow/gui/mainwindowcommands.h"
#include "mainwindow/gui/mainwindowdialogs.h"
#include "mainwindow/gui/qtmainwindowdialogs.h"
#include "mainwindow/gui/qtmessageservice.h"
#include "mainwindow/gui/recordcommands.h"
#include "mainwindow/gui/statuszeile.h"
#include "mainwindow/gui/toolbaricons.h"
#include "mainwindow/gui/waitwindow.h"
#include "mainwindow/sorting.h"
#include "mainwindow/statuslayout.h"
#include "mainwindow/stepcaptions.h"
#include "mainwindow/uniformlayout.h"
#include "mainwindow/windowtitle.h"
#include "model/codepage.h"
#include "online/gui/updatechecker.h"
#include "platform/datafolders.h"
#include "platform/settingsstore.h"
#include "platform/widetext.h"
#include "reports/gui/printerchoice.h"

namespace korvex {
namespace {

// Commands whose dialogs or windows the program does not have: they stay disabled.
QSet<QString> CommandsWithoutDialog() {
  QSet<QString> names;
  for (std::string_view name : CommandsWithoutWindow()) {
    names.insert(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  }
  return names;
}

}  // namespace

THauptfenster::THauptfenster(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent),
      document_(SystemFormatSettings().currency_symbol),
      format_(SystemFormatSettings()),
      history_(document_),
      grid_content_(document_, format_),
      progress_([this](const std::string& text) { statuszeile_->ShowSimpleText(QString::fromStdString(text)); },
                [this] { statuszeile_->EndSimpleText(); }),
      unavailable_(CommandsWithoutDialog()),
      services_(std::move(services)),
      autosave_gate_([this] { AutosaveTick(); }) {
  setObjectName(QStringLiteral("Hauptfenster"));
  document_.SetObserver(this);
  help_ = std::make_unique<gui::HelpWindowHost>(this);
  CreateServices();

  commands_ = std::make_unique<MainWindowCommands>(this);
  datenbereich_ = new TDatenbereich(this);
  setCentralWidget(datenbereich_);
  statuszeile_ = new TStatuszeile(this);
  setStatusBar(statuszeile_);
  speicher_intervall_.setObjectName(QStringLiteral("SpeicherIntervall"));
  speicher_intervall_.setInterval(600000);
  connect(&speicher_intervall_, &QTimer::timeout, &autosave_gate_, &AutosaveGate::Tick);

  ConnectCommands();
  record_commands_ = std::make_unique<RecordCommands>(*this);
  SetInitialCommandStates();
  // Before the first document is shown there is no view at all.
  document_.current_view = 0;
  resize(640, 491);
  UpdateTitle();
  application_title_ = QStringLiteral("Korvex");
}

THauptfenster::~THauptfenster() {
  // The grid outlives the members it reads from while the base class tears the widgets down.
  datenbereich_->Model()->SetContent(nullptr);
  document_.SetObserver(nullptr);
}

QAction* THauptfenster::Action(const QString& name) const {
  // The area items and buttons come and go with the areas; they are found by name.
  return commands_->Has(name) ? commands_->Action(name) : findChild<QAction*>(name);
}

QToolBar* THauptfenster::Toolbar(const QString& name) const { return commands_->Toolbar(name); }

void THauptfenster::CreateServices() {
  if (!services_.settings_store) {
    own_settings_store_ = std::make_unique<SettingsStore>();
    services_.settings_store = own_settings_store_.get();
  }
  if (!services_.messages) {
    own_messages_ = std::make_unique<QtMessageService>(this);
    services_.messages = own_messages_.get();
  }
  if (!services_.file_dialogs) {
    own_file_dialogs_ = std::make_unique<QtFileDialogs>(this);
    services_.file_dialogs = own_file_dialogs_.get();
  }
  if (!services_.password_prompt) {
    own_password_prompt_ = std::make_unique<gui::GuiPasswordPrompt>(*services_.messages, this);
    services_.password_prompt = own_password_prompt_.get();
  }
  if (!services_.printers) {
    own_printers_ = NewSystemPrinters();
    services_.printers = own_printers_.get();
  }
  if (!services_.dialogs) {
    own_dialogs_ = std::make_unique<QtMainWindowDialogs>(*services_.messages, this, help_->Handler());
    services_.dialogs = own_dialogs_.get();
  }
  if (!services_.open_url) services_.open_url = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  if (!services_.check_for_updates) {
    update_checker_ = std::make_unique<UpdateChecker>(UpdateCheckHost{
        this, services_.messages, &settings_, services_.settings_store,
        [this](const QString& text) { statuszeile_->SetPanelText(0, text); }, services_.open_url,
        &gui::TWaitwindow::Open});
    services_.check_for_updates = [checker = update_checker_.get()](bool manual) {
      manual ? checker->CheckManually() : checker->CheckAutomatically();
    };
  }
}

// ---------------------------------------------------------------------------------------------
// Command wiring and states

void THauptfenster::Connect(const char* name, void (THauptfenster::*handler)()) {
  connect(Action(name), &QAction::triggered, this, [this, handler] {
    const AutosaveGate::CommandScope running = autosave_gate_.CommandRuns();
    (this->*handler)();
  });
}

void THauptfenster::ConnectCommands() {
  Connect("MenuDateiNeu", &THauptfenster::MenuDateiNeuClick);
  Connect("SpeedNeueDatei", &THauptfenster::MenuDateiNeuClick);
  Connect("MenuDateiNeuVorlage", &THauptfenster::MenuDateiNeuVorlageClick);
  Connect("SpeedNeuVorlage", &THauptfenster::MenuDateiNeuVorlageClick);
  Connect("MenuDateiOeffnen", &THauptfenster::MenuDateiOeffnenClick);
  Connect("SpeedLaden", &THauptfenster::MenuDateiOeffnenClick);
  Connect("MenuDateiSpeichern", &THauptfenster::MenuDateiSpeichernClick);
  Connect("SpeedSpeichern", &THauptfenster::MenuDateiSpeichernClick);
  Connect("MenuDateiSpeichernunter", &THauptfenster::MenuDateiSpeichernunterClick);
  Connect("MenuDateiDatensicherung", &THauptfenster::MenuDateiDatensicherungClick);
  Connect("Pawort1", &THauptfenster::SpeedKeyClick);
  Connect("SpeedKey", &THauptfenster::SpeedKeyClick);
  Connect("MenuDateiBeenden", &THauptfenster::MenuDateiBeendenClick);
  Connect("MenuExtrasKategorien", &THauptfenster::MenuExtrasKategorienClick);
  Connect("MenuExtrasOptionen", &THauptfenster::MenuExtrasOptionenClick);
  Connect("MenuExtrasHilfsDB", &THauptfenster::MenuExtrasHilfsDBClick);
  Connect("MenuHilfeUeber", &THauptfenster::MenuHilfeUeberClick);
  connect(Action("MenuHilfeHilfethemen"), &QAction::triggered, this, [this] { help_->Show(kHelpContents); });
  Connect("MenuAnsichtSortierung", &THauptfenster::MenuAnsichtSortierungClick);
  Connect("SpeedSortierung", &THauptfenster::MenuAnsichtSortierungClick);
  Connect("MenuAnsichtFelder", &THauptfenster::ChooseFields);
  Connect("MenuExtrasFilterDefinieren", &THauptfenster::MenuExtrasFilterDefinierenClick);
  Connect("SpeedFilterFrei", &THauptfenster::MenuExtrasFilterDefinierenClick);
  Connect("MenuExtrasSuchen", &THauptfenster::MenuExtrasSuchenClick);
  Connect("SpeedSuchen", &THauptfenster::MenuExtrasSuchenClick);
  Connect("MenuExtrasWeitersuchen", &THauptfenster::MenuExtrasWeitersuchenClick);
  Connect("SpeedSuchenWeiter", &THauptfenster::MenuExtrasWeitersuchenClick);
  Connect("MenuAnsichtOeffnen", &THauptfenster::MenuAnsichtOeffnenClick);
  Connect("DatenPopUpOeffnen", &THauptfenster::MenuAnsichtOeffnenClick);
  ConnectOnlineCommands();
  ConnectExchangeCommands();
  ConnectReportCommands();

  connect(Action("MenuKategorieAlleartikel"), &QAction::triggered, this, [this] { ShowView(kAllCoinsView); });
  connect(Action("SpeedAlles"), &QAction::triggered, this, [this] { ShowView(kAllCoinsView); });

  ConnectFilterCommands();
  ConnectToolbarCommands();
  ConnectUndoCommands();

  connect(datenbereich_, &TDatenbereich::ColumnMoved, this, &THauptfenster::ColumnMoved);
  connect(datenbereich_, &TDatenbereich::ColumnResized, this, &THauptfenster::ColumnResized);
  connect(datenbereich_, &TDatenbereich::WidthDragFinished, this, [this] {
    const AutosaveGate::CommandScope running = autosave_gate_.CommandRuns();
    WidthDragFinished();
  });
  connect(datenbereich_, &TDatenbereich::RowClicked, this, &THauptfenster::ShowPreview);
  connect(datenbereich_, &TDatenbereich::RowOpened, this, &THauptfenster::MenuAnsichtOeffnenClick);
  connect(datenbereich_, &TDatenbereich::ContextMenuWanted, this,
          [this](const QPoint& at) { commands_->DatenPopUpMenu()->popup(at); });
  connect(statuszeile_, &TStatuszeile::MouseMoved, this, [this](int x, int y) { last_mouse_ = QPoint(x, y); });
  connect(statuszeile_, &TStatuszeile::DoubleClicked, this, [this](int x) {
    const AutosaveGate::CommandScope running = autosave_gate_.CommandRuns();
    StatuszeileDblClick(x);
  });
}

void THauptfenster::ConnectFilterCommands() {
  const std::pair<const char*, FilterKind> filters[] = {
      {"MenuExtrasFilterKeiner", FilterKind::kNone},
      {"SpeedFilterNone", FilterKind::kNone},
      {"MenuExtrasFilterDoubletten", FilterKind::kDuplicates},
      {"SpeedFilterDubletten", FilterKind::kDuplicates},
      {"MenuExtrasFilterFehlbestand", FilterKind::kMissing},
      {"SpeedFilterFehlbestand", FilterKind::kMissing},
      {"MenuExtrasFilterBestand", FilterKind::kStock},
      {"SpeedFilterBestand", FilterKind::kStock},
  };
  for (const auto& [name, kind] : filters) {
    connect(Action(name), &QAction::triggered, this, [this, kind = kind] {
      const AutosaveGate::CommandScope running = autosave_gate_.CommandRuns();
      SetCountFilter(kind);
    });
  }
}

void THauptfenster::ApplyCommandStates(const CommandStates& states) {
  for (const CommandState& state : states) {
    const QString key = QString::fromLatin1(state.name.data(), static_cast<qsizetype>(state.name.size()));
    Action(key)->setEnabled(state.enabled && !unavailable_.contains(key));
  }
}

void THauptfenster::SetInitialCommandStates() {
  for (const QString& name : commands_->Names()) {
    if (unavailable_.contains(name)) Action(name)->setEnabled(false);
  }
  ApplyCommandStates(InitialCommandStates());
}

void THauptfenster::EnableDocumentCommands() { ApplyCommandStates(DocumentCommandStates(document_.writable())); }

void THauptfenster::DisableDocumentCommands() { ApplyCommandStates(ClosedDocumentCommandStates()); }

void THauptfenster::EnableOpenDocumentMenus() { ApplyCommandStates(OpenDocumentMenuStates()); }

void THauptfenster::UpdateRowCommands(int shown) {
  ApplyCommandStates(RowCommandStatesFor(shown, document_.writable()));
}

// ---------------------------------------------------------------------------------------------
// Document state shown by the window

void THauptfenster::SetModified(bool flag) {
  // The document ignores the change while it is read-only and tells the window otherwise.
  document_.SetModified(flag);
}

void THauptfenster::ModifiedChanged() {
  const bool modified = document_.modified();
  statuszeile_->SetPanelText(4, modified ? QStringLiteral("Geändert") : QString());
  ApplyCommandStates(SaveCommandStates(modified));
}

void THauptfenster::PasswordChanged() {
  statuszeile_->SetPanelText(3, document_.password().empty() ? QString() : QStringLiteral("Passwortgeschützt"));
}

void THauptfenster::FileNameChanged() {
  application_title_ = QStringLiteral("Korvex");
  // The same name the window title shows: the title, or the placeholder of an unnamed file.
  if (!document_.file_path().empty()) {
    const std::string& name = document_.file_title().empty() ? document_.file_path() : document_.file_title();
    application_title_ += " - " + FromWin1252(name);
  }
  UpdateTitle();
}

void THauptfenster::SetFileName(const std::string& path) { document_.SetFileName(path); }

void THauptfenster::UpdateTitle() {
  setWindowTitle(FromWin1252(WindowTitle(document_, filter_.suffix())));
  ApplyCommandStates(TitleCommandStates(document_.current_view));
}

std::string THauptfenster::AreaName(int id) const { return korvex::AreaName(document_, id); }

void THauptfenster::LayoutStatusBar() {
  std::array<std::string, 5> texts;
  for (int i = 0; i < TStatuszeile::kPanelCount; ++i) {
    texts[i] = ToWin1252(statuszeile_->PanelText(i));
  }
  const QFontMetrics metrics(statuszeile_->font());
  const auto widths = StatusPanelWidths(width(), statuszeile_->width(), texts, [&metrics](const std::string& text) {
    return metrics.horizontalAdvance(FromWin1252(text));
  });
  for (int i = 0; i < TStatuszeile::kPanelCount; ++i) statuszeile_->SetPanelWidth(i, widths[i]);
}

// ---------------------------------------------------------------------------------------------
// Views

void THauptfenster::ShowView(int view) {
  if (view != kKeepView) document_.current_view = view;
  const int shown = document_.current_view;
  ApplyCommandStates(ViewCommandStates(shown, document_.writable(), document_.Area(shown) != nullptr));
  UpdateViewChecks();
  UpdateTitle();
  BuildHeaders();
  BuildRows();
  LayoutStatusBar();
}

void THauptfenster::UpdateViewChecks() {
  for (QAction* item : commands_->ViewGroup()->actions()) item->setChecked(false);
  Action("SpeedAlles")->setChecked(false);
  for (QAction* button : area_buttons_) button->setChecked(false);
  const int view = document_.current_view;
  if (view == kAllCoinsView) {
    Action("MenuKategorieAlleartikel")->setChecked(true);
    Action("SpeedAlles")->setChecked(true);
    return;
  }
  if (view >= 1 && view <= static_cast<int>(area_items_.size())) area_items_[view - 1]->setChecked(true);
  for (QAction* button : area_buttons_) {
    if (button->data().toInt() == view) button->setChecked(true);
  }
}

void THauptfenster::RebuildAreaMenu() {
  QMenu* menu = commands_->Menu("MenuKategorie");
  for (QAction* item : area_items_) {
    menu->removeAction(item);
    delete item;
  }
  area_items_.clear();
  QToolBar* bar = Toolbar("Kategorie");
  for (QAction* button : area_buttons_) {
    bar->removeAction(button);
    delete button;
  }
  area_buttons_.clear();

  auto* button_group = findChild<QActionGroup*>(QStringLiteral("KategorieButtons"));
  for (int i = 0; i < document_.AreaCount(); ++i) {
    const TKategorie& area = *document_.areas[i];
    const int id = i + 1;
    const QString name = FromWin1252(area.name);
    auto* item = new QAction(name, this);
    item->setObjectName(QStringLiteral("MenuKategorieGebiet%1").arg(id));
    item->setCheckable(true);
    if (i < 9) item->setShortcut(QKeySequence(Qt::Key_1 + i));
    if (i == 9) item->setShortcut(QKeySequence(Qt::Key_0));
    const QIcon icon = AreaIcon(area);
    if (!icon.isNull()) item->setIcon(icon);
    connect(item, &QAction::triggered, this, [this, id] { ShowView(id); });
    commands_->ViewGroup()->addAction(item);
    menu->addAction(item);
    addAction(item);
    area_items_.push_back(item);

    if (!area.icon_button) continue;
    auto* button = new QAction(icon.isNull() ? ShortTextIcon(FromWin1252(area.short_)) : icon, name, this);
    button->setObjectName(QStringLiteral("SpeedGebiet%1").arg(id));
    button->setCheckable(true);
    button->setData(id);
    SetHint(button, name);
    connect(button, &QAction::triggered, this, [this, id] { ShowView(id); });
    button_group->addAction(button);
    bar->addAction(button);
    area_buttons_.push_back(button);
  }
}

QIcon THauptfenster::AreaIcon(const TKategorie& area) const {
  const std::optional<std::filesystem::path> path = ResolveAreaIconPath(area.icon, ProgramFolder());
  if (!path) return {};
  const QPixmap pixmap(QString::fromStdString(path->string()));
  return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

// ---------------------------------------------------------------------------------------------
// Grid

void THauptfenster::BuildHeaders() {
  grid_content_.RebuildHeaders();
  datenbereich_->Rebuild(&grid_content_);
}

void THauptfenster::BuildRows() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (needs_resort_) {
    SortCollection(document_, format_);
    needs_resort_ = false;
  }
  grid_content_.RebuildRows(filter_);
  const GridView& view = grid_content_.view();
  UpdateRowCommands(view.ShownCount());
  datenbereich_->Rebuild(&grid_content_);
  statuszeile_->SetPanelText(2, FromWin1252(view.ValuePanelText(format_)));
  statuszeile_->SetPanelText(1, FromWin1252(view.PiecesPanelText(format_)));
  ShowPreview();
  QApplication::restoreOverrideCursor();
}

TDaten* THauptfenster::CoinOfRow() const { return grid_content_.view().CoinOfRow(datenbereich_->CurrentRow()); }

void THauptfenster::ShowPreview() {
  if (!list_pictures_) return;
  const bool shown = list_pictures_->ShowPreview(CoinOfRow(), document_.picture_folder());
  // The picture windows never keep the focus from the grid (a dialog that is open keeps it).
  if (!QApplication::activeModalWidget()) activateWindow();
  statuszeile_->SetPanelText(0, shown ? QString() : QStringLiteral("Bild nicht gefunden!"));
}

void THauptfenster::SelectCoin(const TDaten* coin) {
  const int row = grid_content_.view().RowOfCoin(coin);
  if (row > 0) datenbereich_->SetCurrentRow(row);
}

void THauptfenster::ColumnMoved(int from, int to) {
  BeginStep({}, kColumnMoveStep);
  MoveColumn(ViewColumns(document_), from, to);
  SetModified(true);
  BuildHeaders();
  FinishStep();
}

void THauptfenster::ColumnResized(int column, int width) {
  // A width drag is one step from its first move to the release of the mouse.
  if (!open_step_) BeginStep({}, kColumnWidthStep);
  std::vector<TZelle>& columns = ViewColumns(document_);
  if (column >= 0 && column < static_cast<int>(columns.size())) columns[column].width = width;
}

void THauptfenster::WidthDragFinished() {
  if (!open_step_) BeginStep({}, kColumnWidthStep);
  std::vector<TZelle>& columns = ViewColumns(document_);
  for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
    columns[i].width = datenbereich_->columnWidth(i);
  }
  OfferUniformLayout(true);
  FinishStep();
}

void THauptfenster::OfferUniformLayout(bool after_drag) {
  if (WantsUniformLayout(settings_.KatGl, settings_.KatGlFrage, layouts_uniform_, *services_.messages)) {
    CopyLayoutToAllViews(document_);
    layouts_uniform_ = true;
    SetModified(true);
  } else if (after_drag) {
    layouts_uniform_ = false;
  }
}

void THauptfenster::SetCountFilter(FilterKind kind) {
  // The filter is not kept in the file, but a change of it counts as a change all the same; no
  // undo step leads back to the saved state past it.
  if (kind != FilterKind::kNone || filter_.Active()) {
    SetModified(true);
    history_.ForgetSavedState();
  }
  filter_.SetCountFilter(kind);
  UpdateFilterChecks();
  ShowView(kKeepView);
}

void THauptfenster::UpdateFilterChecks() {
  const std::pair<FilterKind, const char*> buttons[] = {
      {FilterKind::kNone, "SpeedFilterNone"},
      {FilterKind::kMissing, "SpeedFilterFehlbestand"},
      {FilterKind::kStock, "SpeedFilterBestand"},
      {FilterKind::kDuplicates, "SpeedFilterDubletten"},
      {FilterKind::kFree, "SpeedFilterFrei"},
  };
  for (const auto& [kind, name] : buttons) {
    Action(name)->setChecked(filter_.Active() && filter_.kind() == kind);
  }
  const std::pair<FilterKind, const char*> items[] = {
      {FilterKind::kMissing, "MenuExtrasFilterFehlbestand"},
      {FilterKind::kStock, "MenuExtrasFilterBestand"},
      {FilterKind::kDuplicates, "MenuExtrasFilterDoubletten"},
      {FilterKind::kFree, "MenuExtrasFilterDefinieren"},
  };
  Action("MenuExtrasFilterKeiner")->setChecked(true);
  for (const auto& [kind, name] : items) {
    if (filter_.Active() && filter_.kind() == kind) Action(name)->setChecked(true);
  }
}

// ---------------------------------------------------------------------------------------------
// Progress display

void THauptfenster::ProgressBegin(const std::string& text) { progress_.ProgressBegin(text); }
void THauptfenster::ProgressTotal(int total) { progress_.ProgressTotal(total); }
void THauptfenster::ProgressSet(int step) { progress_.ProgressSet(step); }
void THauptfenster::ProgressStep() { progress_.ProgressStep(); }

// ---------------------------------------------------------------------------------------------
// Events

bool THauptfenster::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    // The long part of the hint under the mouse goes to the message panel, not over the panels.
    statuszeile_->SetPanelText(0, static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  if (event->type() == QEvent::WindowActivate && started_) EveryActivation();
  return QMainWindow::event(event);
}

void THauptfenster::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  LayoutStatusBar();
}

QMenu* THauptfenster::createPopupMenu() {
  // Qt deletes the menu it gets here after use; the items themselves are the window's.
  auto* menu = new QMenu(this);
  menu->addActions(commands_->DockMenu()->actions());
  return menu;
}

void THauptfenster::StatuszeileDblClick(int) {
  // Only a double click at the right end, over "Geändert", saves.
  if (last_mouse_.x() + 73 >= width() && document_.modified()) MenuDateiSpeichernClick();
}

}  // namespace korvex
