#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/numberranges.h"
#include "mainwindow/gui/filedialogs.h"
#include "mainwindow/gui/mainwindowdialogs.h"
#include "platform/passwordprompt.h"

namespace korvex::test {

// File dialogs answered from a script; a dialog without a scripted answer counts as cancelled.
class ScriptedFileDialogs final : public FileDialogs {
 public:
  void Choose(FileChoice choice) { answers_.push_back(std::move(choice)); }
  void Cancel() { answers_.push_back(std::nullopt); }

  std::optional<FileChoice> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<FileChoice> ChooseFileToSave(const FileDialogRequest& request) override;

  const std::vector<FileDialogRequest>& open_requests() const { return open_requests_; }
  const std::vector<FileDialogRequest>& save_requests() const { return save_requests_; }
  bool AllAnswersUsed() const { return answers_.empty(); }

 private:
  std::optional<FileChoice> Next();

  std::deque<std::optional<FileChoice>> answers_;
  std::vector<FileDialogRequest> open_requests_;
  std::vector<FileDialogRequest> save_requests_;
};

// Passwords typed into the asking form, in order; nothing left means "Abbruch".
class ScriptedPasswords final : public PasswordPrompt {
 public:
  void Type(std::string password) { answers_.push_back(std::move(password)); }
  std::optional<std::string> AskPassword(const std::string&) override;
  int asked() const { return asked_; }

 private:
  std::deque<std::string> answers_;
  int asked_ = 0;
};

// The element dialog of the import: answers in order, "Text" (the last element) when none is
// left. Records each column name with the element that was preselected.
class ScriptedColumnQuestion final : public UnknownColumnQuestion {
 public:
  std::deque<int> answers;
  std::vector<std::pair<std::string, int>> asked;
  int ChooseElement(const UnknownColumnRequest& request) override;
};

// The area dialog of the import: answers in order, "Kategorien ignorieren" when none is left.
// Records the area name asked about and the list as the dialog showed it.
class ScriptedAreaQuestion final : public UnknownAreaQuestion {
 public:
  struct Asked {
    std::string area_name;
    std::vector<std::string> entries;
    bool new_enabled = false;
  };
  std::deque<UnknownAreaAnswer> answers;
  std::vector<Asked> asked;
  UnknownAreaAnswer ChooseArea(const UnknownAreaRequest& request) override;
};

// The "Nummernkreise" dialog after reading a legacy data file: applies `choice` to all areas
// when set, otherwise it is left with "Abbrechen".
class ScriptedLegacyNumbers final : public LegacyNumberAssignment {
 public:
  std::optional<NumberRangeChoice> choice;
  int offers = 0;
  void OfferForAllAreas(CollectionDocument& document) override;
};

// The password-setting form and the area definition dialog answered from a script.
class ScriptedDialogs final : public MainWindowDialogs {
 public:
  std::deque<PasswordAnswer> password_answers;
  // Runs in place of the area definition dialog; unset means "Abbruch".
  std::function<bool(CollectionDocument&)> define_areas;
  int areas_dialogs = 0;
  // Runs in place of the settings dialog, changing the settings as the user would; unset leaves
  // them as they are.
  std::function<OptionsOutcome(ProgramSettings&)> options;
  int options_dialogs = 0;
  // The lists the lookup-list editor was opened with.
  std::vector<LookupLists> edited_lists;

  PasswordAnswer AskNewPassword() override;
  bool DefineAreas(CollectionDocument& document) override;
  OptionsOutcome ShowOptions(SettingsStore& store, ProgramSettings& settings, WindowPlaces& places,
                             const std::string& file_currency) override;
  void EditLookupLists(const LookupLists& lists) override { edited_lists.push_back(lists); }

  ScriptedColumnQuestion import_columns;
  ScriptedAreaQuestion import_areas;
  UnknownColumnQuestion& ImportColumns() override { return import_columns; }
  UnknownAreaQuestion& ImportAreas() override { return import_areas; }

  // The answer of "Nummernkreise neu zuordnen"; unset means "Abbrechen". The areas it was asked
  // for are recorded.
  std::optional<NumberRangeChoice> number_ranges;
  std::vector<int> number_range_areas;
  bool ReassignNumberRanges(CollectionDocument& document, int area_id) override;

  ScriptedLegacyNumbers legacy_numbers;
  LegacyNumberAssignment& LegacyNumbers() override { return legacy_numbers; }
};

}  // namespace korvex::test
