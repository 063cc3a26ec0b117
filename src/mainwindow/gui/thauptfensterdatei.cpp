// The file commands: new, open, save, save as, password, backup, and the dialogs that change
// the document as a whole (areas, settings, lookup lists).
#include <QAction>
#include <QApplication>

#include "files/backup.h"
#include "files/collectionfileio.h"
#include "files/collectionlock.h"
#include "files/fileerrors.h"
#include "files/legacyfile.h"
#include "files/picturefiles.h"
#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/filedialogs.h"
#include "mainwindow/gui/mainwindowdialogs.h"
#include "mainwindow/gui/thauptfenster.h"
#include "mainwindow/savefilename.h"
#include "mainwindow/stepcaptions.h"
#include "model/codepage.h"
#include "model/textcompare.h"
#include "model/paths.h"
#include "platform/datafolders.h"
#include "platform/messages.h"
#include "platform/passwordprompt.h"

namespace korvex {
namespace {

constexpr int kLegacyFilter = 2;

FileDialogRequest OpenRequest(bool from_template) {
  FileDialogRequest request;
  request.caption = "Öffnen";
  request.start_folder = DataFolder().string();
  request.filters = {{"Korvex 3", {"*.mvc", "*.mvs"}},
                     {"Korvex 2.x/1.x", {"*.kvl"}},
                     {"Korvex Vorlage", {"*.mvv"}},
                     {"XML-Dateien", {"*.xml"}}};
  request.filter_index = from_template ? 3 : 1;
  request.default_extension = from_template ? "mvv" : "mvc";
  request.offer_read_only = true;
  return request;
}

FileDialogRequest SaveRequest() {
  FileDialogRequest request;
  request.caption = "Speichern unter";
  request.start_folder = DataFolder().string();
  request.filters = {{"Korvex 3 (komprimiert)", {"*.mvc"}}, {"Korvex 3 (standard)", {"*.mvs"}}};
  request.filter_index = 1;
  request.default_extension = "mvc";
  return request;
}

}  // namespace

void THauptfenster::MenuDateiNeuClick() {
  if (!ConfirmDiscard(false)) return;
  CloseDocument();
  document_.Reset();
  history_.Reset(true);
  filter_.Clear();
  UpdateFilterChecks();
  RebuildAreaMenu();
  EnableOpenDocumentMenus();
  datenbereich_->setEnabled(true);
  ShowView(kAllCoinsView);
  // A new file starts with its collecting areas.
  MenuExtrasKategorienClick();
  ShowView(kAllCoinsView);
}

void THauptfenster::MenuDateiOeffnenClick() { OpenFromDialog(false); }

void THauptfenster::MenuDateiNeuVorlageClick() { OpenFromDialog(true); }

void THauptfenster::OpenFromDialog(bool from_template, bool ask) {
  if (ask && !ConfirmDiscard(false)) return;
  const std::optional<FileChoice> choice = services_.file_dialogs->ChooseFileToOpen(OpenRequest(from_template));
  if (!choice) return;
  const std::string path = Utf8ToWin1252(choice->path);
  if (EqualAsciiUpper(ExtensionOf(path), ".TXT")) {
    services_.messages->Error(
        "Aus Textdateien ist nur der Import möglich. Bitte legen Sie zunächst eine neue Datei an "
        "und importieren Sie dann die Daten.");
    return;
  }
  bool read_only = choice->read_only;
  CollectionLock opening;
  // Declining to open a file another program holds keeps the present document.
  if (!TakeOpeningLock(path, read_only, opening)) return;
  CloseDocument();
  ClearAreas();
  SetModified(false);
  EnableOpenDocumentMenus();
  // A file that fails to open leaves the document empty and without a name, and no document
  // open: nothing can mark it changed or save it over the file that failed.
  if (!ReadCollection(path, choice->filter_index == kLegacyFilter, read_only)) {
    ApplyCommandStates(FailedOpenCommandStates());
    datenbereich_->setEnabled(false);
    // The areas are gone with the content; no view may name one.
    ShowView(kAllCoinsView);
    return;
  }
  KeepOpeningLock(opening);
  datenbereich_->setEnabled(true);
  EnableDocumentCommands();
  ShowView(kKeepView);
}

bool THauptfenster::TakeOpeningLock(const std::string& path, bool& read_only, CollectionLock& opening) {
  // A write-protected document and a template, which opens without a name, change no file.
  if (read_only || EqualAsciiUpper(ExtensionOf(path), ".MVV")) return true;
  if (lock_.Holds(path)) {
    opening = std::move(lock_);
    return true;
  }
  switch (LockForOpening(opening, path, *services_.messages)) {
    case OpenMode::kWritable: return true;
    case OpenMode::kReadOnly: read_only = true; return true;
    case OpenMode::kNotOpened: return false;
  }
  return false;
}

void THauptfenster::KeepOpeningLock(CollectionLock& opening) {
  // A legacy file may still have been opened write-protected by its password dialog.
  if (document_.writable() && document_.has_name) lock_ = std::move(opening);
}

bool THauptfenster::ReadCollection(const std::string& path, bool legacy, bool read_only) {
  bool read = false;
  if (legacy) {
    LegacyReadServices services{*services_.messages, *services_.password_prompt, *this,
                                &services_.dialogs->LegacyNumbers()};
    const LegacyReadResult result = ReadLegacyFile(path, document_, services);
    read = result.Read();
    if (!read) document_.ClearFileName();
    document_.SetModified(false);
    if (result.write_protected || read_only) document_.SetWritable(false);
  } else {
    FileServices services{*services_.messages, *services_.password_prompt, *this};
    read = OpenCollectionFile(document_, path, services, read_only);
  }
  ProgressEnd();
  RebuildAreaMenu();
  history_.Reset(read && document_.writable());
  return read;
}

bool THauptfenster::WriteDocument() {
  if (!LockForSaving(lock_, SavePathOf(document_), *services_.messages)) {
    SetModified(true);
    return false;
  }
  const bool written = SaveCollectionFile(document_, *services_.messages, *this);
  ProgressEnd();
  if (written) history_.MarkSaved();
  return written;
}

void THauptfenster::MenuDateiSpeichernClick() {
  if (!document_.modified()) return;
  if (!document_.has_name) {
    MenuDateiSpeichernunterClick();
    return;
  }
  WriteDocument();
}

void THauptfenster::MenuDateiSpeichernunterClick() {
  const std::string old_picture_folder = document_.picture_folder();
  document_.legacy_version = 0;
  const std::optional<FileChoice> choice = services_.file_dialogs->ChooseFileToSave(SaveRequest());
  if (!choice) return;
  // The name and the container always agree, so that the file opens again.
  const CollectionSaveTarget target = CollectionSaveTargetOf(choice->path, choice->filter_index != 2);
  if (!MayWriteFile(choice->path, target.path, *services_.messages)) return;
  // The document keeps its name when another program holds the chosen file.
  if (!LockForSaving(lock_, Utf8ToWin1252(target.path), *services_.messages)) return;
  document_.compressed = target.compressed;
  bool copy = false;
  switch (settings_.Graphik_Copy) {
    case PictureCopy::kAlways: copy = true; break;
    case PictureCopy::kNever: copy = false; break;
    case PictureCopy::kAsk:
      copy = services_.messages->AskYesNo(
          "Die Datei enthält möglicherweise Verweise auf Bilder zu den enthaltenen Artikeln. "
          "Sollen die referenzierten Bilder mit kopiert werden?");
      break;
  }
  if (!copy) MakePictureReferencesAbsolute(document_, old_picture_folder);
  SetModified(false);
  document_.has_name = true;
  SetFileName(Utf8ToWin1252(target.path));
  UpdateTitle();
  if (copy) {
    TransferPicturesToNewFolder(document_, old_picture_folder, *services_.messages, *this);
    ProgressEnd();
  }
  // A failed write leaves the document marked modified.
  WriteDocument();
}

void THauptfenster::MenuDateiDatensicherungClick() {
  if (!document_.has_name) {
    // The backup names its entries after the collection file, so there must be one.
    services_.messages->Information(
        "Bitte speichern Sie die Datei zuerst unter einem Namen, bevor Sie eine Datensicherung anlegen.");
    return;
  }
  FileDialogRequest request;
  request.caption = "Datensicherung";
  request.start_folder = DataFolder().string();
  request.filters = {{"ZIP-Datei", {"*.zip"}}};
  request.default_extension = "zip";
  const std::optional<FileChoice> choice = services_.file_dialogs->ChooseFileToSave(request);
  if (!choice) return;
  try {
    WriteBackupArchive(document_, Utf8ToWin1252(choice->path), DefaultLookupFile(), *this);
  } catch (const EKorvexError& error) {
    services_.messages->Error(error.message());
  }
  ProgressEnd();
}

void THauptfenster::SpeedKeyClick() {
  const MainWindowDialogs::PasswordAnswer answer = services_.dialogs->AskNewPassword();
  switch (answer.action) {
    case MainWindowDialogs::PasswordAction::kSet:
      document_.SetPassword(answer.password);
      SetModified(true);
      history_.ForgetSavedState();
      break;
    case MainWindowDialogs::PasswordAction::kDelete:
      document_.SetPassword("");
      SetModified(true);
      history_.ForgetSavedState();
      break;
    case MainWindowDialogs::PasswordAction::kCancel: break;
  }
}

void THauptfenster::MenuExtrasKategorienClick() {
  StepScope scope;
  scope.order = true;
  scope.coin_areas = true;
  BeginStep(std::move(scope), kAreaDefinitionStep);
  if (!services_.dialogs->DefineAreas(document_)) {
    FinishStep();  // a dialog closed without OK changed nothing, so this records nothing
    return;
  }
  RebuildAreaMenu();
  EnableDocumentCommands();
  datenbereich_->setEnabled(true);
  ShowView(kAllCoinsView);
  SetModified(true);
  FinishStep();
}

}  // namespace korvex
