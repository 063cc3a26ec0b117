#pragma once

#include <QDialog>

#include <string>

#include "dialogs/arearules.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvex::gui {

// "Katalognummer": asks for the name of an area's free catalogue. A small tool window without
// border icons that can only be left with its button, so its text is always taken.
//
// Use (the area definition dialog does this through DialogCatalogueNameAsker):
//   TKatalognummernameFenster dialog(parent);
//   dialog.Nummername->setText(...);   // the area's present name
//   dialog.exec();
//   name = dialog.Nummername->text();
class TKatalognummernameFenster : public QDialog {
  Q_OBJECT

 public:
  explicit TKatalognummernameFenster(QWidget* parent = nullptr);

  QLabel* NameLabel = nullptr;
  QLineEdit* Nummername = nullptr;
  QPushButton* Button1 = nullptr;

 public slots:
  // Escape and the window manager cannot close it: only the button does.
  void reject() override {}
};

// Asks through TKatalognummernameFenster; texts are Windows-1252.
class DialogCatalogueNameAsker final : public CatalogueNameAsker {
 public:
  explicit DialogCatalogueNameAsker(QWidget* parent) : parent_(parent) {}
  std::string AskCatalogueName(const std::string& current) override;

 private:
  QWidget* parent_;
};

}  // namespace korvex::gui
