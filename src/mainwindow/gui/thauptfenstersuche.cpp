// The template commands of the main window: "F&ilter definieren...", "Su&chen..." and
// "&Weitersuchen". Both templates are edited in the entry dialog; matching is the core's.

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "dialogs/entryfields.h"
#include "dialogs/gui/tfenstereingabefenster.h"
#include "help/gui/helpwindowhost.h"
#include "mainwindow/coinsearch.h"
#include "mainwindow/gui/statuszeile.h"
#include "mainwindow/gui/thauptfenster.h"
#include "platform/widetext.h"

namespace korvex {
namespace {

// The switches as the dialog's template options show them.
MatchSwitches SwitchesOf(const gui::TFensterEingabeFenster& dialog) {
  MatchSwitches switches;
  switches.all_criteria = dialog.IstUND->isChecked();
  switches.exact_text = dialog.IstGleich->isChecked();
  switches.match_case = dialog.IstGross->isChecked();
  switches.case_ignored = dialog.EEtui->checkState() == Qt::PartiallyChecked;
  switches.certificate_ignored = dialog.EZertifikat->checkState() == Qt::PartiallyChecked;
  return switches;
}

}  // namespace

std::unique_ptr<gui::TFensterEingabeFenster> THauptfenster::TemplateDialog(EntryPurpose purpose) {
  gui::EntryDialogServices services;
  services.document = &document_;
  services.lookups = &lookup_lists_;
  services.format = &format_;
  services.places = &places_;
  services.messages = services_.messages;
  services.clear_status_message = [this] { statuszeile_->SetPanelText(0, QString()); };
  services.show_help = help_->Handler();
  auto dialog = std::make_unique<gui::TFensterEingabeFenster>(services, this);
  dialog->SetPurpose(purpose);
  dialog->setWindowTitle(FromWin1252(EntryDialogTitle(purpose, {})));
  return dialog;
}

void THauptfenster::ShowTemplateOptions(gui::TFensterEingabeFenster& dialog, const MatchSwitches& switches) {
  const std::array<std::string, 3> captions = TemplateNumberCaptions(document_);
  QLabel* labels[] = {dialog.ENummer1T, dialog.ENummer2T, dialog.ENummer3T};
  for (int slot = 0; slot < 3; ++slot) labels[slot]->setText(FromWin1252(captions[slot]));
  (switches.all_criteria ? dialog.IstUND : dialog.IstODER)->setChecked(true);
  dialog.IstGleich->setChecked(switches.exact_text);
  dialog.IstGross->setChecked(switches.match_case);
  // Grey: the yes/no criterion sets no condition.
  dialog.EEtui->setTristate(true);
  dialog.EZertifikat->setTristate(true);
  if (switches.case_ignored) dialog.EEtui->setCheckState(Qt::PartiallyChecked);
  if (switches.certificate_ignored) dialog.EZertifikat->setCheckState(Qt::PartiallyChecked);
}

void THauptfenster::MenuExtrasFilterDefinierenClick() {
  std::unique_ptr<gui::TFensterEingabeFenster> dialog = TemplateDialog(EntryPurpose::kFilter);
  SetModified(true);
  history_.ForgetSavedState();
  std::unique_ptr<TDaten> criteria = NewFilterTemplate();
  criteria->category = RestrictedSearchArea(document_);
  if (filter_.Active()) {
    // The user edits the filter that was active; it is off while the dialog is open.
    dialog->LoadRecord(*filter_.Template());
    SetCountFilter(FilterKind::kNone);
    Action("SpeedFilterFrei")->setChecked(true);
  } else {
    dialog->LoadRecord(*criteria);
  }
  ShowTemplateOptions(*dialog, filter_.switches());
  // The filter looks at every area; the area switch belongs to the search.
  dialog->Kategoriefrei->setVisible(false);
  dialog->EingabeOkPressed = false;
  dialog->exec();
  if (!dialog->EingabeOkPressed) {
    SetCountFilter(FilterKind::kNone);
    return;
  }
  const MatchSwitches switches = SwitchesOf(*dialog);
  dialog->StoreRecord();
  filter_.SetFreeFilter(dialog->EditedRecord()->Clone(), switches);
  UpdateFilterChecks();
  ShowView(kKeepView);
}

void THauptfenster::MenuExtrasSuchenClick() {
  std::unique_ptr<gui::TFensterEingabeFenster> dialog = TemplateDialog(EntryPurpose::kSearch);
  std::unique_ptr<TDaten> criteria = NewSearchTemplate();
  // A search kept to one area looks at the area whose number captions the dialog shows.
  criteria->category = RestrictedSearchArea(document_);
  dialog->LoadRecord(*criteria);
  // Every search starts with both yes/no criteria ignored.
  ShowTemplateOptions(*dialog, MatchSwitches{});
  dialog->EingabeOkPressed = false;
  dialog->exec();
  if (!dialog->EingabeOkPressed) return;
  const MatchSwitches switches = SwitchesOf(*dialog);
  dialog->StoreRecord();
  search_.Start(dialog->EditedRecord()->Clone(), switches, dialog->Kategoriefrei->isChecked());
  SearchFrom(document_.first_coin);
}

void THauptfenster::MenuExtrasWeitersuchenClick() {
  if (search_.CanContinue()) SearchFrom(search_.continuation());
}

void THauptfenster::SearchFrom(TDaten* record) {
  TDaten* found = search_.SearchFrom(record, *services_.messages);
  ApplyCommandStates({{"MenuExtrasWeitersuchen", search_.CanContinue()}, {"SpeedSuchenWeiter", search_.CanContinue()}});
  if (!found) return;
  if (document_.current_view != kAllCoinsView && found->category != document_.current_view) {
    ShowView(found->category);
  }
  SelectCoin(found);
}

std::unique_ptr<TDaten> THauptfenster::RemoveCoin(TDaten* coin) {
  search_.RecordRemoving(coin);
  needs_resort_ = true;
  return document_.Remove(coin);
}

}  // namespace korvex
