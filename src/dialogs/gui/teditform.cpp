#include "dialogs/gui/teditform.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "platform/widetext.h"

namespace korvex::gui {

TEditform::TEditform(bool with_code, QWidget* parent) : QDialog(parent) {
  setObjectName("Editform");
  setWindowTitle(QString::fromUtf8("Editieren"));

  KuerzelLabel = new QLabel(QString::fromUtf8("&Kürzel:"), this);
  KuerzelLabel->setObjectName("KuerzelLabel");
  Kuerzel = new QLineEdit(this);
  Kuerzel->setObjectName("Kuerzel");
  // The code is the key of its line in the lookup file, where "=" would split it.
  Kuerzel->setValidator(new QRegularExpressionValidator(QRegularExpression("[^=]*"), Kuerzel));
  KuerzelLabel->setBuddy(Kuerzel);
  SatzLabel = new QLabel(QString::fromUtf8("Datensatz:"), this);
  SatzLabel->setObjectName("SatzLabel");
  Satz = new QLineEdit(this);
  Satz->setObjectName("Satz");
  Satz->setMinimumWidth(260);
  SatzLabel->setBuddy(Satz);
  OKBtn = new QPushButton(QString::fromUtf8("OK"), this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

  auto* fields = new QFormLayout;
  fields->addRow(KuerzelLabel, Kuerzel);
  fields->addRow(SatzLabel, Satz);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);

  KuerzelLabel->setVisible(with_code);
  Kuerzel->setVisible(with_code);
  (with_code ? Kuerzel : Satz)->setFocus();
}

void TEditform::SetEntry(const std::string& code, const std::string& text) {
  Kuerzel->setText(FromWin1252(code));
  Satz->setText(FromWin1252(text));
}

std::string TEditform::Code() const { return ToWin1252(Kuerzel->text()); }

std::string TEditform::Text() const { return ToWin1252(Satz->text()); }

}  // namespace korvex::gui
