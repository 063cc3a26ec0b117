#pragma once

#include <QDialog>

#include <filesystem>

#include "dialogs/lookuplists.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace korvex {
class MessageService;
}

namespace korvex::gui {

// The lookup-list editor "Korvex Hilfsdatenbanken": the user picks one of the thirteen lists in
// `Auswahl`, adds entries ("&Hinzufügen"), changes one by a double click and deletes the selected
// one ("&Löschen"). All editing works on sorted copies; "OK" writes the copies to the lookup file,
// "Abbrechen" writes nothing.
//
// "&Hilfsdatenbanken bearbeiten..." in the main window:
//   TMainform editor(lookupLists, messages, this);   // sorted copies of the present lists
//   SaveLookupLists(lookupLists);                     // additions from the entry dialog survive
//   editor.exec();
//   lookupLists = LoadLookupLists();                  // whatever the result
class TMainform : public QDialog {
  Q_OBJECT

 public:
  TMainform(const LookupLists& present, MessageService& messages, QWidget* parent = nullptr,
            std::filesystem::path lookup_file = LookupFilePath());

  // The edited copies.
  const LookupLists& Lists() const { return lists_; }
  // The list that `Auswahl` shows.
  LookupList ShownList() const;

  QComboBox* Auswahl = nullptr;
  QLabel* Label1 = nullptr;
  QTableWidget* StringGrid1 = nullptr;
  QPushButton* BitBtn3 = nullptr;  // "&Hinzufügen"
  QPushButton* BitBtn4 = nullptr;  // "&Löschen"
  QPushButton* BitBtn1 = nullptr;  // "OK"
  QPushButton* BitBtn2 = nullptr;  // "Abbrechen"

 private slots:
  void AuswahlChange();
  void BitBtn3Click();
  void BitBtn4Click();
  void BitBtn1Click();
  void StringGrid1DblClick(int row);

 private:
  bool ShowsQualities() const { return ShownList() == LookupList::kQualitaet; }
  std::vector<std::string>& ShownEntries() { return lists_[ShownList()]; }
  // Opens the entry editor on `entry` (empty for a new one); false when it was not confirmed.
  bool EditEntry(std::string& entry);
  // Sorts the shown list and rebuilds the grid, selecting the row of `entry` when given.
  void SortAndShow(const std::string* entry);
  void ShowList();

  LookupLists lists_;
  MessageService& messages_;
  std::filesystem::path lookup_file_;
};

}  // namespace korvex::gui
