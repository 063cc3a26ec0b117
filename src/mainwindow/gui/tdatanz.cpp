#include "mainwindow/gui/tdatanz.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/fieldcatalogue.h"
#include "platform/widetext.h"

namespace korvex {
namespace {

// The check boxes stand in columns of this many rows, in field-type order.
constexpr int kRowsPerColumn = 16;

}  // namespace

TDatAnz::TDatAnz(const std::vector<TZelle>& columns, std::array<TZelle, kFieldCount + 1>& alignment_table,
                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      columns_(columns),
      alignment_table_(alignment_table) {
  setObjectName(QStringLiteral("DatAnz"));
  setWindowTitle(QStringLiteral("Angezeigte Felder"));
  auto* layout = new QVBoxLayout(this);
  auto* fields = new QWidget(this);
  BuildFieldBoxes(fields);
  layout->addWidget(fields);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(BuildAlignmentGroup(), 1);
  OK = new QPushButton(QStringLiteral("OK"), this);
  OK->setObjectName(QStringLiteral("OK"));
  OK->setDefault(true);
  Abbruch = new QPushButton(QStringLiteral("Abbruch"), this);
  Abbruch->setObjectName(QStringLiteral("Abbruch"));
  auto* buttons = new QVBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OK);
  buttons->addWidget(Abbruch);
  bottom->addLayout(buttons);
  layout->addLayout(bottom);
  connect(OK, &QPushButton::clicked, this, &QDialog::accept);
  connect(Abbruch, &QPushButton::clicked, this, &QDialog::reject);

  const FieldTicks ticks = TicksOfColumns(columns_);
  for (int type = 1; type <= kFieldCount; ++type) boxes_[type]->setChecked(ticks[type]);
  FeldClick();
}

void TDatAnz::BuildFieldBoxes(QWidget* parent) {
  auto* grid = new QGridLayout(parent);
  grid->setContentsMargins(0, 0, 0, 0);
  for (int type = 1; type <= kFieldCount; ++type) {
    auto* box = new QCheckBox(FromWin1252(DisplayedFieldCaption(type)), parent);
    box->setObjectName(QStringLiteral("Feld%1").arg(type));
    box->setProperty("fieldType", type);
    connect(box, &QCheckBox::toggled, this, &TDatAnz::FeldClick);
    grid->addWidget(box, (type - 1) % kRowsPerColumn, (type - 1) / kRowsPerColumn);
    boxes_[type] = box;
  }
}

QGroupBox* TDatAnz::BuildAlignmentGroup() {
  auto* group = new QGroupBox(QStringLiteral("Ausrichtung festlegen"), this);
  group->setObjectName(QStringLiteral("Ausrichtung"));
  Ausr_Feld = new QComboBox(group);
  Ausr_Feld->setObjectName(QStringLiteral("Ausr_Feld"));
  for (int type = 1; type <= kFieldCount; ++type) Ausr_Feld->addItem(FromWin1252(FieldListCaption(type)));
  Ausr_Ausr = new QComboBox(group);
  Ausr_Ausr->setObjectName(QStringLiteral("Ausr_Ausr"));
  Ausr_Ausr->addItems({QStringLiteral("Linksbündig"), QStringLiteral("Rechtsbündig"), QStringLiteral("Zentriert")});
  auto* row = new QHBoxLayout(group);
  row->addWidget(Ausr_Feld, 2);
  row->addWidget(Ausr_Ausr, 1);

  Ausr_Feld->setCurrentIndex(0);
  Ausr_Ausr->setCurrentIndex(alignment_table_[1].align);
  connect(Ausr_Feld, &QComboBox::currentIndexChanged, this, &TDatAnz::Ausr_FeldChange);
  connect(Ausr_Ausr, &QComboBox::currentIndexChanged, this, &TDatAnz::Ausr_AusrChange);
  return group;
}

void TDatAnz::FeldClick() {
  bool any = false;
  for (int type = 1; type <= kFieldCount; ++type) any = any || boxes_[type]->isChecked();
  OK->setEnabled(any);
}

void TDatAnz::Ausr_FeldChange(int index) {
  if (index < 0) return;
  const QSignalBlocker blocker(Ausr_Ausr);
  Ausr_Ausr->setCurrentIndex(alignment_table_[index + 1].align);
}

void TDatAnz::Ausr_AusrChange(int index) {
  const int field = Ausr_Feld->currentIndex();
  if (field < 0 || index < 0) return;
  alignment_table_[field + 1].align = index;
}

std::vector<TZelle> TDatAnz::ChosenColumns() const {
  FieldTicks ticks{};
  for (int type = 1; type <= kFieldCount; ++type) ticks[type] = boxes_[type]->isChecked();
  return korvex::ChosenColumns(columns_, ticks, alignment_table_);
}

}  // namespace korvex
