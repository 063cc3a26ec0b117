#include "mainwindow/gui/tsortfenster.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "model/fieldcatalogue.h"
#include "platform/widetext.h"

namespace korvex {

TSortFenster::TSortFenster(const std::array<int32_t, 5>& keys, bool standard_order, QWidget* parent)
    : QDialog(parent), opening_(OpenSortDialog(keys, standard_order)) {
  setObjectName(QStringLiteral("SortFenster"));
  setWindowTitle(QStringLiteral("Sortierung der Artikel"));
  auto* layout = new QVBoxLayout(this);

  Standardsort = new QRadioButton(QStringLiteral("Standardsortierung verwenden"), this);
  Standardsort->setObjectName(QStringLiteral("Standardsort"));
  FreieSort = new QRadioButton(QStringLiteral("Sortierung frei definieren"), this);
  FreieSort->setObjectName(QStringLiteral("FreieSort"));
  layout->addWidget(Standardsort);
  layout->addWidget(FreieSort);
  for (int row = 0; row < 5; ++row) {
    BuildRow(row);
    layout->addWidget(GroupBox[row]);
  }

  OK = new QPushButton(QStringLiteral("OK"), this);
  OK->setObjectName(QStringLiteral("OK"));
  OK->setDefault(true);
  Abbruch = new QPushButton(QStringLiteral("Abbruch"), this);
  Abbruch->setObjectName(QStringLiteral("Abbruch"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OK);
  buttons->addWidget(Abbruch);
  layout->addLayout(buttons);
  connect(OK, &QPushButton::clicked, this, &QDialog::accept);
  connect(Abbruch, &QPushButton::clicked, this, &QDialog::reject);
  connect(Standardsort, &QRadioButton::clicked, this, &TSortFenster::StandardsortClick);
  connect(FreieSort, &QRadioButton::clicked, this, &TSortFenster::FreieSortClick);

  // The rows start disabled; the main window's choice of mode follows, as a click would.
  SetRowsEnabled(false);
  if (standard_order) {
    Standardsort->setChecked(true);
    StandardsortClick();
  } else {
    FreieSort->setChecked(true);
    FreieSortClick();
  }
}

void TSortFenster::BuildRow(int row) {
  const QString number = QString::number(row + 1);
  auto* box = new QGroupBox(row == 0 ? QStringLiteral("Zuerst sotieren nach") : QStringLiteral("Anschließend nach"), this);
  box->setObjectName(QStringLiteral("GroupBox") + number);
  auto* list = new QComboBox(box);
  list->setObjectName(QStringLiteral("Sortierung") + number);
  list->addItem(QString());
  for (int type = 1; type <= kFieldCount; ++type) {
    list->addItem(FromWin1252(FieldListCaption(type, true)));
  }
  list->setMinimumContentsLength(22);
  auto* up = new QRadioButton(QStringLiteral("Aufsteigend"), box);
  up->setObjectName(QStringLiteral("Sort%1Auf").arg(number));
  up->setChecked(true);
  auto* down = new QRadioButton(QStringLiteral("Absteigend"), box);
  down->setObjectName(QStringLiteral("Sort%1Ab").arg(number));
  auto* row_layout = new QHBoxLayout(box);
  row_layout->addWidget(list, 1);
  row_layout->addWidget(up);
  row_layout->addWidget(down);
  GroupBox[row] = box;
  Sortierung[row] = list;
  SortAuf[row] = up;
  SortAb[row] = down;
}

void TSortFenster::StandardsortClick() {
  SetRowsEnabled(false);
  for (QComboBox* list : Sortierung) list->setCurrentIndex(0);
}

void TSortFenster::FreieSortClick() { SetRowsEnabled(true); }

void TSortFenster::SetRowsEnabled(bool enabled) {
  // The group box carries its list and radio buttons with it.
  for (QGroupBox* box : GroupBox) box->setEnabled(enabled);
}

void TSortFenster::ShowRows(const SortRows& rows) {
  for (int row = 0; row < 5; ++row) {
    Sortierung[row]->setCurrentIndex(rows[row].entry);
    (rows[row].descending ? SortAb[row] : SortAuf[row])->setChecked(true);
  }
}

void TSortFenster::showEvent(QShowEvent* event) {
  if (!shown_once_) {
    shown_once_ = true;
    if (opening_.free_mode) {
      FreieSort->setChecked(true);
      FreieSortClick();
    }
    ShowRows(opening_.rows);
    adjustSize();
    if (const QScreen* screen = QApplication::primaryScreen()) {
      move(screen->availableGeometry().center() - rect().center());
    }
  }
  QDialog::showEvent(event);
}

std::array<int32_t, 5> TSortFenster::Keys() const {
  SortRows rows;
  for (int row = 0; row < 5; ++row) {
    rows[row] = {Sortierung[row]->currentIndex() < 0 ? 0 : Sortierung[row]->currentIndex(), !SortAuf[row]->isChecked()};
  }
  return SortKeysOfRows(rows);
}

bool TSortFenster::StandardChosen() const { return Standardsort->isChecked(); }

}  // namespace korvex
