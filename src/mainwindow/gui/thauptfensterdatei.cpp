// The file commands: new, open, save, save as, password, backup, and the dialogs that change
// the document as a whole (areas, settings, lookup lists).
#include <QAction>
#include <QApplication>

#include "files/legacyfile.h"
#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/filedialogs.h"
#include "mainwindow/gui/mainwindowdialogs.h"
#include "mainwindow/gui/thauptfenster.h"
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
  CloseDocument();
  ClearAreas();
  SetModified(false);
  EnableOpenDocumentMenus();
  const bool read = ReadCollection(path, choice->filter_index == kLegacyFilter);
  if (!read) {
    // Nothing of that file is in memory: a later save must not be able to overwrite it.
    document_.ClearFileName();
    RebuildAreaMenu();
    ShowView(kKeepView);
    return;
  }
  SetModified(false);
  if (choice->read_only) document_.SetWritable(false);
  datenbereich_->setEnabled(true);
  EnableDocumentCommands();
  ShowView(kKeepView);
}

bool THauptfenster::ReadCollection(const std::string& path, bool legacy) {
  document_.SetPassword("");
  document_.ClearContent();
  document_.SetWritable(true);
  bool read = false;
  if (legacy) {
    LegacyReadServices services{*services_.messages, *services_.password_prompt, *this, nullptr};
    const LegacyReadResult result = ReadLegacyFile(path, document_, services);
    read = result.outcome == LegacyReadOutcome::kRead;
    if (result.write_protected) document_.SetWritable(false);
  } else {
    read = OpenCollection(path);
  }
  ProgressEnd();
  document_.has_name = read && !document_.from_template && document_.file_path() != kUnnamedFile;
  document_.first_shown = document_.first_coin;
  RebuildAreaMenu();
  return read;
}

void THauptfenster::MenuDateiSpeichernClick() {
  if (!document_.modified()) return;
  if (!document_.has_name) {
    MenuDateiSpeichernunterClick();
    return;
  }
  if (WriteDocument()) SetModified(false);
}

void THauptfenster::MenuDateiSpeichernunterClick() {
  const std::string old_picture_folder = document_.picture_folder();
  document_.legacy_version = 0;
  const std::optional<FileChoice> choice = services_.file_dialogs->ChooseFileToSave(SaveRequest());
  if (!choice) return;
  document_.compressed = choice->filter_index == 1;
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
  if (!copy) MakePictureReferencesAbsolute(old_picture_folder);
  SetModified(false);
  document_.has_name = true;
  SetFileName(Utf8ToWin1252(choice->path));
  UpdateTitle();
  if (copy) TransferPictures(old_picture_folder);
  // Nothing written means the changes are still unsaved, whatever the document said before.
  if (!WriteDocument()) SetModified(true);
}

void THauptfenster::SpeedKeyClick() {
  const MainWindowDialogs::PasswordAnswer answer = services_.dialogs->AskNewPassword();
  switch (answer.action) {
    case MainWindowDialogs::PasswordAction::kSet:
      document_.SetPassword(answer.password);
      SetModified(true);
      break;
    case MainWindowDialogs::PasswordAction::kDelete:
      document_.SetPassword("");
      SetModified(true);
      break;
    case MainWindowDialogs::PasswordAction::kCancel: break;
  }
}

void THauptfenster::MenuExtrasKategorienClick() {
  if (!services_.dialogs->DefineAreas(document_)) return;
  RebuildAreaMenu();
  EnableDocumentCommands();
  datenbereich_->setEnabled(true);
  ShowView(kAllCoinsView);
  SetModified(true);
}

}  // namespace korvex
