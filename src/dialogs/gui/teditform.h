#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvex::gui {

// The entry editor "Editieren" of the lookup-list editor: one text (`Satz`) and, for the quality
// list only, its code (`Kuerzel`). Texts are Windows-1252.
//
//   TEditform edit(/*with_code=*/true, parent);
//   edit.SetEntry("vz", "vorzüglich");       // empty for a new entry
//   if (edit.exec() == QDialog::Accepted) use edit.Code(), edit.Text();
class TEditform : public QDialog {
  Q_OBJECT

 public:
  TEditform(bool with_code, QWidget* parent = nullptr);

  void SetEntry(const std::string& code, const std::string& text);
  std::string Code() const;
  std::string Text() const;

  QLabel* KuerzelLabel = nullptr;
  QLineEdit* Kuerzel = nullptr;
  QLabel* SatzLabel = nullptr;
  QLineEdit* Satz = nullptr;
  QPushButton* OKBtn = nullptr;
};

}  // namespace korvex::gui
