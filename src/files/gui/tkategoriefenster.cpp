#include "files/gui/tkategoriefenster.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/widetext.h"

namespace korvex::gui {

TKategoriefenster::TKategoriefenster(const UnknownAreaRequest& request, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("Kategoriefenster"));
  setWindowTitle(QStringLiteral("Unbekannte Kategorie"));

  Hinweis = new QLabel(
      QStringLiteral("Zu folgendem Artikel ist die Kategorie nicht angegeben oder unbekannt:"), this);
  Hinweis->setWordWrap(true);
  Kurzbeschreibung = new QLabel(FromWin1252(request.motive), this);
  Kurzbeschreibung->setObjectName(QStringLiteral("Kurzbeschreibung"));
  Kurzbeschreibung->setTextFormat(Qt::PlainText);
  QFont bold = Kurzbeschreibung->font();
  bold.setBold(true);
  Kurzbeschreibung->setFont(bold);
  Auswahl = new QLabel(QStringLiteral("Bitte wählen Sie aus der Liste die Kategorie aus:"), this);
  Kat = new QLabel(QStringLiteral("Unbekannt: ") + FromWin1252(request.area_name), this);
  Kat->setObjectName(QStringLiteral("Kat"));
  Kat->setTextFormat(Qt::PlainText);

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  for (const std::string& entry : request.entries) ListBox1->addItem(FromWin1252(entry));
  Ignoriere_Kategorien =
      new QCheckBox(QStringLiteral("Kategorien ignorieren (alles in eine Kategorie)"), this);
  Ignoriere_Kategorien->setObjectName(QStringLiteral("Ignoriere_Kategorien"));
  Neu = new QPushButton(QStringLiteral("Neue Kategorie"), this);
  Neu->setObjectName(QStringLiteral("Neu"));
  Neu->setEnabled(request.new_enabled);
  Ok = new QPushButton(QStringLiteral("OK"), this);
  Ok->setObjectName(QStringLiteral("Ok"));
  Ok->setDefault(true);
  Ok->setEnabled(false);

  connect(ListBox1, &QListWidget::itemSelectionChanged, this,
          [this] { Ok->setEnabled(!ListBox1->selectedItems().isEmpty()); });
  // A click on the entry that is already selected enables `Ok` again after the box was unticked.
  connect(ListBox1, &QListWidget::itemClicked, this, [this] { Ok->setEnabled(true); });
  connect(Ignoriere_Kategorien, &QCheckBox::toggled, Ok, &QPushButton::setEnabled);
  connect(Neu, &QPushButton::clicked, this, [this] {
    new_chosen_ = true;
    accept();
  });
  connect(Ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Neu);
  buttons->addStretch();
  buttons->addWidget(Ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Hinweis);
  layout->addWidget(Kurzbeschreibung);
  layout->addWidget(Auswahl);
  layout->addWidget(Kat);
  layout->addWidget(ListBox1, 1);
  layout->addWidget(Ignoriere_Kategorien);
  layout->addLayout(buttons);
  resize(400, 420);
}

UnknownAreaAnswer TKategoriefenster::Answer() const {
  using Choice = UnknownAreaAnswer::Choice;
  if (new_chosen_) return {Choice::kNew, -1};
  if (Ignoriere_Kategorien->isChecked()) return {Choice::kIgnoreAreas, -1};
  const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
  if (selected.isEmpty()) return {Choice::kIgnoreAreas, -1};
  return {Choice::kEntry, ListBox1->row(selected.front())};
}

UnknownAreaAnswer DialogUnknownAreaQuestion::ChooseArea(const UnknownAreaRequest& request) {
  TKategoriefenster dialog(request, parent_);
  dialog.exec();
  return dialog.Answer();
}

}  // namespace korvex::gui
