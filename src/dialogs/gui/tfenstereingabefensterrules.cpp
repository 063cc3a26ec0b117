// The input rules of the entry dialog and its buttons. The rules themselves are core functions on
// texts; here they are attached to the controls.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

#include "dialogs/gui/picturechooser.h"
#include "dialogs/gui/tdateform.h"
#include "dialogs/gui/tfenstereingabefenster.h"
#include "dialogs/gui/updown.h"
#include "platform/widetext.h"
#include "model/collectiondocument.h"
#include "model/textcompare.h"
#include "platform/messages.h"
#include "reports/gui/tansicht.h"

namespace korvex::gui {
namespace {

std::string Text(const QLineEdit* edit) { return ToWin1252(edit->text()); }
std::string Text(const QComboBox* box) { return ToWin1252(box->currentText()); }

std::optional<QDate> QDateOf(double day_number) {
  const CalendarDate date = CalendarDateOf(day_number);
  const QDate shown(date.year, date.month, date.day);
  if (!shown.isValid()) return std::nullopt;
  return shown;
}

}  // namespace

void TFensterEingabeFenster::EingabeStueckEnter() {
  CountOnEnter = korvex::CountOnEnter(Text(EingabeStueck));
}

void TFensterEingabeFenster::EingabeStueckExit() {
  const std::string text = Text(EingabeStueck);
  if (FilterMode) {
    if (const std::optional<std::string> marker = FilterCountOperator(text)) {
      EingabeStueck->setText(FromWin1252(*marker));
    }
    return;
  }
  const std::optional<CountChange> change = ApplyCountOperator(CountOnEnter, text);
  if (!change) return;
  if (change->negative) {
    services_.messages->Warning("Die Artikelanzahl darf nicht negativ sein!");
  }
  EingabeStueck->setText(FromWin1252(change->text));
  if (UpDown1) UpDown1->FollowText();
}

void TFensterEingabeFenster::PriceExit(QLineEdit* price) {
  price->setText(FromWin1252(CleanPriceText(Text(price))));
}

void TFensterEingabeFenster::EingabePreisExit() {
  PriceExit(EingabePreis);
  // A template takes only the criteria the user typed.
  if (TemplateMode) return;
  for (QLineEdit* target : {EingabeKaufpreis, EingabeSchaetzwert}) {
    if (TakesCatalogueValue(Text(target), Shown(target), IstAenderung)) {
      target->setText(EingabePreis->text());
    }
  }
}

void TFensterEingabeFenster::WeightExit(WeightField left) {
  const std::optional<WeightTexts> weights = WeightsFromFineness(
      {Text(EingabeGewicht), Text(EingabeFeingewicht)}, Text(EingabeFeingehalt), left);
  if (!weights) return;
  EingabeGewicht->setText(FromWin1252(weights->weight));
  EingabeFeingewicht->setText(FromWin1252(weights->fine));
}

void TFensterEingabeFenster::EingabeDatumExit() {
  // An empty date of a template sets no condition and stays empty.
  if (TemplateMode && EingabeDatum->text().trimmed().isEmpty()) return;
  const DateNormalisation date = NormalizePurchaseDate(Text(EingabeDatum), *services_.format,
                                                       CalendarDateOf(TodayNumber()));
  if (date.warn) {
    services_.messages->Warning("Das Datum ist ungültig. Daher wird als Datum ? eingetragen.");
  }
  EingabeDatum->setText(FromWin1252(date.text));
}

void TFensterEingabeFenster::PickDate(QLineEdit* edit) {
  const double today = TodayNumber();
  const std::optional<QDate> shown =
      QDateOf(CalendarStartDate(Text(edit), *services_.format, today));
  const std::optional<QDate> latest = QDateOf(today);
  if (!shown || !latest) {
    QApplication::beep();
    services_.messages->Error("Dieses Datum kann vom Kalender nicht dargestellt werden.");
    return;
  }
  TDateform calendar(*shown, *latest, this);
  if (calendar.exec() != QDialog::Accepted) return;
  const QDate chosen = calendar.SelectedDate();
  if (const std::optional<double> day = DayNumber(chosen.year(), chosen.month(), chosen.day())) {
    edit->setText(FromWin1252(FormatDate(*day, services_.format->short_date_format)));
  }
}

void TFensterEingabeFenster::EingabeQualitaetChange() {
  if (syncing_quality_) return;
  const std::optional<std::string> long_name = QualityLongNameForCode(
      (*services_.lookups)[LookupList::kQualitaet], Text(EingabeQualitaet));
  if (!long_name) return;
  syncing_quality_ = true;
  EingabeQualitaetLang->setEditText(FromWin1252(*long_name));
  syncing_quality_ = false;
}

void TFensterEingabeFenster::EingabeQualitaetLangChange() {
  if (syncing_quality_) return;
  const std::optional<QualityPair> pair = QualityForLongName(
      (*services_.lookups)[LookupList::kQualitaet], Text(EingabeQualitaetLang));
  if (!pair) return;
  syncing_quality_ = true;
  EingabeQualitaet->setEditText(FromWin1252(pair->code));
  if (Text(EingabeQualitaetLang) != pair->long_name) {
    EingabeQualitaetLang->setEditText(FromWin1252(pair->long_name));
  }
  syncing_quality_ = false;
}

void TFensterEingabeFenster::EingabeQualitaetExit() {
  const std::string upper = AsciiUpper(Text(EingabeQualitaet));
  if (upper != Text(EingabeQualitaet)) EingabeQualitaet->setEditText(FromWin1252(upper));
  EingabeQualitaetLangExit();
}

void TFensterEingabeFenster::EingabeQualitaetLangExit() {
  if (TemplateMode) return;
  if (AddQualityPair((*services_.lookups)[LookupList::kQualitaet], Text(EingabeQualitaet),
                     Text(EingabeQualitaetLang))) {
    const QSignalBlocker code_blocker(EingabeQualitaet);
    const QSignalBlocker name_blocker(EingabeQualitaetLang);
    FillQualityBoxes();
  }
}

void TFensterEingabeFenster::LookupBoxExit(QComboBox* box) {
  if (TemplateMode) return;
  for (const LookupBox& lookup : lookup_boxes_) {
    if (lookup.box != box) continue;
    std::vector<std::string>& list = (*services_.lookups)[lookup.list];
    const std::string text = Text(box);
    // A text completed from an item, or typed in another case, takes the item's spelling.
    const auto known = std::find_if(list.begin(), list.end(), [&text](const std::string& entry) {
      return EqualAsciiUpper(entry, text);
    });
    if (known != list.end()) {
      if (*known != text) box->setEditText(FromWin1252(*known));
    } else if (AddToLookupList(list, text)) {
      SetBoxItems(box, list);
    }
    return;
  }
}

void TFensterEingabeFenster::ChoosePicture(QLineEdit* edit) {
  const CollectionDocument& document = *services_.document;
  const std::string folder = document.has_name ? document.picture_folder() : std::string();
  const std::optional<std::string> chosen =
      services_.pictures->ChoosePicture(PictureDialogStartFor(Text(edit), folder));
  if (!chosen) return;
  edit->setText(FromWin1252(PictureReferenceFor(*chosen, folder, document.has_name)));
}

void TFensterEingabeFenster::KategoriewahlChange(int index) {
  if (index < 0) return;
  AreaIndex = index + 1;
  AreaChanged = true;
  done(QDialog::Rejected);
  // The working copy takes the new area and everything typed so far; the caller shows the
  // dialog again laid out for the new area.
  StoreRecord();
  SetCatalogueCaptions();
  LayoutForArea();
}

void TFensterEingabeFenster::EingabeOkClick() {
  // Enter on the default button leaves the focused field as a click would.
  LeaveFocusedField();
  if (!FilterMode) {
    for (QLineEdit* edit : {EingabeStueck, EingabePreis, EingabeKaufpreis}) {
      if (edit->text().isEmpty()) edit->setText(QStringLiteral("0"));
    }
  }
  if (services_.clear_status_message) services_.clear_status_message();
  EingabeOkPressed = true;
  accept();
}

void TFensterEingabeFenster::EingabeNaechsterClick() {
  IstNaechster = true;
  EingabeOkClick();
}

void TFensterEingabeFenster::EingabeAbbruchClick() {
  if (services_.clear_status_message) services_.clear_status_message();
  EingabeOkPressed = false;
  QDialog::reject();
}

void TFensterEingabeFenster::reject() { EingabeAbbruchClick(); }

void TFensterEingabeFenster::EingabeTextButtonClick() {
  StoreRecord();
  TAnsicht view(TAnsicht::Use::kTextEditor,
                {services_.document, services_.lookups, services_.format, services_.places}, this);
  view.SetAreaNumber(AreaIndex);
  view.SetPicturePaths(Text(EingabeBild1), std::string());
  view.Fill(*work_record_);
  view.SetNoteText(work_record_->description ? work_record_->description->text : std::string());
  if (view.exec() != QDialog::Accepted) return;
  if (!work_record_->description) work_record_->description = std::make_unique<TText>();
  work_record_->description->text = view.NoteText();
}

}  // namespace korvex::gui
