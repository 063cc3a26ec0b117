#include "files/gui/tpasswort.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/messages.h"
#include "platform/widetext.h"

namespace korvex::gui {

TPasswort::TPasswort(Form form, MessageService& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      messages_(messages) {
  setObjectName("Passwort");
  setWindowTitle(QString::fromUtf8("Passwort"));
  CreateControls();
  ApplyForm(form);
  PasswortChange();
}

void TPasswort::CreateControls() {
  Label2 = new QLabel(
      QString::fromUtf8("Bitte beachten Sie: Wenn Sie die Datei mit einem Passwort schützen, "
                        "dürfen Sie dieses nicht ver- gessen, da Sie die Datei sonst nicht mehr "
                        "öffnen können!"),
      this);
  Label2->setObjectName("Label2");
  Label2->setAlignment(Qt::AlignCenter);
  Label2->setWordWrap(true);
  Label2->setStyleSheet("color: red; font-weight: bold;");

  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setMinimumWidth(340);
  Label1 = new QLabel(QString::fromUtf8("Bitte geben Sie das &Passwort ein:"), Panel1);
  Label1->setObjectName("Label1");
  Passwort = new QLineEdit(Panel1);
  Passwort->setObjectName("Passwort");
  Passwort->setEchoMode(QLineEdit::Password);
  Label1->setBuddy(Passwort);
  BestaetigungT = new QLabel(QString::fromUtf8("Bitte nochmal bestätigen:"), Panel1);
  BestaetigungT->setObjectName("BestaetigungT");
  Bestaetigung = new QLineEdit(Panel1);
  Bestaetigung->setObjectName("Bestaetigung");
  Bestaetigung->setEchoMode(QLineEdit::Password);
  BestaetigungT->setBuddy(Bestaetigung);

  OK = new QPushButton(QString::fromUtf8("OK"), Panel1);
  OK->setObjectName("OK");
  OK->setDefault(true);
  Abbruch = new QPushButton(QString::fromUtf8("Abbruch"), Panel1);
  Abbruch->setObjectName("Abbruch");
  Loeschen = new QPushButton(QString::fromUtf8("&Löschen"), Panel1);
  Loeschen->setObjectName("Loeschen");
  Schreibschutz = new QPushButton(QString::fromUtf8("Schreib&geschützt"), Panel1);
  Schreibschutz->setObjectName("Schreibschutz");

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OK);
  buttons->addWidget(Abbruch);
  buttons->addWidget(Loeschen);
  buttons->addWidget(Schreibschutz);

  auto* panelLayout = new QVBoxLayout(Panel1);
  panelLayout->addWidget(Label1);
  panelLayout->addWidget(Passwort);
  panelLayout->addWidget(BestaetigungT);
  panelLayout->addWidget(Bestaetigung);
  panelLayout->addLayout(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label2);
  layout->addWidget(Panel1);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(Passwort, &QLineEdit::textChanged, this, &TPasswort::PasswortChange);
  connect(Bestaetigung, &QLineEdit::textChanged, this, &TPasswort::PasswortChange);
  connect(OK, &QPushButton::clicked, this, &TPasswort::OKClick);
  connect(Abbruch, &QPushButton::clicked, this, &QDialog::reject);
  connect(Loeschen, &QPushButton::clicked, this, [this] { done(kDeleteCode); });
  connect(Schreibschutz, &QPushButton::clicked, this, [this] { done(kReadOnlyCode); });
}

void TPasswort::ApplyForm(Form form) {
  const bool setting = form == Form::kSetting;
  asks_confirmation_ = setting;
  // The asking form shrinks to the panel: the fixed-size layout follows the hidden widgets.
  Label2->setVisible(setting);
  BestaetigungT->setVisible(setting);
  Bestaetigung->setVisible(setting);
  Loeschen->setVisible(setting);
  Schreibschutz->setVisible(form == Form::kAskingWriteProtected);
}

void TPasswort::PasswortChange() {
  OK->setEnabled(!Passwort->text().isEmpty() &&
                 (!asks_confirmation_ || !Bestaetigung->text().isEmpty()));
}

void TPasswort::OKClick() {
  if (asks_confirmation_ && Bestaetigung->text() != Passwort->text()) {
    messages_.Show(MessageKind::kError,
                   "Die Bestätigung und das Passwort stimmen nicht überein!");
    return;
  }
  accept();
}

TPasswort::Result TPasswort::Run() {
  exec();
  return ClosedWith();
}

TPasswort::Result TPasswort::ClosedWith() const {
  switch (result()) {
    case QDialog::Accepted: return Result::kOk;
    case kDeleteCode: return Result::kDelete;
    case kReadOnlyCode: return Result::kReadOnly;
    default: return Result::kCancel;
  }
}

std::string TPasswort::PasswordText() const { return ToWin1252(Passwort->text()); }

}  // namespace korvex::gui
