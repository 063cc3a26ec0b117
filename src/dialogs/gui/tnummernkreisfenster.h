#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

#include "dialogs/numberranges.h"
#include "files/legacynumberassignment.h"
#include "help/helptopics.h"
#include "model/collectiondocument.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace korvex {
class MessageService;
}

namespace korvex::gui {

// "Nummernkreise": asks which catalogue systems the numbers now stored in the three number slots
// belong to. The lists only offer the six catalogue kinds (nothing can be typed).
//
// Most callers use the functions below; the dialog itself is for tests and special layouts:
//   TNummernkreisfenster dialog(PreselectedNumberKinds(doc, id), false, parent);
//   if (dialog.exec() == QDialog::Accepted) ReassignNumberRanges(doc, id, dialog.Choice());
class TNummernkreisfenster : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = kHelpNumberRanges;

  // `kinds` are preselected (a kind outside 0 to 5 selects nothing). `all_areas` is the form used
  // after reading an old data file: "Gilt für alle Kategorien" is ticked and hidden.
  TNummernkreisfenster(const std::array<int, 3>& kinds, bool all_areas, QWidget* parent = nullptr,
                       HelpHandler show_help = {});

  // The kinds chosen in the three lists and the state of "Gilt für alle Kategorien".
  NumberRangeChoice Choice() const;

  QLabel* Text = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QComboBox* ComboBox2 = nullptr;
  QComboBox* ComboBox3 = nullptr;
  QCheckBox* AlleKategorien = nullptr;
  QPushButton* ButtonOK = nullptr;
  QPushButton* ButtonAbbrechen = nullptr;
  QPushButton* ButtonHilfe = nullptr;  // enabled only when a help handler was given; F1 as well

 private:
  HelpHandler show_help_;
};

// Shows the dialog for the area with id `area_id` (for every area with `all_areas`) and returns
// what was chosen; nothing when it was not left with OK or there is no such area.
std::optional<NumberRangeChoice> ChooseNumberRanges(const CollectionDocument& document, int area_id,
                                                   bool all_areas, QWidget* parent, HelpHandler show_help = {});

// "Nummernkreise neu zuordnen" for the area with id `area_id` (the area on display). On OK the
// numbers of the affected coins move and the slot kinds follow, and the document is marked
// modified; the caller then rebuilds the grid (ShowView keep). Returns whether OK was chosen.
// Nothing is shown for an id without area.
bool ReassignNumberRangesForArea(CollectionDocument& document, int area_id, QWidget* parent,
                                 HelpHandler show_help = {});

// The same for every area and coin at once, as offered after reading an old data file; the slot
// kinds of the first area are preselected. Nothing is shown for a document without areas.
bool ReassignNumberRangesForAllAreas(CollectionDocument& document, QWidget* parent,
                                     HelpHandler show_help = {});

// The legacy reader's offer after a successful read, answered with the all-areas dialog:
//   DialogLegacyNumberAssignment assignment(mainWindow, &messages, help);
//   ReadLegacyFile(..., assignment, ...);
// With `messages`, a choice that would lose numbers is asked about first.
class DialogLegacyNumberAssignment final : public LegacyNumberAssignment {
 public:
  explicit DialogLegacyNumberAssignment(QWidget* parent, MessageService* messages = nullptr,
                                        HelpHandler show_help = {})
      : parent_(parent), messages_(messages), show_help_(std::move(show_help)) {}
  void OfferForAllAreas(CollectionDocument& document) override;

 private:
  QWidget* parent_;
  MessageService* messages_;
  HelpHandler show_help_;
};

}  // namespace korvex::gui
