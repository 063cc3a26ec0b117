#include "files/gui/tersatzfenster.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/widetext.h"

namespace korvex::gui {

TErsatzfenster::TErsatzfenster(const UnknownColumnRequest& request, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("Ersatzfenster"));
  setWindowTitle(QStringLiteral("Unbekanntes Element"));

  Hinweis = new QLabel(QStringLiteral(
      "Unbekanntes Element entdeckt! Bitte wählen Sie aus, als welches Element der Eintrag "
      "angesehen werden soll. Falls der Eintrag nicht zu den vorgeschlagenen Elementen paßt, "
      "wählen Sie bitte \"Text\"."), this);
  Hinweis->setWordWrap(true);
  UnbekannterEintrag = new QLabel(QStringLiteral("Unbekannter Eintrag:"), this);
  Unbekannt = new QLabel(FromWin1252(request.column_name), this);
  Unbekannt->setObjectName(QStringLiteral("Unbekannt"));
  Unbekannt->setTextFormat(Qt::PlainText);
  QFont bold = Unbekannt->font();
  bold.setBold(true);
  Unbekannt->setFont(bold);
  Auswahl = new QLabel(
      QStringLiteral("Bitte wählen Sie das entsprechende Element aus (Hinweis: Gesamtpreis wird ignoriert)"),
      this);
  Auswahl->setWordWrap(true);

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  for (const std::string& element : request.elements) ListBox1->addItem(FromWin1252(element));
  Ok = new QPushButton(QStringLiteral("OK"), this);
  Ok->setObjectName(QStringLiteral("Ok"));
  Ok->setDefault(true);
  if (request.selected >= 0 && request.selected < ListBox1->count()) {
    ListBox1->setCurrentRow(request.selected);
  }
  Ok->setEnabled(SelectedElement() >= 0);
  connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] { Ok->setEnabled(SelectedElement() >= 0); });
  connect(Ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* name = new QHBoxLayout;
  name->addWidget(UnbekannterEintrag);
  name->addWidget(Unbekannt, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Hinweis);
  layout->addLayout(name);
  layout->addWidget(Auswahl);
  layout->addWidget(ListBox1, 1);
  layout->addLayout(buttons);
  resize(420, 460);
}

int TErsatzfenster::SelectedElement() const {
  return ListBox1->currentItem() && ListBox1->currentItem()->isSelected() ? ListBox1->currentRow() : -1;
}

int DialogUnknownColumnQuestion::ChooseElement(const UnknownColumnRequest& request) {
  TErsatzfenster dialog(request, parent_);
  dialog.exec();
  return dialog.SelectedElement();
}

}  // namespace korvex::gui
