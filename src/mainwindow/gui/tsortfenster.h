#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

#include "mainwindow/sortdialogkeys.h"

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace korvex {

// "Sortierung der Artikel": the standard order or up to five keys, each a field with a direction.
// The dialog only collects the choice; the main window stores the keys and sorts.
class TSortFenster final : public QDialog {
  Q_OBJECT

 public:
  TSortFenster(const std::array<int32_t, 5>& keys, bool standard_order, QWidget* parent = nullptr);

  // The keys the rows give (65535 for an empty row, negative for "Absteigend").
  std::array<int32_t, 5> Keys() const;
  bool StandardChosen() const;

  QRadioButton* Standardsort = nullptr;
  QRadioButton* FreieSort = nullptr;
  std::array<QGroupBox*, 5> GroupBox{};
  std::array<QComboBox*, 5> Sortierung{};
  std::array<QRadioButton*, 5> SortAuf{};
  std::array<QRadioButton*, 5> SortAb{};
  QPushButton* OK = nullptr;
  QPushButton* Abbruch = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildRow(int row);
  void StandardsortClick();
  void FreieSortClick();
  void SetRowsEnabled(bool enabled);
  void ShowRows(const SortRows& rows);

  SortDialogOpening opening_;
  bool shown_once_ = false;
};

}  // namespace korvex
