#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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
};

}  // namespace korvex::test
