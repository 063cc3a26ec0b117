#include "dialogs/gui/tdefkat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "dialogs/areafieldswitches.h"
#include "dialogs/gui/tkatalognummernamefenster.h"
#include "model/fieldcatalogue.h"
#include "platform/datafolders.h"
#include "platform/widetext.h"

namespace korvex::gui {
namespace {

constexpr int kIconBoxSize = 40;
constexpr int kFieldColumns = 3;

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

QString Utf8(const char* text) { return QString::fromUtf8(text); }

}  // namespace

TDefKat::TDefKat(CollectionDocument& document, QWidget* parent, AreaDialogServices services)
    : QDialog(parent), document_(document) {
  setObjectName("DefKat");
  setWindowTitle(QStringLiteral("Kategorien definieren"));
  if (!services.name_asker) own_name_asker_ = std::make_unique<DialogCatalogueNameAsker>(this);
  if (!services.icon_chooser) own_icon_chooser_ = std::make_unique<FileDialogIconChooser>(this);
  if (!services.progress) {
    own_progress_ = services.make_progress ? services.make_progress(this) : std::make_unique<NoProgress>();
  }
  name_asker_ = services.name_asker ? services.name_asker : own_name_asker_.get();
  icon_chooser_ = services.icon_chooser ? services.icon_chooser : own_icon_chooser_.get();
  progress_ = services.progress ? services.progress : own_progress_.get();

  work_list_ = AreaWorkList::FromDocument(document_, *progress_);
  BuildControls();
  ConnectControls();
  FillAreaList();
  if (!work_list_.had_areas()) {
    SetUpCurrencyChoice();
    // A new collection needs its first area: only OK leaves the dialog.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  }
  ButtonAbbrechen->setVisible(work_list_.had_areas());
  KategorieListe->setCurrentRow(0);
}

TDefKat::~TDefKat() = default;

void TDefKat::BuildControls() {
  KategorieLabel = new QLabel(Utf8("Bitte wählen Sie die &Kategorie:"), this);
  KategorieListe = new QListWidget(this);
  KategorieListe->setObjectName("KategorieListe");
  KategorieLabel->setBuddy(KategorieListe);
  KatAuf = Button("KatAuf", QStringLiteral("&Aufwaerts"), this);
  KatAb = Button("KatAb", QStringLiteral("Ab&waerts"), this);
  KatNeu = Button("KatNeu", QStringLiteral("&Neu"), this);
  KatLoesch = Button("KatLoesch", Utf8("&Löschen"), this);
  KatLoesch->setEnabled(false);
  NichtloeschText = new QLabel(this);
  NichtloeschText->setObjectName("NichtloeschText");
  NichtloeschText->setWordWrap(true);

  KatName = new QLineEdit(this);
  KatName->setObjectName("KatName");
  KatKurz = new QLineEdit(this);
  KatKurz->setObjectName("KatKurz");
  KatKurz->setMaxLength(3);
  SymbolLabel = new QLabel(QStringLiteral("Symbol:"), this);
  Piktogramm = new QLabel(this);
  Piktogramm->setObjectName("Piktogramm");
  Piktogramm->setAlignment(Qt::AlignCenter);
  Piktogramm->setFixedSize(kIconBoxSize, kIconBoxSize);
  Piktogramm->setFrameShape(QFrame::StyledPanel);
  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  SpeedButton1->setToolTip(Utf8("Graphik öffnen"));
  SpeedButton2 = new QToolButton(this);
  SpeedButton2->setObjectName("SpeedButton2");
  SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
  SpeedButton2->setToolTip(Utf8("Graphik löschen"));
  Menueaufnahme = new QCheckBox(Utf8("Ins Kategoriemenü aufnehmen"), this);
  Menueaufnahme->setObjectName("Menueaufnahme");
  Menueaufnahme->setChecked(true);
  Menueaufnahme->setEnabled(false);
  Buttonerz = new QCheckBox(QStringLiteral("&Symbol in Zugriffsleiste erzeugen"), this);
  Buttonerz->setObjectName("Buttonerz");
  Buttonerz->setEnabled(false);
  WahlWaehrungLabel = new QLabel(Utf8("Währungssymbol:"), this);
  WahlWaehrung = new QComboBox(this);
  WahlWaehrung->setObjectName("WahlWaehrung");
  WahlWaehrung->setEditable(true);
  WahlWaehrungLabel->setBuddy(WahlWaehrung);
  WahlWaehrungLabel->hide();
  WahlWaehrung->hide();

  auto* move_buttons = new QHBoxLayout;
  move_buttons->addWidget(KatAuf);
  move_buttons->addWidget(KatAb);
  auto* list_buttons = new QHBoxLayout;
  list_buttons->addWidget(KatNeu);
  list_buttons->addWidget(KatLoesch);
  auto* symbol = new QHBoxLayout;
  symbol->addWidget(Piktogramm);
  symbol->addWidget(SpeedButton1);
  symbol->addWidget(SpeedButton2);
  symbol->addStretch();
  auto* area_form = new QFormLayout;
  area_form->addRow(QStringLiteral("Na&me:"), KatName);
  area_form->addRow(Utf8("Kü&rzel:"), KatKurz);
  area_form->addRow(SymbolLabel, symbol);
  area_form->addRow(WahlWaehrungLabel, WahlWaehrung);

  auto* left = new QVBoxLayout;
  left->addWidget(KategorieLabel);
  left->addWidget(KategorieListe, 1);
  left->addLayout(move_buttons);
  left->addLayout(list_buttons);
  left->addWidget(NichtloeschText);
  left->addLayout(area_form);
  left->addWidget(Menueaufnahme);
  left->addWidget(Buttonerz);

  QWidget* fields = BuildFieldPanel();

  ButtonOK = Button("ButtonOK", QStringLiteral("&OK"), this);
  ButtonOK->setDefault(true);
  ButtonAbbrechen = Button("ButtonAbbrechen", QStringLiteral("&Abbrechen"), this);
  auto* dialog_buttons = new QHBoxLayout;
  dialog_buttons->addStretch();
  dialog_buttons->addWidget(ButtonOK);
  dialog_buttons->addWidget(ButtonAbbrechen);

  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addWidget(fields, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(dialog_buttons);
}

QWidget* TDefKat::BuildFieldPanel() {
  auto* panel = new QWidget(this);
  auto* heading = new QLabel(
      Utf8("&Bitte wählen Sie, welche Abfragen in dieser Kategorie durchgeführt werden sollen:"), panel);
  heading->setWordWrap(true);
  auto* numbers = new QGridLayout;
  auto* plain = new QGridLayout;
  auto* extras = new QGridLayout;
  int plain_count = 0;
  // Created in tab order; the number slots and extra fields get rows of their own beside their
  // kind list or caption edit.
  for (const AreaFieldSwitch& field_switch : AreaFieldSwitches()) {
    auto* box = new QCheckBox(Utf8(field_switch.caption), panel);
    box->setObjectName(field_switch.control);
    field_boxes_.push_back(box);
    if (field_switch.role == SwitchRole::kNumberSlot) {
      const int slot = field_switch.index;
      auto* list = new QComboBox(panel);
      list->setObjectName(QStringLiteral("Nummer%1Wahl").arg(slot));
      NummerWahl[slot - 1] = list;
      numbers->addWidget(box, slot - 1, 0);
      numbers->addWidget(list, slot - 1, 1);
    } else if (field_switch.role == SwitchRole::kExtraField) {
      const int field = field_switch.index;
      auto* edit = new QLineEdit(Utf8(kFreeCaptionPlaceholder), panel);
      edit->setObjectName(QStringLiteral("Zusatz%1B").arg(field));
      edit->setEnabled(false);
      ZusatzB[field - 1] = edit;
      extras->addWidget(box, field - 1, 0);
      extras->addWidget(edit, field - 1, 1);
    } else {
      plain->addWidget(box, plain_count / kFieldColumns, plain_count % kFieldColumns);
      ++plain_count;
    }
  }
  heading->setBuddy(field_boxes_.front());
  numbers->setColumnStretch(1, 1);
  extras->setColumnStretch(1, 1);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(heading);
  layout->addLayout(numbers);
  layout->addLayout(plain);
  layout->addLayout(extras);
  layout->addStretch();
  return panel;
}

void TDefKat::ConnectControls() {
  connect(KategorieListe, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) ShowArea(row);
  });
  connect(KatAuf, &QPushButton::clicked, this, [this] { Move(true); });
  connect(KatAb, &QPushButton::clicked, this, [this] { Move(false); });
  connect(KatNeu, &QPushButton::clicked, this, &TDefKat::NewArea);
  connect(KatLoesch, &QPushButton::clicked, this, &TDefKat::DeleteArea);
  connect(KatName, &QLineEdit::textEdited, this, [this](const QString& text) {
    SelectedArea().name = ToWin1252(text);
    KategorieListe->item(Selected())->setText(text);
  });
  connect(KatKurz, &QLineEdit::textEdited, this, [this](const QString& text) {
    SelectedArea().SetShort(ToWin1252(text));
    UpdateButtonerz(true);
  });
  connect(Buttonerz, &QCheckBox::toggled, this, [this](bool checked) {
    if (!showing_) SelectedArea().icon_button = checked;
  });
  connect(SpeedButton1, &QToolButton::clicked, this, &TDefKat::ChooseIcon);
  connect(SpeedButton2, &QToolButton::clicked, this, &TDefKat::RemoveIcon);
  for (std::size_t i = 0; i < field_boxes_.size(); ++i) {
    connect(field_boxes_[i], &QCheckBox::toggled, this, [this, i](bool checked) { FieldToggled(i, checked); });
  }
  for (int slot = 1; slot <= 3; ++slot) {
    connect(NummerWahl[slot - 1], &QComboBox::activated, this, [this, slot](int kind) { KindChosen(slot, kind); });
  }
  for (int field = 1; field <= 5; ++field) {
    connect(ZusatzB[field - 1], &QLineEdit::textEdited, this,
            [this, field](const QString& text) { CaptionEdited(field, text); });
  }
  connect(ButtonOK, &QPushButton::clicked, this, &TDefKat::Accept);
  connect(ButtonAbbrechen, &QPushButton::clicked, this, &TDefKat::reject);
  KatName->installEventFilter(this);
  SymbolLabel->installEventFilter(this);
}

void TDefKat::FillAreaList() {
  KategorieListe->clear();
  for (int i = 0; i < work_list_.Count(); ++i) KategorieListe->addItem(FromWin1252(work_list_.Entry(i).area.name));
}

void TDefKat::SetUpCurrencyChoice() {
  const QString euro = Utf8("€");
  const QString system = FromWin1252(document_.system_currency_symbol());
  if (!system.isEmpty() && system != euro && system != QStringLiteral("EUR")) WahlWaehrung->addItem(system);
  WahlWaehrung->addItem(euro);
  WahlWaehrung->addItem(QStringLiteral("EUR"));
  WahlWaehrung->setCurrentText(euro);
  WahlWaehrungLabel->show();
  WahlWaehrung->show();
}

QCheckBox* TDefKat::FieldBox(const std::string& control) const {
  const auto& switches = AreaFieldSwitches();
  for (std::size_t i = 0; i < switches.size(); ++i) {
    if (control == switches[i].control) return field_boxes_[i];
  }
  return nullptr;
}

int TDefKat::Selected() const { return KategorieListe->currentRow(); }

TKategorie& TDefKat::SelectedArea() { return work_list_.Entry(Selected()).area; }

void TDefKat::ShowArea(int index) {
  showing_ = true;
  const TKategorie& area = work_list_.Entry(index).area;
  KatAuf->setEnabled(index > 0);
  KatAb->setEnabled(index + 1 < work_list_.Count());
  KatName->setText(KategorieListe->item(index)->text());
  KatKurz->setText(FromWin1252(area.short_));
  ShowIcon(area.icon);
  SpeedButton2->setEnabled(!area.icon.empty());
  Buttonerz->setChecked(area.icon_button);
  UpdateButtonerz(false);
  const auto& switches = AreaFieldSwitches();
  for (std::size_t i = 0; i < switches.size(); ++i) {
    field_boxes_[i]->setChecked(switches[i].flag(work_list_.Entry(index).area));
  }
  SetKindListNames();
  for (int slot = 0; slot < 3; ++slot) {
    const int kind = area.number_kind[slot];
    NummerWahl[slot]->setEnabled(area.number_active[slot]);
    NummerWahl[slot]->setCurrentIndex(kind >= 0 && kind < kCatalogueKindCount ? kind : -1);
  }
  for (int field = 1; field <= 5; ++field) {
    ZusatzB[field - 1]->setText(FromWin1252(ExtraCaptionShown(area, field)));
    ZusatzB[field - 1]->setEnabled(area.z_active[field - 1]);
  }
  QCheckBox* maximum = FieldBox("KDurchmesserMax");
  maximum->setEnabled(area.diameter_minimum);
  maximum->setChecked(area.diameter_minimum && area.diameter_maximum);
  UpdateDeleteState();
  showing_ = false;
}

void TDefKat::ShowIcon(const std::string& icon) {
  QPixmap picture;
  if (const auto file = ResolveAreaIconPath(icon, ProgramFolder())) {
    picture.load(QString::fromStdString(file->string()));
  }
  icon_shown_ = !picture.isNull();
  if (!icon_shown_) {
    Piktogramm->clear();
    return;
  }
  if (picture.width() > kIconBoxSize || picture.height() > kIconBoxSize) {
    picture = picture.scaled(kIconBoxSize, kIconBoxSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  Piktogramm->setPixmap(picture);
}

void TDefKat::UpdateDeleteState() {
  const int index = Selected();
  KatLoesch->setEnabled(work_list_.CanDelete(index));
  NichtloeschText->setText(Utf8(work_list_.DeleteBlockedText(index).c_str()));
}

void TDefKat::UpdateButtonerz(bool untick_when_disabled) {
  const TKategorie& area = SelectedArea();
  // While the area is being shown a stored picture name counts; after an edit the picture must
  // really be there, because the toolbar button shows the short name only in its place.
  const bool has_icon = untick_when_disabled ? icon_shown_ : !area.icon.empty();
  const bool allowed = IconButtonAllowed(has_icon, area.short_);
  Buttonerz->setEnabled(allowed);
  if (!allowed && untick_when_disabled) Buttonerz->setChecked(false);
}

void TDefKat::SetKindListNames() {
  const auto items = KindListItems(SelectedArea());
  for (QComboBox* list : NummerWahl) {
    if (list->count() == 0) {
      for (const std::string& item : items) list->addItem(FromWin1252(item));
    } else {
      list->setItemText(5, FromWin1252(items[5]));
    }
  }
}

void TDefKat::FieldToggled(std::size_t switch_index, bool checked) {
  if (showing_) return;
  const AreaFieldSwitch& field_switch = AreaFieldSwitches()[switch_index];
  SetAreaSwitch(SelectedArea(), field_switch, checked);
  switch (field_switch.role) {
    case SwitchRole::kNumberSlot:
      NummerWahl[field_switch.index - 1]->setEnabled(checked);
      break;
    case SwitchRole::kExtraField:
      ZusatzB[field_switch.index - 1]->setEnabled(checked);
      break;
    case SwitchRole::kDiameter: {
      QCheckBox* maximum = FieldBox("KDurchmesserMax");
      maximum->setEnabled(checked);
      maximum->setChecked(false);
      break;
    }
    default:
      break;
  }
}

void TDefKat::KindChosen(int slot, int kind) {
  TKategorie& area = SelectedArea();
  area.SetNumberKind(slot, kind);
  if (kind != 5) return;
  AskFreeCatalogueName(area, *name_asker_);
  // Every list keeps its choice; only the name of the free catalogue changes.
  SetKindListNames();
  NummerWahl[slot - 1]->setCurrentIndex(5);
}

void TDefKat::CaptionEdited(int field, const QString& text) {
  if (ApplyExtraCaption(SelectedArea(), field, ToWin1252(text)) != CaptionEdit::kRefill) return;
  QLineEdit* edit = ZusatzB[field - 1];
  edit->setText(Utf8(kFreeCaptionPlaceholder));
  edit->selectAll();
}

void TDefKat::LeaveName() {
  if (!new_area_pending_) return;
  new_area_pending_ = false;
  TKategorie& area = SelectedArea();
  area.SetShort(ShortNameAfterNaming(area.short_, area.name));
  KatKurz->setText(FromWin1252(area.short_));
  Buttonerz->setChecked(true);
  UpdateButtonerz(true);
}

void TDefKat::ChooseIcon() {
  const auto chosen = icon_chooser_->ChooseIcon(IconFolder(ProgramFolder()));
  if (!chosen) return;
  SelectedArea().icon = StoredIconName(*chosen, ProgramFolder());
  ShowArea(Selected());
  SpeedButton2->setEnabled(true);
  Buttonerz->setEnabled(true);
}

void TDefKat::RemoveIcon() {
  SelectedArea().icon.clear();
  Piktogramm->clear();
  icon_shown_ = false;
  SpeedButton2->setEnabled(false);
  UpdateButtonerz(true);
}

void TDefKat::NewArea() {
  LeaveName();
  const int index = work_list_.AddNewArea();
  KategorieListe->addItem(FromWin1252(work_list_.Entry(index).area.name));
  KategorieListe->setCurrentRow(index);
  KatName->setFocus();
  KatName->selectAll();
  new_area_pending_ = true;
}

void TDefKat::Move(bool up) {
  const int from = Selected();
  const int to = up ? work_list_.MoveUp(from) : work_list_.MoveDown(from);
  if (to == from) return;
  const QString moved = KategorieListe->item(from)->text();
  KategorieListe->item(from)->setText(KategorieListe->item(to)->text());
  KategorieListe->item(to)->setText(moved);
  KategorieListe->setCurrentRow(to);
}

void TDefKat::DeleteArea() {
  const auto next = work_list_.Delete(Selected());
  if (!next) return;
  const QSignalBlocker quiet(KategorieListe);
  FillAreaList();
  KategorieListe->setCurrentRow(*next);
  ShowArea(*next);
}

void TDefKat::Accept() {
  LeaveName();
  std::optional<std::string> currency;
  if (!work_list_.had_areas()) currency = ToWin1252(WahlWaehrung->currentText());
  ApplyAreaDefinition(document_, std::move(work_list_), currency, *progress_);
  // The document now owns the areas; the dialog must not show or touch the emptied list again.
  ButtonOK->setEnabled(false);
  accept();
}

void TDefKat::reject() {
  if (work_list_.had_areas()) QDialog::reject();
}

void TDefKat::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ShowArea(Selected());
  if (!work_list_.had_areas()) {
    new_area_pending_ = true;
    KatName->setFocus();
  }
}

bool TDefKat::eventFilter(QObject* watched, QEvent* event) {
  if (watched == KatName && event->type() == QEvent::FocusOut) LeaveName();
  if (watched == SymbolLabel && event->type() == QEvent::MouseButtonRelease) ChooseIcon();
  return QDialog::eventFilter(watched, event);
}

}  // namespace korvex::gui
