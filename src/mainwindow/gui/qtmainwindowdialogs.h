#pragma once

#include <memory>

#include "dialogs/gui/tnummernkreisfenster.h"
#include "files/gui/tersatzfenster.h"
#include "files/gui/tkategoriefenster.h"
#include "mainwindow/gui/mainwindowdialogs.h"

class QWidget;

namespace korvex {

class MessageService;
namespace gui {
class TOptionen;
}

// The real dialogs behind the main window's commands, shown modally over the window.
class QtMainWindowDialogs final : public MainWindowDialogs {
 public:
  // `show_help` serves the dialogs' "&Hilfe" buttons and F1.
  QtMainWindowDialogs(MessageService& messages, QWidget* parent, HelpHandler show_help = {});
  ~QtMainWindowDialogs() override;

  PasswordAnswer AskNewPassword() override;
  bool DefineAreas(CollectionDocument& document) override;
  OptionsOutcome ShowOptions(SettingsStore& store, ProgramSettings& settings, WindowPlaces& places,
                             const std::string& file_currency) override;
  void EditLookupLists(const LookupLists& lists) override;
  UnknownColumnQuestion& ImportColumns() override { return import_columns_; }
  UnknownAreaQuestion& ImportAreas() override { return import_areas_; }
  std::optional<NumberRangeChoice> ChooseNumberRanges(const CollectionDocument& document, int area_id) override;
  LegacyNumberAssignment& LegacyNumbers() override { return legacy_numbers_; }

 private:
  MessageService& messages_;
  QWidget* parent_;
  HelpHandler show_help_;
  gui::DialogUnknownColumnQuestion import_columns_;
  gui::DialogUnknownAreaQuestion import_areas_;
  gui::DialogLegacyNumberAssignment legacy_numbers_;
  // Made once and kept for the whole run, so that its controls always hold the settings in force.
  std::unique_ptr<gui::TOptionen> options_;
};

}  // namespace korvex
