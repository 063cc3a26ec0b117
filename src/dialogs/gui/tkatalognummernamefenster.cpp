#include "dialogs/gui/tkatalognummernamefenster.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/widetext.h"

namespace korvex::gui {

TKatalognummernameFenster::TKatalognummernameFenster(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("KatalognummernameFenster");
  setWindowTitle(QStringLiteral("Katalognummer"));

  NameLabel = new QLabel(QStringLiteral("Name der Katalognummer:"), this);
  Nummername = new QLineEdit(QStringLiteral("Katalognummer"), this);
  Nummername->setObjectName("Nummername");
  Nummername->setMinimumWidth(220);
  NameLabel->setBuddy(Nummername);
  Button1 = new QPushButton(QStringLiteral("&Ok"), this);
  Button1->setObjectName("Button1");
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(NameLabel);
  layout->addWidget(Nummername);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::string DialogCatalogueNameAsker::AskCatalogueName(const std::string& current) {
  TKatalognummernameFenster dialog(parent_);
  dialog.Nummername->setText(FromWin1252(current));
  dialog.Nummername->selectAll();
  dialog.exec();
  return ToWin1252(dialog.Nummername->text());
}

}  // namespace korvex::gui
