#include "mainwindow/gui/scriptedservices.h"

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

bool ScriptedDialogs::ReassignNumberRanges(CollectionDocument& document, int area_id) {
  number_range_areas.push_back(area_id);
  if (!number_ranges) return false;
  korvex::ReassignNumberRanges(document, area_id, *number_ranges);
  return true;
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

}  // namespace korvex::test
