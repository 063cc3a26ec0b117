#include "mainwindow/gui/qtmainwindowdialogs.h"

#include "dialogs/gui/tdefkat.h"
#include "dialogs/gui/tmainform.h"
#include "dialogs/gui/toptionen.h"
#include "files/gui/tpasswort.h"
#include "mainwindow/gui/waitwindowprogress.h"

namespace korvex {

QtMainWindowDialogs::QtMainWindowDialogs(MessageService& messages, QWidget* parent)
    : messages_(messages),
      parent_(parent),
      import_columns_(parent),
      import_areas_(parent),
      legacy_numbers_(parent) {}

QtMainWindowDialogs::~QtMainWindowDialogs() = default;

MainWindowDialogs::PasswordAnswer QtMainWindowDialogs::AskNewPassword() {
  gui::TPasswort dialog(gui::TPasswort::Form::kSetting, messages_, parent_);
  switch (dialog.Run()) {
    case gui::TPasswort::Result::kOk: return {PasswordAction::kSet, dialog.PasswordText()};
    case gui::TPasswort::Result::kDelete: return {PasswordAction::kDelete, {}};
    default: return {PasswordAction::kCancel, {}};
  }
}

bool QtMainWindowDialogs::DefineAreas(CollectionDocument& document) {
  gui::AreaDialogServices services;
  services.make_progress = [](QWidget* dialog) { return std::make_unique<gui::WaitWindowProgress>(dialog); };
  gui::TDefKat dialog(document, parent_, std::move(services));
  return dialog.exec() == QDialog::Accepted;
}

bool QtMainWindowDialogs::ReassignNumberRanges(CollectionDocument& document, int area_id) {
  return gui::ReassignNumberRangesForArea(document, area_id, parent_);
}

MainWindowDialogs::OptionsOutcome QtMainWindowDialogs::ShowOptions(SettingsStore& store, ProgramSettings& settings,
                                                                   WindowPlaces& places,
                                                                   const std::string& file_currency) {
  if (!options_) options_ = std::make_unique<gui::TOptionen>(store, settings, places, messages_, parent_);
  options_->Run(file_currency);
  OptionsOutcome outcome;
  outcome.conversion = options_->ConversionRequest();
  if (outcome.conversion) outcome.new_currency = options_->NewCurrency();
  return outcome;
}

void QtMainWindowDialogs::EditLookupLists(const LookupLists& lists) {
  gui::TMainform editor(lists, messages_, parent_);
  editor.exec();
}

}  // namespace korvex
