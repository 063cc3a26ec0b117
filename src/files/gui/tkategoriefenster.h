#pragma once

#include <QDialog>
#include <QPointer>

#include "files/textimportquestions.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace korvex::gui {

// "Unbekannte Kategorie": asks which collecting area an imported coin belongs to when its area
// name is empty or unknown. The answer is a list entry (`Ok`), a new area of that name (`Neu`),
// or one area for everything ("Kategorien ignorieren"); the dialog cannot be closed otherwise.
class TKategoriefenster : public QDialog {
  Q_OBJECT

 public:
  explicit TKategoriefenster(const UnknownAreaRequest& request, QWidget* parent = nullptr);

  // What the dialog was closed with.
  UnknownAreaAnswer Answer() const;

  QLabel* Hinweis = nullptr;
  QLabel* Kurzbeschreibung = nullptr;
  QLabel* Auswahl = nullptr;
  QLabel* Kat = nullptr;
  QListWidget* ListBox1 = nullptr;
  QCheckBox* Ignoriere_Kategorien = nullptr;
  QPushButton* Neu = nullptr;
  QPushButton* Ok = nullptr;

 public slots:
  // Escape and the window's close request leave the question open: the coin needs an area.
  void reject() override {}

 private:
  bool new_chosen_ = false;
};

// The import's area question answered by TKategoriefenster.
class DialogUnknownAreaQuestion final : public UnknownAreaQuestion {
 public:
  explicit DialogUnknownAreaQuestion(QWidget* parent) : parent_(parent) {}
  UnknownAreaAnswer ChooseArea(const UnknownAreaRequest& request) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace korvex::gui
