#pragma once

#include <QDialog>

#include <array>
#include <vector>

#include "mainwindow/fieldchoice.h"
#include "model/tzelle.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace korvex {

// "Angezeigte Felder": which fields the current view shows, and the alignment each field type
// gets. The alignment group writes into the document's alignment table at once, so a choice made
// there stays even when the dialog is left with "Abbruch".
class TDatAnz final : public QDialog {
  Q_OBJECT

 public:
  TDatAnz(const std::vector<TZelle>& columns, std::array<TZelle, kFieldCount + 1>& alignment_table,
          QWidget* parent = nullptr);

  // The view's new column list, built from the ticks (call after OK).
  std::vector<TZelle> ChosenColumns() const;

  // The check box of field type `type` (1 to 46).
  QCheckBox* Feld(int type) const { return boxes_[type]; }
  QComboBox* Ausr_Feld = nullptr;
  QComboBox* Ausr_Ausr = nullptr;
  QPushButton* OK = nullptr;
  QPushButton* Abbruch = nullptr;

 private:
  void BuildFieldBoxes(QWidget* parent);
  QGroupBox* BuildAlignmentGroup();
  void FeldClick();
  void Ausr_FeldChange(int index);
  void Ausr_AusrChange(int index);

  std::vector<TZelle> columns_;
  std::array<TZelle, kFieldCount + 1>& alignment_table_;
  std::array<QCheckBox*, kFieldCount + 1> boxes_{};
};

}  // namespace korvex
