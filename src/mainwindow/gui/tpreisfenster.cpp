#include "mainwindow/gui/tpreisfenster.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/widetext.h"

namespace korvex {
namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

TPreisfenster::TPreisfenster(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Preisfenster"));
  setWindowTitle(QStringLiteral("Preis ändern"));

  Praegezahl = Named(new QLabel(this), "Praegezahl");
  QFont bold = Praegezahl->font();
  bold.setBold(true);
  Praegezahl->setFont(bold);
  Motiv1 = Named(new QLabel(this), "Motiv1");
  Motiv2 = Named(new QLabel(this), "Motiv2");
  Thema = Named(new QLabel(this), "Thema");

  PreisT = Named(new QLabel(QStringLiteral("Neuer Katalogwert:"), this), "PreisT");
  Preis = Named(new QLineEdit(this), "Preis");
  PreisT->setBuddy(Preis);
  PreisC = Named(new QLabel(this), "PreisC");
  Label1 = Named(new QLabel(QStringLiteral("Neuer Schätzwert:"), this), "Label1");
  Schaetzwert = Named(new QLineEdit(this), "Schaetzwert");
  Label1->setBuddy(Schaetzwert);
  SchaetzwertC = Named(new QLabel(this), "SchaetzwertC");

  Abbruch = Named(new QPushButton(QStringLiteral("Abbruch"), this), "Abbruch");
  Naechste = Named(new QPushButton(QStringLiteral("&Nächste"), this), "Naechste");
  OK = Named(new QPushButton(QStringLiteral("&OK"), this), "OK");
  Naechste->setDefault(true);
  connect(Abbruch, &QPushButton::clicked, this, &QDialog::reject);
  connect(Naechste, &QPushButton::clicked, this, [this] { done(kNaechste); });
  connect(OK, &QPushButton::clicked, this, &QDialog::accept);

  auto* prices = new QGridLayout;
  prices->addWidget(PreisT, 0, 0);
  prices->addWidget(Preis, 0, 1);
  prices->addWidget(PreisC, 0, 2);
  prices->addWidget(Label1, 1, 0);
  prices->addWidget(Schaetzwert, 1, 1);
  prices->addWidget(SchaetzwertC, 1, 2);
  prices->setColumnMinimumWidth(2, 30);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {Abbruch, Naechste, OK}) buttons->addWidget(button);

  auto* layout = new QVBoxLayout(this);
  for (QLabel* label : {Praegezahl, Motiv1, Motiv2, Thema}) layout->addWidget(label);
  layout->addSpacing(8);
  layout->addLayout(prices);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  setMinimumWidth(360);
  setTabOrder(Preis, Schaetzwert);
  setTabOrder(Schaetzwert, Abbruch);
  setTabOrder(Abbruch, Naechste);
  setTabOrder(Naechste, OK);
}

void TPreisfenster::ShowCoin(const QuickPriceTexts& texts, bool has_next) {
  Praegezahl->setText(FromWin1252(texts.praegezahl));
  Motiv1->setText(FromWin1252(texts.motiv1));
  Motiv2->setText(FromWin1252(texts.motiv2));
  Thema->setText(FromWin1252(texts.thema));
  Preis->setText(FromWin1252(texts.preis));
  Schaetzwert->setText(FromWin1252(texts.schaetzwert));
  PreisC->setText(FromWin1252(texts.currency));
  SchaetzwertC->setText(FromWin1252(texts.currency));
  Naechste->setEnabled(has_next);
  // Without "&Nächste" the Enter key takes the next button that can be pressed.
  Naechste->setDefault(has_next);
  OK->setDefault(!has_next);
}

void TPreisfenster::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Preis->setFocus();
  Preis->selectAll();
}

}  // namespace korvex
