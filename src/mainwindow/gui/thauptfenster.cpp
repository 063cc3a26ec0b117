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

#include "dialogs/dateformat.h"
#include "mainwindow/gridcolumns.h"
#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/filedialogs.h"
#include "mainwindow/gui/mainwindowdialogs.h"
#include "mainwindow/gui/qtmainwindowdialogs.h"
#include "mainwindow/gui/qtmessageservice.h"
#include "mainwindow/gui/mainwindowcommands.h"
#include "mainwindow/gui/statuszeile.h"
#include "mainwindow/gui/toolbaricons.h"
#include "mainwindow/gui/uniformlayout.h"
#include "mainwindow/sorting.h"
#include "mainwindow/statuslayout.h"
#include "mainwindow/windowtitle.h"
#include "model/codepage.h"
#include "online/gui/updatechecker.h"
#include "platform/datafolders.h"
#include "platform/settingsstore.h"
#include "dialogs/gui/guipasswordprompt.h"

namespace korvex {
namespace {

QString FromWin1252(const std::string& text) { return QString::fromStdString(Win1252ToUtf8(text)); }

// Commands whose dialogs or windows the program does not have: they stay disabled.
const QSet<QString>& CommandsWithoutDialog() {
  static const QSet<QString> names = {
      "MenuBearbeitenNeu", "MenuBearbeitenAendern", "MenuBearbeitenPreisaendern",
      "MenuBearbeitenLoeschen", "MenuBearbeitenAusschneiden", "MenuBearbeitenKopieren",
      "MenuBearbeitenEinfuegen", "SpeedNeu", "SpeedAendern", "SpeedLoeschen", "SpeedAusschneiden",
      "SpeedKopieren", "SpeedEinfuegen", "DatenPopUpNeu", "DatenPopUpAendern", "DatenPopUpLoeschen",
      "MenuAnsichtOeffnen", "DatenPopUpOeffnen", "MenuDateiDrucken", "SpeedDruck",
      "MenuAnsichtGesamt", "SpeedGesamt", "MenuExtrasSuchen",
      "MenuExtrasWeitersuchen", "SpeedSuchen", "SpeedSuchenWeiter", "MenuExtrasFilterDefinieren",
      "SpeedFilterFrei", "MenuAnsichtSortierung", "SpeedSortierung", "MenuAnsichtFelder",
      "MenuHilfeHilfethemen"};
  return names;
}

}  // namespace

THauptfenster::THauptfenster(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent),
      document_(SystemFormatSettings().currency_symbol),
      format_(SystemFormatSettings()),
      grid_content_(document_, format_),
      progress_([this](const std::string& text) { statuszeile_->ShowSimpleText(QString::fromStdString(text)); },
                [this] { statuszeile_->EndSimpleText(); }),
      unavailable_(CommandsWithoutDialog()),
      services_(std::move(services)) {
  setObjectName(QStringLiteral("Hauptfenster"));
  document_.SetObserver(this);
  CreateServices();

  commands_ = std::make_unique<MainWindowCommands>(this);
  datenbereich_ = new TDatenbereich(this);
  setCentralWidget(datenbereich_);
  statuszeile_ = new TStatuszeile(this);
  setStatusBar(statuszeile_);
  speicher_intervall_.setObjectName(QStringLiteral("SpeicherIntervall"));
  speicher_intervall_.setInterval(600000);
  connect(&speicher_intervall_, &QTimer::timeout, this, &THauptfenster::AutosaveTick);

  ConnectCommands();
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
  if (!services_.dialogs) {
    own_dialogs_ = std::make_unique<QtMainWindowDialogs>(*services_.messages, this);
    services_.dialogs = own_dialogs_.get();
  }
  if (!services_.open_url) services_.open_url = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  if (!services_.check_for_updates) {
    update_checker_ = std::make_unique<UpdateChecker>(UpdateCheckHost{
        this, services_.messages, &settings_, services_.settings_store,
        [this](const QString& text) { statuszeile_->SetPanelText(0, text); }, services_.open_url});
    services_.check_for_updates = [checker = update_checker_.get()](bool manual) {
      manual ? checker->CheckManually() : checker->CheckAutomatically();
    };
  }
}

// ---------------------------------------------------------------------------------------------
// Command wiring and states

void THauptfenster::Connect(const char* name, void (THauptfenster::*handler)()) {
  connect(Action(name), &QAction::triggered, this, handler);
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
  ConnectOnlineCommands();
  ConnectExchangeCommands();

  connect(Action("MenuKategorieAlleartikel"), &QAction::triggered, this, [this] { ShowView(kAllCoinsView); });
  connect(Action("SpeedAlles"), &QAction::triggered, this, [this] { ShowView(kAllCoinsView); });

  ConnectFilterCommands();
  ConnectToolbarCommands();

  connect(datenbereich_, &TDatenbereich::ColumnMoved, this, &THauptfenster::ColumnMoved);
  connect(datenbereich_, &TDatenbereich::ColumnResized, this, &THauptfenster::ColumnResized);
  connect(datenbereich_, &TDatenbereich::WidthDragFinished, this, &THauptfenster::WidthDragFinished);
  connect(datenbereich_, &TDatenbereich::ContextMenuWanted, this,
          [this](const QPoint& at) { commands_->DatenPopUpMenu()->popup(at); });
  connect(statuszeile_, &TStatuszeile::MouseMoved, this, [this](int x, int y) { last_mouse_ = QPoint(x, y); });
  connect(statuszeile_, &TStatuszeile::DoubleClicked, this, &THauptfenster::StatuszeileDblClick);
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
    connect(Action(name), &QAction::triggered, this, [this, kind = kind] { SetCountFilter(kind); });
  }
}

void THauptfenster::SetCommandEnabled(const char* name, bool enabled) {
  const QString key = QString::fromLatin1(name);
  Action(key)->setEnabled(enabled && !unavailable_.contains(key));
}

void THauptfenster::SetCommandsEnabled(std::initializer_list<const char*> names, bool enabled) {
  for (const char* name : names) SetCommandEnabled(name, enabled);
}

void THauptfenster::SetInitialCommandStates() {
  for (const QString& name : commands_->Names()) {
    if (unavailable_.contains(name)) Action(name)->setEnabled(false);
  }
  SetCommandsEnabled({"MenuBearbeiten", "MenuKategorie", "MenuDateiSpeichern", "SpeedSpeichern",
                      "MenuDateiSpeichernunter", "MenuDateiImportieren", "MenuDateiExportieren",
                      "MenuDateiDrucken", "MenuAnsichtSortierung", "MenuAnsichtFelder",
                      "MenuAnsichtGesamt", "MenuExtrasSuchen", "MenuExtrasWeitersuchen",
                      "MenuExtrasKategorien", "MenuDateiDatensicherung", "SpeedNeu", "SpeedAendern",
                      "SpeedLoeschen", "SpeedAusschneiden", "SpeedKopieren", "SpeedEinfuegen",
                      "SpeedSuchen", "SpeedSuchenWeiter", "SpeedGesamt", "SpeedSortierung",
                      "SpeedDruck", "SpeedAlles", "MenuExtrasSonderNummernkreise",
                      "MenuDateiExportierenKategorie", "DatenPopUpExportierenKategorie"},
                     false);
  // The filters need a document to show.
  for (QAction* filter : commands_->FilterGroup()->actions()) filter->setEnabled(false);
  SetCommandsEnabled({"MenuExtrasFilter"}, false);
}

void THauptfenster::EnableDocumentCommands() {
  SetCommandsEnabled({"SpeedAlles", "SpeedSuchen", "SpeedGesamt", "SpeedKopieren", "SpeedSortierung",
                      "MenuAnsichtGesamt", "MenuExtrasSuchen", "MenuDateiExportieren",
                      "MenuAnsichtFelder", "MenuAnsichtSortierung", "MenuBearbeitenKopieren",
                      "MenuDateiDatensicherung", "MenuExtrasFilter"},
                     true);
  for (QAction* filter : commands_->FilterGroup()->actions()) {
    filter->setEnabled(!unavailable_.contains(filter->objectName()));
  }
  const bool writable = document_.writable();
  // Imported coins could never be saved into a read-only file.
  SetCommandsEnabled({"SpeedEinfuegen", "MenuBearbeitenEinfuegen", "MenuExtrasKategorien", "MenuDateiImportieren"},
                     writable);
}

void THauptfenster::DisableDocumentCommands() {
  SetCommandsEnabled({"SpeedAlles", "SpeedSuchen", "SpeedGesamt", "SpeedKopieren", "SpeedEinfuegen",
                      "SpeedSortierung", "SpeedDruck", "SpeedNeu", "SpeedAendern", "SpeedLoeschen",
                      "MenuAnsichtGesamt", "MenuExtrasSuchen", "MenuExtrasKategorien",
                      "MenuDateiImportieren", "MenuDateiExportieren", "MenuKategorie",
                      "MenuBearbeitenEinfuegen", "MenuDateiDatensicherung", "MenuExtrasFilter"},
                     false);
}

void THauptfenster::EnableOpenDocumentMenus() {
  SetCommandsEnabled({"MenuKategorie", "MenuDateiSpeichernunter", "MenuDateiDrucken", "SpeedDruck"}, true);
}

void THauptfenster::UpdateRowCommands(int shown) {
  const RowCommandStates states = RowCommandsFor(shown, document_.writable());
  SetCommandsEnabled({"MenuBearbeitenKopieren", "SpeedKopieren", "DatenPopUpOeffnen", "MenuAnsichtOeffnen",
                      "MenuDateiExportierenArtikel", "DatenPopUpExportierenArtikel"},
                     states.copy_and_open);
  SetCommandsEnabled({"MenuBearbeitenLoeschen", "MenuBearbeitenAendern", "MenuBearbeitenPreisaendern",
                      "MenuBearbeitenAusschneiden", "DatenPopUpAendern", "DatenPopUpLoeschen",
                      "SpeedAusschneiden", "SpeedLoeschen", "SpeedAendern"},
                     states.change);
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
  SetCommandsEnabled({"MenuDateiSpeichern", "SpeedSpeichern"}, modified);
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
  if (document_.current_view != 0) SetCommandEnabled("MenuBearbeiten", true);
}

std::string THauptfenster::AreaName(int id) const { return korvex::AreaName(document_, id); }

void THauptfenster::LayoutStatusBar() {
  std::array<std::string, 5> texts;
  for (int i = 0; i < TStatuszeile::kPanelCount; ++i) {
    texts[i] = Utf8ToWin1252(statuszeile_->PanelText(i).toStdString());
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
  const bool all_coins = document_.current_view == kAllCoinsView;
  const bool writable = document_.writable();
  if (document_.current_view != 0) {
    SetCommandEnabled("MenuBearbeiten", true);
    SetCommandsEnabled({"MenuBearbeitenNeu", "DatenPopUpNeu", "SpeedNeu", "MenuExtrasSonderNummernkreise"},
                       writable && !all_coins);
  }
  UpdateViewChecks();
  if (!all_coins && document_.current_view != 0 && writable) SetCommandEnabled("MenuBearbeitenEinfuegen", true);
  UpdateTitle();
  BuildHeaders();
  BuildRows();
  LayoutStatusBar();
  const bool area_view = !all_coins && document_.Area(document_.current_view) != nullptr;
  SetCommandsEnabled({"MenuDateiExportierenKategorie", "DatenPopUpExportierenKategorie"}, area_view);
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
  if (area.icon.empty()) return {};
  QString path = FromWin1252(area.icon);
  // Icon names without a folder of their own are relative to the program folder.
  if (QFileInfo(path).isRelative()) path = QString::fromStdString((ProgramFolder() / path.toStdString()).string());
  path.replace('\\', '/');
  const QPixmap pixmap(path);
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
  QApplication::restoreOverrideCursor();
}

TDaten* THauptfenster::CoinOfRow() const { return grid_content_.view().CoinOfRow(datenbereich_->CurrentRow()); }

void THauptfenster::SelectCoin(const TDaten* coin) {
  const int row = grid_content_.view().RowOfCoin(coin);
  if (row > 0) datenbereich_->SetCurrentRow(row);
}

void THauptfenster::ColumnMoved(int from, int to) {
  MoveColumn(ViewColumns(document_), from, to);
  SetModified(true);
  BuildHeaders();
}

void THauptfenster::ColumnResized(int column, int width) {
  std::vector<TZelle>& columns = ViewColumns(document_);
  if (column >= 0 && column < static_cast<int>(columns.size())) columns[column].width = width;
}

void THauptfenster::WidthDragFinished() {
  std::vector<TZelle>& columns = ViewColumns(document_);
  for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
    columns[i].width = datenbereich_->columnWidth(i);
  }
  OfferUniformLayout(true);
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
