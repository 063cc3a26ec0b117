#pragma once

#include <string>

namespace korvex {

class CollectionDocument;

// The modal dialogs that the main window's commands open and whose answers decide what the
// command does next. The window uses the real dialogs; tests answer from a script.
class MainWindowDialogs {
 public:
  enum class PasswordAction { kSet, kDelete, kCancel };
  struct PasswordAnswer {
    PasswordAction action = PasswordAction::kCancel;
    std::string password;  // Windows-1252; only for kSet
  };

  virtual ~MainWindowDialogs() = default;

  // "&Passwort...": the setting form of the password dialog.
  virtual PasswordAnswer AskNewPassword() = 0;

  // "&Kategorien definieren..." and "&Neu": the area definition dialog on the document. True when
  // it was left with OK; the dialog has then put the areas (and, for a document without areas,
  // the currency symbol) into the document.
  virtual bool DefineAreas(CollectionDocument& document) = 0;
};

}  // namespace korvex
