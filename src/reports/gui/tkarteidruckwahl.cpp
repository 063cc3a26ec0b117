#include "reports/gui/tkarteidruckwahl.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/codepage.h"
#include "platform/messages.h"

namespace korvex::gui {
namespace {

// Printer and paper names come from the platform as UTF-8.
QString Name(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

TKarteidruckwahl::TKarteidruckwahl(const CardPrinterCatalogue& printers, MessageService& messages,
                                   std::string printer_name, int paper_code, QWidget* parent)
    : QDialog(parent),
      printers_(printers),
      messages_(messages),
      printer_name_(std::move(printer_name)),
      paper_code_(paper_code) {
  setObjectName("Karteidruckwahl");
  setWindowTitle(QStringLiteral("Einstellungen Karteikartendruck"));
  Drucker = new QListWidget(this);
  Drucker->setObjectName("Drucker");
  Papiergroessen = new QListWidget(this);
  Papiergroessen->setObjectName("Papiergroessen");
  ButtonOK = new QPushButton(QStringLiteral("OK"), this);
  ButtonOK->setObjectName("ButtonOK");
  ButtonOK->setDefault(true);
  ButtonReset = new QPushButton(QStringLiteral("Karteikartendruck deaktivieren"), this);
  ButtonReset->setObjectName("ButtonReset");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Bitte wählen Sie den Drucker für den Karteikartendruck aus:"), this));
  layout->addWidget(Drucker);
  layout->addWidget(new QLabel(QStringLiteral("Bitte wählen Sie hier das Format \"DIN A6\" (für Karten) aus:"), this));
  layout->addWidget(Papiergroessen);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ButtonReset);
  buttons->addStretch();
  buttons->addWidget(ButtonOK);
  layout->addLayout(buttons);
  resize(420, 380);

  connect(ButtonOK, &QPushButton::clicked, this, &TKarteidruckwahl::ButtonOKClick);
  connect(ButtonReset, &QPushButton::clicked, this, [this] { done(kSwitchedOff); });

  for (const std::string& name : printers_.PrinterNames()) Drucker->addItem(Name(name));
  if (Drucker->count() > 0) Drucker->setCurrentRow(0);
  const QList<QListWidgetItem*> stored = Drucker->findItems(Name(printer_name_), Qt::MatchExactly);
  if (!stored.isEmpty()) Drucker->setCurrentItem(stored.front());
  FillPapers();
  const int paper = CardPaperOfCode(papers_, paper_code_);
  if (paper >= 0) Papiergroessen->setCurrentRow(paper);
  connect(Drucker, &QListWidget::itemClicked, this, &TKarteidruckwahl::FillPapers);
}

void TKarteidruckwahl::FillPapers() {
  Papiergroessen->clear();
  const QListWidgetItem* printer = Drucker->currentItem();
  papers_ = printer ? ListCardPapers(printers_, printer->text().toStdString()) : CardPaperList{};
  if (!papers_.message.empty()) messages_.Error(papers_.message);
  for (const std::string& name : papers_.names) Papiergroessen->addItem(Name(name));
  const int preselected = DefaultCardPaper(papers_);
  if (preselected >= 0) Papiergroessen->setCurrentRow(preselected);
}

void TKarteidruckwahl::ButtonOKClick() {
  const QListWidgetItem* printer = Drucker->currentItem();
  const int paper = Papiergroessen->currentRow();
  if (printer) printer_name_ = printer->text().toStdString();
  if (paper >= 0 && paper < static_cast<int>(papers_.codes.size())) paper_code_ = papers_.codes[paper];
  accept();
}

}  // namespace korvex::gui
