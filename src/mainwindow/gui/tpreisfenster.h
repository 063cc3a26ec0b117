#pragma once

#include <QDialog>

#include "mainwindow/quickprice.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvex {

// "Preis ändern": the quick change of a coin's catalogue value and estimate. "&Nächste" (the
// default button) closes with kNaechste, "&OK" with Accepted, "Abbruch" with Rejected.
class TPreisfenster final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kNaechste = 4;

  explicit TPreisfenster(QWidget* parent = nullptr);

  // Fills the labels and edits for one coin; `has_next` enables "&Nächste".
  void ShowCoin(const QuickPriceTexts& texts, bool has_next);

  QLabel* Praegezahl = nullptr;
  QLabel* Motiv1 = nullptr;
  QLabel* Motiv2 = nullptr;
  QLabel* Thema = nullptr;
  QLabel* PreisT = nullptr;
  QLineEdit* Preis = nullptr;
  QLabel* PreisC = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Schaetzwert = nullptr;
  QLabel* SchaetzwertC = nullptr;
  QPushButton* Abbruch = nullptr;
  QPushButton* Naechste = nullptr;
  QPushButton* OK = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace korvex
