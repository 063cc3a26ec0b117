#pragma once

#include <QMainWindow>
#include <QSet>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/lookuplists.h"
#include "dialogs/programsettings.h"
#include "dialogs/windowplaces.h"
#include "files/collectionlock.h"
#include "files/textexport.h"
#include "mainwindow/coinfilter.h"
#include "mainwindow/coinsearch.h"
#include "dialogs/entryfields.h"
#include "mainwindow/commandstates.h"
#include "mainwindow/gui/autosavegate.h"
#include "mainwindow/gui/viewgridcontent.h"
#include "mainwindow/statusprogress.h"
#include "mainwindow/undohistory.h"
#include "model/collectiondocument.h"
#include "model/formatsettings.h"
#include "platform/progress.h"

class QAction;
class QIcon;
class QMenu;
class QToolBar;
class QUrl;

namespace korvex::gui {
class HelpWindowHost;
class TFensterEingabeFenster;
}

namespace korvex {

class FileDialogs;
class GridContent;
class ListModePictures;
class MainWindowCommands;
class MainWindowDialogs;
class MessageService;
class PasswordPrompt;
class PrinterChoice;
class RecordCommands;
class SettingsStore;
class TDatenbereich;
class TStatuszeile;
class UpdateChecker;

// What the main window works with besides its own controls. Anything left empty is created by
// the window itself (message boxes, the platform's file dialogs, the real dialogs); tests pass
// scripted services instead so that they can drive the window without a person.
struct MainWindowServices {
  MessageService* messages = nullptr;
  FileDialogs* file_dialogs = nullptr;
  PasswordPrompt* password_prompt = nullptr;
  MainWindowDialogs* dialogs = nullptr;
  SettingsStore* settings_store = nullptr;
  PrinterChoice* printers = nullptr;
  // The command-line arguments after the program name (UTF-8); joined with blanks they name the
  // collection to open.
  std::vector<std::string> arguments;
  // Starts an update check (manual: from the menu, with the wait window and message boxes); empty
  // means the real check against the program-services web service.
  std::function<void(bool manual)> check_for_updates;
  // Opens a web address in the browser, false on failure; empty means the desktop's handler.
  std::function<bool(const QUrl&)> open_url;
};

// The application's main window `THauptfenster`. It owns the one collection document from start
// to exit, hosts the grid `Datenbereich`, the status bar `Statuszeile`, the menu bar `Hauptmenu`
// and six dockable toolbars, and carries the commands. It shows the document; all decisions about
// the document's content are made by the core code it calls.
class THauptfenster final : public QMainWindow, private DocumentObserver, public Progress {
  Q_OBJECT

 public:
  // `ShowView` with this refreshes the present view.
  static constexpr int kKeepView = -1;

  explicit THauptfenster(MainWindowServices services = {}, QWidget* parent = nullptr);
  ~THauptfenster() override;

  CollectionDocument& Document() { return document_; }
  const CollectionDocument& Document() const { return document_; }
  MainWindowCommands& Commands() const { return *commands_; }
  RecordCommands& Records() const { return *record_commands_; }
  MessageService& Messages() const { return *services_.messages; }
  MainWindowDialogs& Dialogs() const { return *services_.dialogs; }
  // The help window over this window and over the dialogs it shows.
  gui::HelpWindowHost& Help() const { return *help_; }
  TDatenbereich* Datenbereich() const { return datenbereich_; }
  TStatuszeile* Statuszeile() const { return statuszeile_; }
  QTimer* SpeicherIntervall() { return &speicher_intervall_; }
  // Holds autosave ticks back while a command runs.
  AutosaveGate& Autosave() { return autosave_gate_; }
  QAction* Action(const QString& name) const;
  QToolBar* Toolbar(const QString& name) const;
  const FormatSettings& Format() const { return format_; }
  const ProgramSettings& Settings() const { return settings_; }
  const LookupLists& Lookups() const { return lookup_lists_; }
  // The entry dialog adds new texts to the lists.
  LookupLists& EditableLookups() { return lookup_lists_; }
  WindowPlaces& Places() { return places_; }
  const CoinFilter& Filter() const { return filter_; }
  const GridView& Grid() const { return grid_content_.view(); }
  // "Korvex", and " - " with the file title while the document has a file name: the text the
  // task bar would show for the application.
  const QString& ApplicationTitle() const { return application_title_; }

  // The first activation: geometry, settings, toolbars, then the collection named on the command
  // line, by automatic loading, the example collection on a first start, or the open dialog.
  // Runs once; the window calls it itself when it is first shown.
  void FirstActivation();
  bool Started() const { return started_; }

  // --- operations other parts of the window use ---
  void SetModified(bool flag);
  void SetFileName(const std::string& path);
  void UpdateTitle();
  void LayoutStatusBar();
  void EnableDocumentCommands();
  void DisableDocumentCommands();
  bool ConfirmDiscard(bool quitting);
  void CloseDocument();
  void ClearAreas();

  void ShowView(int view);
  void RebuildAreaMenu();
  std::string AreaName(int id) const;

  void BuildHeaders();
  void BuildRows();
  TDaten* CoinOfRow() const;
  void SelectCoin(const TDaten* coin);
  // The next row build sorts the collection first.
  void SetNeedsResort() { needs_resort_ = true; }
  // The list mode's pictures of the selected coin; nothing while the picture windows do not exist.
  void ShowPreview();
  ListModePictures* PictureWindows() const { return list_pictures_.get(); }

  // --- undo history ---
  UndoHistory& History() { return history_; }
  // Starts recording the next undoable step before a command changes the document; a step still
  // open is finished first, so each coin of a "Weitere Münze" run is a step of its own. The step
  // remembers the selected coin and the shown view.
  StepRecorder& BeginStep(StepScope scope, std::string caption = {});
  // Ends the open step once the command is done: a sort still due is made first (it belongs to
  // the step), then the step goes into the history. Nothing without an open step.
  void FinishStep();

  // Opens a collection file as the start-up does: true when the document was read.
  bool OpenAtStart(const std::string& path);

  // --- Progress: the status bar's progress display ---
  void ProgressBegin(const std::string& text) override;
  void ProgressTotal(int total) override;
  void ProgressSet(int step) override;
  void ProgressStep() override;

  // --- commands ---
  void MenuDateiNeuClick();
  void MenuDateiOeffnenClick();
  void MenuDateiNeuVorlageClick();
  void MenuDateiSpeichernClick();
  void MenuDateiSpeichernunterClick();
  void MenuDateiDatensicherungClick();
  void SpeedKeyClick();
  void MenuExtrasKategorienClick();
  void MenuDateiImportierenClick();
  // The export entries of the file menu and the grid's context menu.
  void ExportText(TextExportScope scope);
  void MenuExtrasSonderNummernkreiseClick();
  void MenuExtrasOptionenClick();
  void MenuExtrasHilfsDBClick();
  // List printing and the statistics window.
  void MenuDateiDruckenClick() { PrintShownList(true); }
  void SpeedDruckClick() { PrintShownList(false); }
  void MenuAnsichtGesamtClick();
  void MenuAnsichtSortierungClick();
  // "Angezeigte Felder...": the fields and alignments of the current view's columns.
  void ChooseFields();
  void MenuExtrasFilterDefinierenClick();
  void MenuExtrasSuchenClick();
  void MenuExtrasWeitersuchenClick();
  // The search from `record` on in collection order: selects the find, showing its area when an
  // area is shown, and enables "&Weitersuchen" when a record follows it.
  void SearchFrom(TDaten* record);
  // Takes a coin out of the document, moving the search continuation past it; the next row build
  // sorts.
  std::unique_ptr<TDaten> RemoveCoin(TDaten* coin);
  void MenuDateiBeendenClick() { close(); }
  void MenuHilfeUeberClick();
  // The detail view of the selected coin; "<" and ">" step through the shown rows.
  void MenuAnsichtOeffnenClick();
  void StatuszeileDblClick(int x);

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  QMenu* createPopupMenu() override;

 private:
  // DocumentObserver
  void FileNameChanged() override;
  void PasswordChanged() override;
  void ModifiedChanged() override;

  void CreateServices();
  void ConnectCommands();
  void ConnectFilterCommands();
  void ConnectToolbarCommands();
  void ConnectOnlineCommands();
  void ConnectExchangeCommands();
  void ConnectUndoCommands();
  void Connect(const char* name, void (THauptfenster::*handler)());
  void ApplyCommandStates(const CommandStates& states);
  void SetInitialCommandStates();
  void EnableOpenDocumentMenus();
  void UpdateViewChecks();
  void UpdateRowCommands(int shown);
  void UpdateFilterChecks();
  void SetCountFilter(FilterKind kind);
  QIcon AreaIcon(const TKategorie& area) const;

  // Start-up and closing
  void EveryActivation();
  void ReadProgramSettings();
  void LoadLookupListsAtStart();
  std::string CommandLineFileName() const;
  bool OpenExampleOnFirstStart();
  bool SaveBeforeDiscard();
  int ToolbarRow(QToolBar* bar) const;
  void BuildToolsMenu();

  void ConnectReportCommands();
  std::unique_ptr<PrinterChoice> NewSystemPrinters();
  void PrintShownList(bool with_dialog);

  // File commands
  // Empties the document and reads `path` into it (a legacy data file when `legacy`); shows the
  // reason when that fails. True when the document was read.
  bool ReadCollection(const std::string& path, bool legacy, bool read_only = false);
  // The dialog part of "&Öffnen..." and "Neu nach &Vorlage"; `ask` puts the question about unsaved
  // changes first.
  void OpenFromDialog(bool from_template, bool ask = true);
  // Writes the document to its file; false when nothing was written.
  bool WriteDocument();
  // The lock step of opening `path` for changes: `opening` takes the lock (the window's own when
  // it holds `path` already), and when another program holds it the user is asked whether to
  // open it write-protected, which sets `read_only`. False when nothing is to be opened.
  bool TakeOpeningLock(const std::string& path, bool& read_only, CollectionLock& opening);
  // Keeps the lock of the document just read while it can be changed.
  void KeepOpeningLock(CollectionLock& opening);

  void RestoreGeometry();
  void SaveGeometry();
  void RestoreToolbars();
  void SaveToolbars();
  void ToggleToolbar(const QString& name);
  void SyncToolbarChecks();
  void ConfigureAutosave();
  void AutosaveTick();

  // Undo and redo, and the window after either: the step's view, its selected coin, the area
  // menu and no search continuation (the coin it named may have left).
  void UndoClick();
  void RedoClick();
  void StepApplied(const StepPlace& place);
  void UpdateUndoItems();

  void ColumnMoved(int from, int to);
  void ColumnResized(int column, int width);
  void WidthDragFinished();
  // Copies the current view's layout to every view when the settings ask for it; `after_drag`
  // tells a width drag from a new field choice.
  void OfferUniformLayout(bool after_drag);
  // The entry dialog set up for a search or filter template, and its template options.
  std::unique_ptr<gui::TFensterEingabeFenster> TemplateDialog(EntryPurpose purpose);
  void ShowTemplateOptions(gui::TFensterEingabeFenster& dialog, const MatchSwitches& switches);

  CollectionDocument document_;
  // The lock of the collection file while the document is open for changes.
  CollectionLock lock_;
  FormatSettings format_;
  ProgramSettings settings_;
  WindowPlaces places_;
  LookupLists lookup_lists_;
  CoinFilter filter_;
  CoinSearch search_;
  UndoHistory history_;
  std::optional<StepRecorder> open_step_;
  ViewGridContent grid_content_;
  StatusProgress progress_;
  QString application_title_;
  // Commands whose dialogs this program does not have yet stay disabled whatever their state.
  QSet<QString> unavailable_;
  std::unique_ptr<MessageService> own_messages_;
  std::unique_ptr<FileDialogs> own_file_dialogs_;
  std::unique_ptr<PasswordPrompt> own_password_prompt_;
  std::unique_ptr<MainWindowDialogs> own_dialogs_;
  std::unique_ptr<SettingsStore> own_settings_store_;
  std::unique_ptr<PrinterChoice> own_printers_;
  MainWindowServices services_;

  std::unique_ptr<gui::HelpWindowHost> help_;
  std::unique_ptr<MainWindowCommands> commands_;
  std::unique_ptr<RecordCommands> record_commands_;
  std::unique_ptr<ListModePictures> list_pictures_;
  TDatenbereich* datenbereich_ = nullptr;
  TStatuszeile* statuszeile_ = nullptr;
  QTimer speicher_intervall_;
  AutosaveGate autosave_gate_;
  std::vector<QAction*> area_items_;
  std::vector<QAction*> area_buttons_;

  bool started_ = false;
  bool header_dragged_ = false;
  bool layouts_uniform_ = true;
  bool needs_resort_ = false;
  std::string filter_suffix_;
  QPoint last_mouse_;
  // Last, so that it goes first: running checks are stopped while the window is still whole.
  std::unique_ptr<UpdateChecker> update_checker_;
};

}  // namespace korvex
