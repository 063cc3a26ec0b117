#include "dialogs/gui/tnummernkreisfenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/gui/contexthelp.h"
#include "model/fieldcatalogue.h"
#include "platform/widetext.h"

namespace korvex::gui {
namespace {

QComboBox* KindList(const char* name, int kind, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  for (int k = 0; k < 5; ++k) list->addItem(FromWin1252(CatalogueKindPickerName(k)));
  list->addItem(QStringLiteral("(freier Katalog)"));
  list->setCurrentIndex(kind >= 0 && kind < kCatalogueKindCount ? kind : -1);
  return list;
}

}  // namespace

TNummernkreisfenster::TNummernkreisfenster(const std::array<int, 3>& kinds, bool all_areas,
                                           QWidget* parent, HelpHandler show_help)
    : QDialog(parent), show_help_(std::move(show_help)) {
  setObjectName("Nummernkreisfenster");
  setWindowTitle(QStringLiteral("Nummernkreise"));

  Text = new QLabel(QString::fromUtf8("Bitte wählen Sie aus, welche drei Nummernkreise in der "
                                      "gespeicherten Datei vorhanden sind:"),
                    this);
  Text->setObjectName("Text");
  Text->setWordWrap(true);
  ComboBox1 = KindList("ComboBox1", kinds[0], this);
  ComboBox2 = KindList("ComboBox2", kinds[1], this);
  ComboBox3 = KindList("ComboBox3", kinds[2], this);
  AlleKategorien = new QCheckBox(QString::fromUtf8("Gilt für alle Kategorien"), this);
  AlleKategorien->setObjectName("AlleKategorien");
  AlleKategorien->setChecked(all_areas);
  AlleKategorien->setVisible(!all_areas);

  ButtonOK = new QPushButton(QStringLiteral("&OK"), this);
  ButtonOK->setObjectName("ButtonOK");
  ButtonOK->setDefault(true);
  ButtonAbbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
  ButtonAbbrechen->setObjectName("ButtonAbbrechen");
  ButtonHilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
  ButtonHilfe->setObjectName("ButtonHilfe");
  ButtonHilfe->setEnabled(static_cast<bool>(show_help_));
  connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(ButtonAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
  connect(ButtonHilfe, &QPushButton::clicked, this, [this] {
    if (show_help_) show_help_(kHelpContext);
  });
  setProperty("helpContext", kHelpContext);
  InstallContextHelp(*this, show_help_);

  auto* lists = new QFormLayout;
  lists->addRow(QStringLiteral("Katalognummer:"), ComboBox1);
  lists->addRow(QStringLiteral("Nummernkreis 2:"), ComboBox2);
  lists->addRow(QStringLiteral("Nummernkreis 3:"), ComboBox3);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ButtonOK);
  buttons->addWidget(ButtonAbbrechen);
  buttons->addWidget(ButtonHilfe);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Text);
  layout->addLayout(lists);
  layout->addWidget(AlleKategorien);
  layout->addLayout(buttons);
  setMinimumWidth(380);
}

NumberRangeChoice TNummernkreisfenster::Choice() const {
  return {{ComboBox1->currentIndex(), ComboBox2->currentIndex(), ComboBox3->currentIndex()},
          AlleKategorien->isChecked()};
}

std::optional<NumberRangeChoice> ChooseNumberRanges(const CollectionDocument& document, int area_id,
                                                   bool all_areas, QWidget* parent, HelpHandler show_help) {
  if (!document.Area(area_id)) return std::nullopt;
  TNummernkreisfenster dialog(PreselectedNumberKinds(document, area_id), all_areas, parent, std::move(show_help));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Choice();
}

namespace {

bool RunReassignment(CollectionDocument& document, int area_id, bool all_areas, QWidget* parent,
                     const HelpHandler& show_help, MessageService* messages = nullptr) {
  const std::optional<NumberRangeChoice> choice = ChooseNumberRanges(document, area_id, all_areas, parent, show_help);
  if (!choice) return false;
  if (messages && !ConfirmNumberRangeChoice(document, area_id, *choice, *messages)) return false;
  ReassignNumberRanges(document, area_id, *choice);
  return true;
}

}  // namespace

bool ReassignNumberRangesForArea(CollectionDocument& document, int area_id, QWidget* parent,
                                 HelpHandler show_help) {
  return RunReassignment(document, area_id, false, parent, show_help);
}

bool ReassignNumberRangesForAllAreas(CollectionDocument& document, QWidget* parent, HelpHandler show_help) {
  return RunReassignment(document, 1, true, parent, show_help);
}

void DialogLegacyNumberAssignment::OfferForAllAreas(CollectionDocument& document) {
  RunReassignment(document, 1, true, parent_, show_help_, messages_);
}

}  // namespace korvex::gui
