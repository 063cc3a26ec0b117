// Loading, laying out and storing a record in the entry dialog, its modes and its size.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

#include "dialogs/gui/tfenstereingabefenster.h"
#include "dialogs/gui/updown.h"
#include "platform/widetext.h"
#include "dialogs/windowplaces.h"
#include "model/collectiondocument.h"
#include "model/datetime.h"
#include "model/numberformat.h"

namespace korvex::gui {
namespace {

// Numeric members of a filter template that set no condition hold this.
constexpr double kUnset = -1;

void SetText(QLineEdit* edit, const std::string& text) { edit->setText(FromWin1252(text)); }
std::string Text(const QLineEdit* edit) { return ToWin1252(edit->text()); }
std::string Text(const QComboBox* box) { return ToWin1252(box->currentText()); }

// The caption of the free fields outside a real area in the templates.
const char* const kAnyExtraCaption = "Ihre Wahl:";

}  // namespace

void TFensterEingabeFenster::SetPurpose(EntryPurpose purpose) {
  IstAenderung = purpose == EntryPurpose::kChange;
  IstLoeschen = purpose == EntryPurpose::kDelete || purpose == EntryPurpose::kCut;
  CutMode = purpose == EntryPurpose::kCut;
  TemplateMode = purpose == EntryPurpose::kSearch || purpose == EntryPurpose::kFilter;
  FilterMode = purpose == EntryPurpose::kFilter;
}

const TKategorie* TFensterEingabeFenster::ChosenArea() const {
  const int index = Kategoriewahl->currentIndex();
  const int id = index >= 0 ? index + 1 : (work_record_ ? work_record_->category : AreaIndex);
  return services_.document->Area(id);
}

QLineEdit* TFensterEingabeFenster::NumberEdit(int slot) const {
  return slot == 1 ? ENummer1 : slot == 2 ? ENummer2 : ENummer3;
}

QLabel* TFensterEingabeFenster::NumberLabel(int slot) const {
  return slot == 1 ? ENummer1T : slot == 2 ? ENummer2T : ENummer3T;
}

double TFensterEingabeFenster::TodayNumber() const {
  return services_.today ? services_.today() : Today();
}

void TFensterEingabeFenster::SetBoxItems(QComboBox* box, const std::vector<std::string>& items) {
  const QString text = box->currentText();
  const QSignalBlocker blocker(box);
  box->clear();
  for (const std::string& item : items) box->addItem(FromWin1252(item));
  box->setCurrentIndex(-1);
  box->setEditText(text);
}

void TFensterEingabeFenster::FillLookupBoxes() {
  for (const LookupBox& lookup : lookup_boxes_) {
    SetBoxItems(lookup.box, (*services_.lookups)[lookup.list]);
  }
}

void TFensterEingabeFenster::FillQualityBoxes() {
  const std::vector<std::string>& qualities = (*services_.lookups)[LookupList::kQualitaet];
  std::vector<std::string> codes, long_names;
  for (const std::string& entry : qualities) {
    codes.push_back(QualityCode(entry));
    long_names.push_back(QualityLongName(entry));
  }
  SetBoxItems(EingabeQualitaet, codes);
  SetBoxItems(EingabeQualitaetLang, long_names);
}

void TFensterEingabeFenster::LoadRecord(const TDaten& record) {
  work_record_ = record.Clone();
  const TDaten& r = *work_record_;
  const FormatSettings& format = *services_.format;
  FillLookupBoxes();
  FillQualityBoxes();
  AreaIndex = r.category;
  {
    const QSignalBlocker blocker(Kategoriewahl);
    Kategoriewahl->setCurrentIndex(r.category >= 1 && r.category <= Kategoriewahl->count()
                                       ? r.category - 1
                                       : -1);
  }

  SetText(EingabeInventarnr, r.item);
  {
    const QSignalBlocker code_blocker(EingabeQualitaet);
    const QSignalBlocker name_blocker(EingabeQualitaetLang);
    EingabeQualitaet->setEditText(FromWin1252(r.quality));
    EingabeQualitaetLang->setEditText(
        FromWin1252(QualityLongNameForCode((*services_.lookups)[LookupList::kQualitaet], r.quality)
                        .value_or(std::string())));
  }
  if (const TKategorie* area = ChosenArea()) {
    for (int slot = 1; slot <= 3; ++slot) {
      SetText(NumberEdit(slot), CatalogueNumberText(r, area->number_kind[slot - 1]));
    }
  }
  SetText(EingabeStueck, FormatD(r.count));
  if (UpDown1) UpDown1->FollowText();
  EingabeLand->setEditText(FromWin1252(r.country));
  EingabeStadt->setEditText(FromWin1252(r.city));
  EingabeMuenzmeister->setEditText(FromWin1252(r.master));
  EingabeHerstellung->setEditText(FromWin1252(r.mintlocation));
  SetText(EingabePraegezahl, r.numeral);
  EingabeWaehrung->setEditText(FromWin1252(r.currency));
  EingabeMotiv1->setEditText(FromWin1252(r.av_motive));
  EingabeMotiv2->setEditText(FromWin1252(r.rv_motive));
  EingabeRand->setEditText(FromWin1252(r.border));
  SetText(EingabePraegejahr, r.year);
  SetText(EAusgabeDatum, r.date);
  SetText(EGueltigBis, r.validtil);
  SetText(EingabePreis, FormatN(r.catalogue, 2, format));
  SetText(EingabeSchaetzwert, FormatN(r.estimate, 2, format));
  SetText(EingabeKaufpreis, FormatN(r.purchaseprice, 2, format));
  SetText(EingabeDatum,
          r.purchasedate == kNoDate ? "?" : FormatDate(r.purchasedate, format.short_date_format));
  SetText(EingabeGewicht, FormatN(r.weight, 3, format));
  SetText(EingabeFeingehalt, r.standard);
  SetText(EingabeFeingewicht, FormatN(r.fine, 3, format));
  EingabeLegierung->setEditText(FromWin1252(r.alloy));
  EingabeHaendler->setEditText(FromWin1252(r.dealer));
  EEtui->setChecked(r.case_ != 0);
  EZertifikat->setChecked(r.certificate != 0);
  EingabeThema->setEditText(FromWin1252(r.theme));
  SetText(EingabeDurchmesser, FormatN(r.diameter_minimum, 2, format));
  SetText(EingabeMaxDurchmesser, FormatN(r.diameter_maximum, 2, format));
  SetText(EMuenzdicke, FormatN(r.width, 2, format));
  SetText(EingabeAuflage, FormatN(static_cast<double>(r.circulation), 0, format));
  EingabeAufbewahrungsort->setEditText(FromWin1252(r.location));
  SetText(EKuenstlerAvers, r.av_artist);
  SetText(EKuenstlerRevers, r.rv_artist);
  for (int n = 1; n <= 5; ++n) SetText(EingabeZusatz[n - 1], r.Z(n));
  SetText(EingabeBild1, r.av_picture);
  SetText(EingabeBild2, r.rv_picture);
  LayoutForArea();
}

void TFensterEingabeFenster::StoreRecord() {
  if (!work_record_) work_record_ = std::make_unique<TDaten>();
  TDaten& r = *work_record_;
  if (Kategoriewahl->currentIndex() >= 0) r.category = Kategoriewahl->currentIndex() + 1;
  r.item = Text(EingabeInventarnr);
  r.quality = Text(EingabeQualitaet);
  if (const TKategorie* area = ChosenArea()) {
    for (int slot = 1; slot <= 3; ++slot) {
      if (Shown(NumberEdit(slot))) {
        StoreCatalogueNumber(r, area->number_kind[slot - 1], Text(NumberEdit(slot)));
      }
    }
  }
  r.count = ReadCount(Text(EingabeStueck));
  r.mintlocation = Text(EingabeHerstellung);
  r.numeral = Text(EingabePraegezahl);
  r.city = Text(EingabeStadt);
  r.master = Text(EingabeMuenzmeister);
  r.border = Text(EingabeRand);
  r.currency = Text(EingabeWaehrung);
  r.av_motive = Text(EingabeMotiv1);
  r.rv_motive = Text(EingabeMotiv2);
  r.year = Text(EingabePraegejahr);
  r.catalogue = ReadDecimalA(Text(EingabePreis));
  r.purchaseprice = ReadDecimalA(Text(EingabeKaufpreis));
  r.estimate = ReadDecimalA(Text(EingabeSchaetzwert));
  r.purchasedate = ParseDate(Text(EingabeDatum), *services_.format).value_or(kNoDate);
  r.weight = static_cast<float>(ReadDecimalA(Text(EingabeGewicht)));
  r.standard = Text(EingabeFeingehalt);
  r.fine = static_cast<float>(ReadDecimalB(Text(EingabeFeingewicht)));
  r.width = static_cast<float>(ReadDecimalA(Text(EMuenzdicke)));
  r.theme = Text(EingabeThema);
  r.diameter_minimum = static_cast<float>(ReadDecimalB(Text(EingabeDurchmesser)));
  r.diameter_maximum = static_cast<float>(ReadDecimalB(Text(EingabeMaxDurchmesser)));
  r.av_artist = Text(EKuenstlerAvers);
  r.rv_artist = Text(EKuenstlerRevers);
  r.date = Text(EAusgabeDatum);
  r.validtil = Text(EGueltigBis);
  r.circulation = ReadCirculation(Text(EingabeAuflage));
  r.alloy = Text(EingabeLegierung);
  r.dealer = Text(EingabeHaendler);
  r.location = Text(EingabeAufbewahrungsort);
  r.country = Text(EingabeLand);
  for (int n = 1; n <= 5; ++n) r.Z(n) = Text(EingabeZusatz[n - 1]);
  r.av_picture = Text(EingabeBild1);
  r.rv_picture = Text(EingabeBild2);
  r.case_ = EEtui->isChecked() ? 1 : 0;
  r.certificate = EZertifikat->isChecked() ? 1 : 0;

  if (FilterMode) {
    // An empty field of the free filter sets no condition.
    auto unset_if_empty = [](const QLineEdit* edit, auto& member) {
      if (edit->text().trimmed().isEmpty()) member = static_cast<std::decay_t<decltype(member)>>(kUnset);
    };
    unset_if_empty(EingabeStueck, r.count);
    unset_if_empty(EingabePreis, r.catalogue);
    unset_if_empty(EingabeSchaetzwert, r.estimate);
    unset_if_empty(EingabeKaufpreis, r.purchaseprice);
    unset_if_empty(EingabeAuflage, r.circulation);
    unset_if_empty(EingabeGewicht, r.weight);
    unset_if_empty(EingabeFeingewicht, r.fine);
    unset_if_empty(EingabeDurchmesser, r.diameter_minimum);
    unset_if_empty(EingabeMaxDurchmesser, r.diameter_maximum);
    unset_if_empty(EMuenzdicke, r.width);
  }
}

void TFensterEingabeFenster::ShowRow(const Row& row, bool shown) {
  if (row.label) row.label->setVisible(shown);
  row.control->setVisible(shown);
  for (QWidget* companion : row.companions) companion->setVisible(shown);
}

void TFensterEingabeFenster::EmptyNumericFields() {
  struct Numeric {
    QLineEdit* edit;
    bool unset;  // the filter template's value sets no condition
  };
  const TDaten* r = work_record_.get();
  if (FilterMode && r == nullptr) return;
  const Numeric fields[] = {
      {EingabeStueck, FilterMode && r->count == kUnset},
      {EingabePreis, FilterMode && r->catalogue == kUnset},
      {EingabeSchaetzwert, FilterMode && r->estimate == kUnset},
      {EingabeKaufpreis, FilterMode && r->purchaseprice == kUnset},
      {EingabeGewicht, FilterMode && r->weight == kUnset},
      {EingabeFeingewicht, FilterMode && r->fine == kUnset},
      {EingabeDurchmesser, FilterMode && r->diameter_minimum == kUnset},
      {EingabeMaxDurchmesser, FilterMode && r->diameter_maximum == kUnset},
      {EingabeAuflage, FilterMode && r->circulation == kUnset},
      {EMuenzdicke, FilterMode && r->width == kUnset},
  };
  for (const Numeric& field : fields) {
    if (!FilterMode || field.unset) field.edit->clear();
  }
  if (FilterMode && r->purchasedate == kNoDate) EingabeDatum->clear();
}

void TFensterEingabeFenster::LayoutForArea() {
  if (TemplateMode || (!IstAenderung && !IstLoeschen)) {
    if (TemplateMode && UpDown1) {
      // Without the up-down control the count field takes any text, such as ">=5".
      for (Row& row : rows_) {
        std::erase(row.companions, static_cast<QWidget*>(UpDown1));
      }
      delete UpDown1;
      UpDown1 = nullptr;
    }
    EmptyNumericFields();
  }
  if (TemplateMode) {
    LayoutForTemplate();
  } else {
    SetCatalogueCaptions();
    static const TKategorie kDefaultArea;
    const TKategorie* area = ChosenArea();
    if (area == nullptr) area = &kDefaultArea;
    for (const Row& row : rows_) ShowRow(row, row.used(*area));
    for (int n = 1; n <= 5; ++n) EingabeZusatzT[n - 1]->setText(FromWin1252(area->ExtraName(n)));
    EingabeTextButton->setEnabled(!IstLoeschen);
  }
}

void TFensterEingabeFenster::LayoutForTemplate() {
  if (!FilterMode) EingabeDatum->clear();
  for (const Row& row : rows_) {
    const bool hidden = row.control == Kategoriewahl || row.control == EingabeBild1 ||
                        row.control == EingabeBild2;
    ShowRow(row, !hidden);
  }
  const int id = work_record_ ? work_record_->category : 0;
  const TKategorie* area = id != 0 && id != kAllCoinsView ? services_.document->Area(id) : nullptr;
  for (int n = 1; n <= 5; ++n) {
    QLabel* label = EingabeZusatzT[n - 1];
    label->setText(area ? FromWin1252(area->ExtraName(n)) : QString::fromUtf8(kAnyExtraCaption));
    const bool shown = area == nullptr || area->z_active[n - 1];
    label->setVisible(shown);
    EingabeZusatz[n - 1]->setVisible(shown);
  }
}

void TFensterEingabeFenster::SetCatalogueCaptions() {
  const TKategorie* area = ChosenArea();
  if (area == nullptr) return;
  for (int slot = 1; slot <= 3; ++slot) {
    NumberLabel(slot)->setText(FromWin1252(CatalogueSlotCaption(*area, slot)));
  }
}

void TFensterEingabeFenster::ApplyModeToControls() {
  EingabeOk->setText(!IstLoeschen ? QStringLiteral("&Ok")
                     : CutMode    ? QStringLiteral("Ausschneiden")
                                  : QStringLiteral("Löschen"));
  Kategoriewahl->setEnabled(!IstLoeschen);
  EingabeNaechster->setEnabled(!IstLoeschen);
  if (IstLoeschen) EingabeTextButton->setEnabled(false);
  EingabeTextButton->setVisible(!TemplateMode);
  EingabeNaechster->setVisible(!TemplateMode);
  template_options_->setVisible(TemplateMode);
  if (IstLoeschen) EingabeAbbruch->setFocus();
}

void TFensterEingabeFenster::RefreshCurrencyLabels() {
  const QString symbol = FromWin1252(services_.document->currency_symbol);
  for (QLabel* label : {Currency1Text, Currency2Text, EingabeSchaetzwertC}) label->setText(symbol);
}

void TFensterEingabeFenster::FitToScreen() {
  const QScreen* shown_on = screen() ? screen() : QApplication::primaryScreen();
  const QRect available = shown_on ? shown_on->availableGeometry() : QRect(0, 0, 1024, 768);
  setMaximumSize(available.width() - 10, available.height() - 25);
  panel_->adjustSize();
  const QSize panel = panel_->sizeHint();
  const QMargins margins = layout()->contentsMargins();
  const int buttons = EingabeOk->sizeHint().height() + layout()->spacing();
  const DialogSize size = EntryDialogSize(
      panel.width() + margins.left() + margins.right(),
      panel.height() + buttons + margins.top() + margins.bottom() + 7, available.width(),
      available.height(), style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  resize(size.width, size.height);
}

void TFensterEingabeFenster::showEvent(QShowEvent* event) {
  AreaChanged = false;
  IstNaechster = false;
  ApplyModeToControls();
  RefreshCurrencyLabels();
  FitToScreen();
  const QScreen* shown_on = screen() ? screen() : QApplication::primaryScreen();
  QPoint place(services_.places->WdLinksEingabe, services_.places->WdObenEingabe);
  if (shown_on) {
    // A position remembered on a larger screen must not put the dialog out of reach.
    const QRect available = shown_on->availableGeometry();
    place.setX(std::clamp(place.x(), available.left(),
                          std::max(available.left(), available.right() - width())));
    place.setY(std::clamp(place.y(), available.top(),
                          std::max(available.top(), available.bottom() - height())));
  }
  move(place);
  QDialog::showEvent(event);
}

void TFensterEingabeFenster::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) RefreshCurrencyLabels();
  QDialog::changeEvent(event);
}

void TFensterEingabeFenster::done(int result) {
  IstLoeschen = false;
  services_.places->WdLinksEingabe = pos().x();
  services_.places->WdObenEingabe = pos().y();
  QDialog::done(result);
}

bool RunEntryDialog(TFensterEingabeFenster& dialog, TDaten& record, EntryPurpose purpose) {
  dialog.SetPurpose(purpose);
  auto title = [&dialog, purpose](int area_id) {
    const int index = area_id - 1;
    const std::string name = index >= 0 && index < dialog.Kategoriewahl->count()
                                 ? ToWin1252(dialog.Kategoriewahl->itemText(index))
                                 : std::string();
    dialog.setWindowTitle(FromWin1252(EntryDialogTitle(purpose, name)));
  };
  title(record.category);
  dialog.LoadRecord(record);
  for (;;) {
    dialog.EingabeOkPressed = false;
    dialog.exec();
    if (!dialog.AreaChanged) break;
    record.category = dialog.AreaIndex;
    title(record.category);
  }
  if (!dialog.EingabeOkPressed) return false;
  dialog.StoreRecord();
  record.Assign(*dialog.EditedRecord());
  dialog.ReleaseRecord();
  return true;
}

}  // namespace korvex::gui
