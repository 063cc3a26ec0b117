#include "mainwindow/gui/scriptedservices.h"

#include <QTimer>

namespace korvex::test {

std::optional<FileChoice> ScriptedFileDialogs::Next() {
  if (answers_.empty()) return std::nullopt;
  std::optional<FileChoice> answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

std::optional<FileChoice> ScriptedFileDialogs::ChooseFileToOpen(const FileDialogRequest& request) {
  open_requests_.push_back(request);
  return Next();
}

std::optional<FileChoice> ScriptedFileDialogs::ChooseFileToSave(const FileDialogRequest& request) {
  save_requests_.push_back(request);
  return Next();
}

std::optional<std::string> ScriptedPasswords::AskPassword(const std::string&) {
  ++asked_;
  if (answers_.empty()) return std::nullopt;
  std::string answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

int ScriptedColumnQuestion::ChooseElement(const UnknownColumnRequest& request) {
  asked.emplace_back(request.column_name, request.selected);
  if (answers.empty()) return static_cast<int>(request.elements.size()) - 1;
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

UnknownAreaAnswer ScriptedAreaQuestion::ChooseArea(const UnknownAreaRequest& request) {
  asked.push_back({request.area_name, request.entries, request.new_enabled});
  if (while_open) while_open();
  if (answers.empty()) return {UnknownAreaAnswer::Choice::kIgnoreAreas, -1};
  const UnknownAreaAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

void ScriptedLegacyNumbers::OfferForAllAreas(CollectionDocument& document) {
  ++offers;
  if (!choice) return;
  NumberRangeChoice all = *choice;
  all.all_areas = true;
  ReassignNumberRanges(document, 1, all);
}

std::optional<NumberRangeChoice> ScriptedDialogs::ChooseNumberRanges(const CollectionDocument&, int area_id) {
  number_range_areas.push_back(area_id);
  return number_ranges;
}

MainWindowDialogs::PasswordAnswer ScriptedDialogs::AskNewPassword() {
  if (password_answers.empty()) return {};
  PasswordAnswer answer = password_answers.front();
  password_answers.pop_front();
  return answer;
}

bool ScriptedDialogs::DefineAreas(CollectionDocument& document) {
  ++areas_dialogs;
  return define_areas ? define_areas(document) : false;
}

MainWindowDialogs::OptionsOutcome ScriptedDialogs::ShowOptions(SettingsStore&, ProgramSettings& settings,
                                                                WindowPlaces&, const std::string&) {
  ++options_dialogs;
  return options ? options(settings) : OptionsOutcome{};
}

int ScriptedDialogs::ExecModal(QDialog& dialog) {
  std::function<void(QDialog&)> script;
  if (modal_scripts.empty()) {
    ++unscripted_dialogs;
    script = [](QDialog& shown) { shown.reject(); };
  } else {
    script = std::move(modal_scripts.front());
    modal_scripts.pop_front();
  }
  // The script runs once the dialog is shown and its event loop runs.
  QTimer::singleShot(0, &dialog, [&dialog, script, this] {
    modal_titles.push_back(dialog.windowTitle());
    script(dialog);
    // A script that forgot to close its dialog must not hang the test.
    if (dialog.isVisible()) {
      ++unclosed_dialogs;
      dialog.reject();
    }
  });
  return dialog.exec();
}

}  // namespace korvex::test
