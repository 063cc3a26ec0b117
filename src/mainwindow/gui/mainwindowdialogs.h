#pragma once

#include <optional>
#include <string>

#include "dialogs/numberranges.h"
#include "dialogs/currencyconversion.h"
#include "dialogs/lookuplists.h"
#include "files/legacynumberassignment.h"
#include "files/textimportquestions.h"

class QDialog;

namespace korvex {

class CollectionDocument;
class SettingsStore;
struct ProgramSettings;
struct WindowPlaces;

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

  // Shows a dialog that a command has set up (the entry dialog, the price dialog) modally and
  // returns its result; tests work the dialog's controls here instead of a person.
  virtual int ExecModal(QDialog& dialog);

  // "&Passwort...": the setting form of the password dialog.
  virtual PasswordAnswer AskNewPassword() = 0;

  // "&Kategorien definieren..." and "&Neu": the area definition dialog on the document. True when
  // it was left with OK; the dialog has then put the areas (and, for a document without areas,
  // the currency symbol) into the document.
  virtual bool DefineAreas(CollectionDocument& document) = 0;

  // What the settings dialog asks the window to do with the open collection.
  struct OptionsOutcome {
    std::optional<ConversionAmounts> conversion;
    std::string new_currency;  // Windows-1252; only with a conversion
  };
  // "&Einstellungen...": the settings dialog on its first page. It edits `settings` in place and
  // writes them to `store` on OK; `file_currency` is the open collection's currency symbol.
  virtual OptionsOutcome ShowOptions(SettingsStore& store, ProgramSettings& settings,
                                     WindowPlaces& places, const std::string& file_currency) = 0;

  // "&Hilfsdatenbanken bearbeiten...": the lookup-list editor, which writes the lookup file
  // itself when it is left with OK.
  virtual void EditLookupLists(const LookupLists& lists) = 0;

  // "&Importieren...": the element dialog for columns with an unknown name and the area dialog
  // for coins with an unknown area name.
  virtual UnknownColumnQuestion& ImportColumns() = 0;
  virtual UnknownAreaQuestion& ImportAreas() = 0;

  // "Nummernkreise neu zuordnen" for the area with id `area_id`: what was chosen, nothing when the
  // dialog was not left with OK. The window asks about lost numbers and moves them.
  virtual std::optional<NumberRangeChoice> ChooseNumberRanges(const CollectionDocument& document, int area_id) = 0;

  // The catalogue-number assignment offered for all areas after a legacy data file was read.
  virtual LegacyNumberAssignment& LegacyNumbers() = 0;
};

}  // namespace korvex
