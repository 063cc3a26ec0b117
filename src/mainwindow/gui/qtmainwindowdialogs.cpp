#include "mainwindow/gui/qtmainwindowdialogs.h"

#include <QDialog>

#include "dialogs/gui/tdefkat.h"
#include "dialogs/gui/tmainform.h"
#include "dialogs/gui/toptionen.h"
#include "files/gui/tpasswort.h"
#include "mainwindow/gui/waitwindowprogress.h"

namespace korvex {

int MainWindowDialogs::ExecModal(QDialog& dialog) { return dialog.exec(); }


QtMainWindowDialogs::QtMainWindowDialogs(MessageService& messages, QWidget* parent, HelpHandler show_help)
    : messages_(messages),
      parent_(parent),
      show_help_(show_help),
      import_columns_(parent),
      import_areas_(parent),
      legacy_numbers_(parent, &messages, std::move(show_help)) {}

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

std::optional<NumberRangeChoice> QtMainWindowDialogs::ChooseNumberRanges(const CollectionDocument& document,
                                                                         int area_id) {
  return gui::ChooseNumberRanges(document, area_id, false, parent_, show_help_);
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
