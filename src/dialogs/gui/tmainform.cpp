#include "dialogs/gui/tmainform.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "dialogs/gui/teditform.h"
#include "platform/messages.h"
#include "platform/widetext.h"

namespace korvex::gui {
namespace {

constexpr int kCodeColumnWidth = 50;
constexpr int kLongNameColumnWidth = 220;
constexpr int kPlainColumnWidth = 270;

QTableWidgetItem* Cell(const std::string& text) {
  auto* item = new QTableWidgetItem(FromWin1252(text));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

}  // namespace

TMainform::TMainform(const LookupLists& present, MessageService& messages, QWidget* parent,
                     std::filesystem::path lookup_file)
    : QDialog(parent), lists_(present), messages_(messages), lookup_file_(std::move(lookup_file)) {
  setObjectName("Mainform");
  setWindowTitle(QString::fromUtf8("Korvex Hilfsdatenbanken"));
  for (auto& list : lists_.lists) SortLookupList(list);

  Auswahl = new QComboBox(this);
  Auswahl->setObjectName("Auswahl");
  for (int i = 0; i < kLookupListCount; ++i) {
    Auswahl->addItem(QString::fromUtf8(LookupCaption(static_cast<LookupList>(i))));
  }
  Label1 = new QLabel(QString::fromUtf8("<-- Bitte wählen Sie die zu ändernde Hilfsdatenbank"),
                      this);
  Label1->setObjectName("Label1");

  StringGrid1 = new QTableWidget(this);
  StringGrid1->setObjectName("StringGrid1");
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->verticalHeader()->hide();
  StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StringGrid1->setMinimumSize(kPlainColumnWidth + 30, 300);

  BitBtn3 = new QPushButton(QString::fromUtf8("&Hinzufügen"), this);
  BitBtn3->setObjectName("BitBtn3");
  BitBtn4 = new QPushButton(QString::fromUtf8("&Löschen"), this);
  BitBtn4->setObjectName("BitBtn4");
  BitBtn1 = new QPushButton(QString::fromUtf8("OK"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(QString::fromUtf8("Abbrechen"), this);
  BitBtn2->setObjectName("BitBtn2");

  auto* chooser = new QHBoxLayout;
  chooser->addWidget(Auswahl);
  chooser->addWidget(Label1, 1);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {BitBtn3, BitBtn4}) buttons->addWidget(button);
  buttons->addStretch();
  for (QPushButton* button : {BitBtn1, BitBtn2}) buttons->addWidget(button);
  auto* body = new QHBoxLayout;
  body->addWidget(StringGrid1, 1);
  body->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(chooser);
  layout->addLayout(body);

  connect(Auswahl, &QComboBox::currentIndexChanged, this, &TMainform::AuswahlChange);
  connect(BitBtn3, &QPushButton::clicked, this, &TMainform::BitBtn3Click);
  connect(BitBtn4, &QPushButton::clicked, this, &TMainform::BitBtn4Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TMainform::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
  connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, &TMainform::StringGrid1DblClick);

  ShowList();
}

LookupList TMainform::ShownList() const {
  return static_cast<LookupList>(std::max(Auswahl->currentIndex(), 0));
}

void TMainform::AuswahlChange() {
  if (Auswahl->currentIndex() < 0) Auswahl->setCurrentIndex(0);
  ShowList();
}

void TMainform::ShowList() {
  const std::vector<std::string>& entries = lists_[ShownList()];
  const bool qualities = ShowsQualities();
  StringGrid1->clear();
  StringGrid1->setColumnCount(qualities ? 2 : 1);
  StringGrid1->setHorizontalHeaderLabels(qualities ? QStringList{QString(), QString()}
                                                   : QStringList{QString()});
  StringGrid1->setRowCount(static_cast<int>(entries.size()));
  if (qualities) {
    StringGrid1->setColumnWidth(0, kCodeColumnWidth);
    StringGrid1->setColumnWidth(1, kLongNameColumnWidth);
  } else {
    StringGrid1->setColumnWidth(0, kPlainColumnWidth);
  }
  for (int row = 0; row < static_cast<int>(entries.size()); ++row) {
    const std::string& entry = entries[row];
    if (qualities) {
      StringGrid1->setItem(row, 0, Cell(QualityCode(entry)));
      StringGrid1->setItem(row, 1, Cell(QualityLongName(entry)));
    } else {
      StringGrid1->setItem(row, 0, Cell(entry));
    }
  }
}

bool TMainform::EditEntry(std::string& entry) {
  const bool qualities = ShowsQualities();
  TEditform editor(qualities, this);
  if (qualities) {
    editor.SetEntry(QualityCode(entry), QualityLongName(entry));
  } else {
    editor.SetEntry({}, entry);
  }
  if (editor.exec() != QDialog::Accepted) return false;
  entry = qualities ? QualityEntry(editor.Code(), editor.Text()) : editor.Text();
  return true;
}

void TMainform::SortAndShow(const std::string* entry) {
  std::vector<std::string>& entries = ShownEntries();
  SortLookupList(entries);
  ShowList();
  if (entry == nullptr) return;
  const auto found = std::find(entries.begin(), entries.end(), *entry);
  if (found != entries.end()) StringGrid1->selectRow(static_cast<int>(found - entries.begin()));
}

void TMainform::BitBtn3Click() {
  std::string entry;
  if (!EditEntry(entry)) return;
  ShownEntries().push_back(entry);
  SortAndShow(&entry);
}

void TMainform::StringGrid1DblClick(int row) {
  std::vector<std::string>& entries = ShownEntries();
  if (row < 0 || row >= static_cast<int>(entries.size())) return;
  std::string entry = entries[row];
  if (!EditEntry(entry)) return;
  entries[row] = entry;
  SortAndShow(&entry);
}

void TMainform::BitBtn4Click() {
  std::vector<std::string>& entries = ShownEntries();
  const int row = StringGrid1->currentRow();
  if (row < 0 || row >= static_cast<int>(entries.size())) return;
  entries.erase(entries.begin() + row);
  ShowList();
  if (!entries.empty()) StringGrid1->selectRow(std::min(row, static_cast<int>(entries.size()) - 1));
}

void TMainform::BitBtn1Click() {
  // The edits exist only in this dialog: when they cannot be written, the user must learn it
  // while they can still try again or give up knowingly.
  if (!SaveLookupLists(lists_, lookup_file_)) {
    messages_.Error("Die Hilfsdatenbanken konnten nicht gespeichert werden. Bitte prüfen Sie, "
                    "ob die Datei \"korvex.ini\" beschreibbar ist.");
    return;
  }
  accept();
}

}  // namespace korvex::gui
