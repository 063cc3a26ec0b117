#pragma once

#include <QDialog>
#include <QPointer>

#include "files/textimportquestions.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace korvex::gui {

// "Unbekanntes Element": asks which element an import column with an unknown header name is to
// fill. It cannot be closed without a choice; `Ok` stays disabled until an element is selected.
class TErsatzfenster : public QDialog {
  Q_OBJECT

 public:
  explicit TErsatzfenster(const UnknownColumnRequest& request, QWidget* parent = nullptr);

  // The position of the selected element in the request's list; -1 while nothing is selected.
  int SelectedElement() const;

  QLabel* Hinweis = nullptr;
  QLabel* UnbekannterEintrag = nullptr;
  QLabel* Unbekannt = nullptr;
  QLabel* Auswahl = nullptr;
  QListWidget* ListBox1 = nullptr;
  QPushButton* Ok = nullptr;

 public slots:
  // Escape and the window's close request leave the question open: the import needs an answer.
  void reject() override {}
};

// The import's column question answered by TErsatzfenster. The selection of the previous column
// comes back preselected through the request.
class DialogUnknownColumnQuestion final : public UnknownColumnQuestion {
 public:
  explicit DialogUnknownColumnQuestion(QWidget* parent) : parent_(parent) {}
  int ChooseElement(const UnknownColumnRequest& request) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace korvex::gui
